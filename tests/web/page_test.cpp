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

TEST_F(PageTest, HeadWithOwnerAuthorKeywordsAndHeader) {
  settings_.EmailOwner = "me@x.org";
  settings_.Author = "Ann & Bob";
  settings_.Language = "sv-SE";
  const std::string header = dir_.Write("Template/head.htm", "<H1>Club</H1>\n<P>\r\nlast");
  page_.Open(context_, settings_.HtmlRootDir + "players/js.htm", header, "golf <club>", "", "A & B",
             false);
  EXPECT_EQ(page_.Contents(),
            Joined({"<HTML lang=\"sv-SE\">", "<HEAD>", kEncoding, kViewport,
                    "  <TITLE>A &amp; B</TITLE>", "  <META name=\"owner\" content=\"me@x.org\">",
                    "  <META name=\"author\" content=\"2026-06-15/Ann &amp; Bob\">",
                    "  <META name=\"robots\" content=\"ALL\">", Generator(),
                    "  <META name=\"keywords\" content=\"golf &lt;club&gt;,xCardxWisex\">",
                    "  <LINK rel=\"stylesheet\" type=\"text/css\" href=\"../index/cardwise.css\">",
                    "</HEAD>", "<BODY bgcolor=\"#eeeeee\" style=\"color:#000000\">",
                    "<H1>Club</H1>", "<P>", "last", "<MAIN>"}));
}

TEST_F(PageTest, HeadWithoutOwnerAuthorOrKeywords) {
  page_.Open(context_, settings_.HtmlRootDir + "players/js.htm",
             settings_.TemplateDir + "missing.htm", "", "NOINDEX", "T", false);
  EXPECT_EQ(page_.Contents(),
            Joined({"<HTML lang=\"en\">", "<HEAD>", kEncoding, kViewport, "  <TITLE>T</TITLE>",
                    "  <META name=\"robots\" content=\"NOINDEX\">", Generator(),
                    "  <LINK rel=\"stylesheet\" type=\"text/css\" href=\"../index/cardwise.css\">",
                    "</HEAD>", "<BODY bgcolor=\"#eeeeee\" style=\"color:#000000\">", "<MAIN>"}));
}

TEST_F(PageTest, CloseWritesFooterWithCopyNoticeAndTemplate) {
  settings_.CopyInFooter = true;
  settings_.EmailOwner = "me@x.org";
  settings_.Author = "Ann <A>";
  const std::string footer = dir_.Write("Template/foot.htm", "<P>bye</P>\n");
  OpenPage("players/js.htm");
  page_.Line("body");
  ASSERT_TRUE(page_.Close(footer).ok());
  EXPECT_EQ(Body(), Joined({"body", "</MAIN>",
                            Footer() + "<SMALL><I> | &copy; <A href=\"mailto:me@x.org\">"
                                       "Ann &lt;A&gt;</A></I></SMALL>",
                            "<P>bye</P>", "</BODY>", "</HTML>"}));
  EXPECT_EQ(dir_.Read("Web/players/js.htm"), page_.Contents());
  EXPECT_EQ(FilesMatching(dir_.File("Web/players"), "*"), std::vector<std::string>{"js.htm"});

  settings_.CopyInFooter = false;  // the notice is rebuilt by each Open
  OpenPage("players/js.htm");
  ASSERT_TRUE(page_.Close("").ok());
  EXPECT_EQ(Body(), Joined({"</MAIN>", Footer(), "</BODY>", "</HTML>"}));

  // Without an author the address is the link's text; without an address there is no link.
  settings_.CopyInFooter = true;
  const std::pair<std::string, std::string> owners[] = {
      {"", "<A href=\"mailto:me@x.org\">me@x.org</A>"},
      {"Ann", "<A href=\"mailto:me@x.org\">Ann</A>"}};
  for (const auto& [author, notice] : owners) {
    settings_.Author = author;
    OpenPage("players/js.htm");
    ASSERT_TRUE(page_.Close("").ok());
    EXPECT_THAT(Body(), HasSubstr("&copy; " + notice + "</I>")) << author;
  }
  settings_.EmailOwner.clear();
  OpenPage("players/js.htm");
  ASSERT_TRUE(page_.Close("").ok());
  EXPECT_THAT(Body(), HasSubstr("&copy; Ann</I>"));
}

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

// Each case flips both settings, so a link following the wrong one shows.
TEST_F(PageTest, LinksBarInBothNameFormsAndFolderKinds) {
  struct Case {
    bool LongNames, InYearFolder;
    std::string Stats, Index;
  };
  const std::vector<Case> cases = {
      {true, false, "../2026/stat.htm", "index.html"},
      {false, true, "stat.htm", "index.htm"},
  };
  for (const Case& c : cases) {
    settings_.UseLongFileNames = c.LongNames;
    OpenPage("2026/x.htm", c.InYearFolder);
    page_.WriteLinksBar();
    EXPECT_EQ(BodyLines(),
              (std::vector<std::string>{"<!-- Links to index -->", "<BR clear=all>",
                                        "<SMALL>Links:", "<A href=\"" + c.Stats + "\">Stats</A> |",
                                        "<A href=\"../index/p" + c.Index + "\">Player</A> |",
                                        "<A href=\"../index/c" + c.Index + "\">Course</A> |",
                                        "<A href=\"../index/e" + c.Index + "\">Event</A> |",
                                        "<A href=\"../index/t" + c.Index + "\">Tour</A> |",
                                        "<A href=\"../\">Index</A>", "</SMALL>"}));
  }
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
