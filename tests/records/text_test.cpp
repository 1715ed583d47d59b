#include "records/text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "records/process_info.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::ScopedEnv;

TEST(TextTest, ExtractField) {
  const std::tuple<std::string, int, std::string> cases[] = {
      {"a;;b", 1, "a"}, {"a;;b", 2, ""}, {"a;;b", 3, "b"},     {"a;;b", 4, ""},
      {"a;;b", 0, ""},  {"", 1, ""},     {" x ; y ", 2, " y "}};
  for (const auto& [text, n, expected] : cases)
    EXPECT_EQ(ExtractField(text, n, ';'), expected) << text << " n=" << n;
  // Only the first 255 characters count.
  EXPECT_EQ(ExtractField(std::string(253, 'a') + ";bc", 2, ';'), "b");
  EXPECT_EQ(ExtractField(std::string(300, 'x') + ";tail", 2, ';'), "");
}

// Only a name typed in one case is changed; one with capitals and small letters is as typed.
TEST(TextTest, ProperCase) {
  const std::pair<std::string, std::string> names[] = {
      {"JOHN O'NEIL-SMITH", "John O'neil-Smith"},
      {"st.andrews  links", "St.Andrews  Links"},
      {"\xC9MILE \xD6STERBERG", "\xC9mile \xD6sterberg"},  // Windows-1252 letters
      {"\xE9mile \xF6sterberg", "\xC9mile \xD6sterberg"},
      {"Fiona McAllister", "Fiona McAllister"},
      {"van der Berg", "van der Berg"},
      {"O'Neil", "O'Neil"},
      {"JOHN o'neil", "JOHN o'neil"},
      {"\xC9mile \xF6sterberg", "\xC9mile \xF6sterberg"},
      {"J. 2nd", "J. 2nd"},
      {"123 - 45", "123 - 45"},
      {std::string(100, 'A'), "A" + std::string(79, 'a')},
      {std::string(80, 'a') + "B", "A" + std::string(79, 'a')},  // the capital is cut off first
  };
  for (const auto& [text, expected] : names)
    EXPECT_EQ(ProperCase(text), expected) << text;
}

}  // namespace
}  // namespace cardwise
