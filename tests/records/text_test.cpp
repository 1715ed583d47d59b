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

TEST(TextTest, LeadingNumber) {
  const std::pair<std::string, int> numbers[] = {{"ab12cd", 12}, {"12x", 12}, {"x", 0},
                                                 {"-5", 5},      {"a1b2", 1}, {"99999999999", 0}};
  for (const auto& [text, expected] : numbers)
    EXPECT_EQ(LeadingNumber(text), expected) << text;
}

TEST(TextTest, ReplaceAllAndTrailingSlash) {
  EXPECT_EQ(ReplaceAll(" ", "&nbsp;", " a  b"), "&nbsp;a&nbsp;&nbsp;b");
  EXPECT_EQ(ReplaceAll("ab", "x", "aabab"), "axx");
  EXPECT_EQ(IncludeTrailingSlash("") + "|" + IncludeTrailingSlash("/tmp/"), "|/tmp/");
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

TEST(ProcessInfoTest, EnvironmentValues) {
  const std::string longValue(300, 'v');
  ScopedEnv longOne("CARDWISE_TEST_LONG", longValue.c_str());
  EXPECT_EQ(GetEnv("cardwise_test_long"), longValue.substr(0, 255));

  ScopedEnv temp("TEMP", nullptr), tmp("TMP", ""), tmpdir("TMPDIR", "/var/scratch");
  ScopedEnv user("USER", nullptr), usr("USR", "operator");
  ScopedEnv fullName("USERNAME", "J\xC3\xBCrgen M\xC3\xBCller-Wolfenb\xC3\xBCttel,Room 4");
  ScopedEnv cname("CNAME", "workstation-7");
  const ProcessInfo info = ReadProcessInfo();
  EXPECT_EQ(info.TempDir, "/var/scratch/");
  EXPECT_EQ(info.UserName, "operat");
  EXPECT_EQ(info.FullUserName, "J\xFCrgen M\xFCller-Wolf");  // from UTF-8, 18 characters
  EXPECT_EQ(info.ComputerName, "workstat");

  ScopedEnv noTmpdir("TMPDIR", nullptr), noUsr("USR", nullptr);
  ScopedEnv dosName("USERNAME", "M\x81ller,Hans");  // not UTF-8: the DOS code page
  const ProcessInfo fallback = ReadProcessInfo();
  EXPECT_EQ(fallback.TempDir, "/tmp/");
  EXPECT_EQ(fallback.UserName, "USER");
  EXPECT_EQ(fallback.FullUserName, "M\xFCller");
}

TEST(ProcessInfoTest, ProgramValuesAndVersion) {
  const ProcessInfo info = ReadProcessInfo();
  EXPECT_EQ(info.ProgramDir.back(), '/');
  ASSERT_EQ(info.ExeBuildDate.size(), 6u);  // the test binary exists: its date as yymmdd
  EXPECT_EQ(info.VersionText, "Ver. 0.0 Rel " + info.ExeBuildDate);

  InitProcessInfo();
  SetVersion("  Cardwise Club Edition  ", "10.20.30.40");
  EXPECT_EQ(Process().ProductName, "Cardwise Club Edition");
  EXPECT_EQ(Process().VersionText, "Ver. 10.20.30.40 Rel " + info.ExeBuildDate.substr(0, 3));
  SetVersion(std::string(40, 'P'), "1.0");
  EXPECT_EQ(Process().ProductName, std::string(32, 'P'));
}

}  // namespace
}  // namespace cardwise
