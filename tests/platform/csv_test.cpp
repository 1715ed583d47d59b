#include "platform/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace cardwise {
namespace {

TEST(CsvTest, QuotesOnlyTheFieldsThatNeedIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"Mill Brook", "Mill Brook"},
      {"72.5", "72.5"},
      {" spaced ", " spaced "},
      {"Smith, John", "\"Smith, John\""},
      {"Jo; Anne", "\"Jo; Anne\""},
      {"Bill \"Bomber\" Bo", "\"Bill \"\"Bomber\"\" Bo\""},
      {"\"", "\"\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"J\xC3\xBCrgen", "J\xC3\xBCrgen"},
  };
  for (const auto& [text, field] : cases)
    EXPECT_EQ(CsvField(text), field) << text;
}

}  // namespace
}  // namespace cardwise
