#pragma once
// The fixtures of the record tests: the C-locale formats for each test (the process-wide ones
// restored afterwards), a temporary folder, and a record list loaded from text.

#include <gtest/gtest.h>

#include <string>

#include "platform/locale_formats.h"
#include "records/record_io.h"
#include "support/temp_dir.h"

namespace cardwise::testing {

inline void SetFormats(const char* shortDate, char dateSeparator, char decimalSeparator) {
  SetCurrentFormats({shortDate, "hh:nn:ss", "hh:nn", decimalSeparator, dateSeparator});
}

class FormatsTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentFormats(IsoFormats()); }
  void TearDown() override { SetCurrentFormats(saved_); }

  TempDir dir_;

 private:
  LocaleFormats saved_ = CurrentFormats();
};

// Load writes the text to "LIST.DAT" and loads it, keeping the report.
template <class List>
class ListTest : public FormatsTest {
 protected:
  List Load(const std::string& text) {
    List list;
    report_ = list.LoadFromFile(dir_.Write("LIST.DAT", text));
    return list;
  }

  LoadReport report_;
};

}  // namespace cardwise::testing
