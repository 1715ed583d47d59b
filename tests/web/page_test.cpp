#include "web/page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "records/process_info.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::HasSubstr;

class PageTest : public WebTest {
 protected:
  PageTest() { SetVersion("Cardwise", "2.1"); }

  static std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
      text += line + "\r\n";
    return text;
  }
  static std::string Generator() {
    return "  <META name=\"generator\" content=\"Cardwise " + Process().VersionText + "\">";
  }
  static constexpr const char* kEncoding =
      "  <META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
  static constexpr const char* kViewport =
      "  <META name=\"viewport\" content=\"width=device-width, initial-scale=1\">";
  static std::string Footer() {
    return "<BR clear=all><HR><SMALL><I>Produced with <A href=\"../index/help.htm\">Cardwise</A> " +
           Process().VersionText + "</I></SMALL>";
  }
};

TEST_F(PageTest, CloseFailsWithoutWritingOutsideTheRoot) {
  dir_.Write("Web/players", "a file where the folder should be");
  OpenPage("players/js.htm");
  const Status blocked = page_.Close("");
  EXPECT_FALSE(blocked.ok());
  EXPECT_NE(blocked.message().find(page_.Path()), std::string::npos) << blocked.message();

  for (const char* path : {"../out.htm", "x/../../out.htm", "a\\b.htm", ""}) {
    OpenPage(path);
    EXPECT_FALSE(page_.Close("").ok()) << path;
  }
  EXPECT_FALSE(FileExists(dir_.File("out.htm")));
}

TEST_F(PageTest, PictureSlot) {
  const std::string tail = "\" alt=\"Ann &amp; Bob\" align=right vspace=10 hspace=5>\r\n";
  // Each step adds a file beside the page; a jpg wins over a gif.
  const std::vector<std::pair<std::string, std::string>> steps = {
      {"", "<!-- Put picture in the same dir: <IMG src=\"" + tail.substr(0, tail.size() - 2) +
               " -->\r\n"},
      {"annbob.gif", "<IMG src=\"annbob.gif" + tail},
      {"annbob.jpg", "<IMG src=\"annbob.jpg" + tail},
  };
  for (const auto& [file, want] : steps) {
    if (!file.empty()) dir_.Write("Web/players/" + file, "picture");
    OpenPage("players/annbob.htm");
    page_.WritePicture("ANNBOB", "Ann & Bob");
    EXPECT_EQ(Body(), want) << file;
  }
}

}  // namespace
}  // namespace cardwise::testing
