#include "web/publish.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::TempDir;

TEST(CheckPublishTarget, RefusesWhatAShellOrRsyncWouldReadAsMore) {
  const struct {
    const char* Target;
    const char* Refusal;  // nullptr: accepted
  } cases[] = {
      {"/mnt/club/www/", nullptr},
      {"golf@club.example.org:public_html/", nullptr},
      {"web-2026/site_1.0+x,y=z%", nullptr},
      {"/srv/G\xF6teborg/", nullptr},  // a letter of the code page is no shell character
      {"", "no publish target"},
      {"-e sh", "begins with \"-\""},
      {"--delete", "begins with \"-\""},
      {"x;rm", "\";\""},
      {"$(id)", "\"$\""},
      {"a`id`", "\"`\""},
      {"~/www", "\"~\""},
      {"a|b", "\"|\""},
      {"a>b", "\">\""},
      {"*.htm", "\"*\""},
      {"it's", "\"'\""},
      {"a b", "space"},
      {"a\nb", "control character"},
      {"a\\b", "\"\\\""},
  };
  for (const auto& c : cases) {
    const Status status = CheckPublishTarget(c.Target);
    if (c.Refusal == nullptr) {
      EXPECT_TRUE(status) << c.Target << ": " << status.message();
    } else {
      EXPECT_THAT(status.message(), HasSubstr(c.Refusal)) << c.Target;
    }
  }
}

TEST(AddPublishedItem, CountsFilesSentAndDeletedFromRsyncsLines) {
  const struct {
    const char* Line;
    bool Item;
    const char* Name;
    int Sent, Deleted;
    std::uintmax_t Bytes;
  } cases[] = {
      {">f+++++++++ 1234 2026/js.htm", true, "2026/js.htm", 1, 0, 1234},
      {"<fcst...... 10 index/a b.htm", true, "index/a b.htm", 1, 0, 10},
      {"cd+++++++++ 4096 players/", true, "players/", 0, 0, 0},
      {".f..t...... 99 same.htm", true, "same.htm", 0, 0, 0},  // times only
      {"*deleting   0 old.htm", true, "old.htm", 0, 1, 0},
      {"*deleting   0 2019/", true, "2019/", 0, 0, 0},
      {"cL+++++++++ 7 link.htm", true, "link.htm", 0, 0, 0},
      {"created directory /srv/www", false, "", 0, 0, 0},
      {">f+++++++++ x name", false, "", 0, 0, 0},
      {"", false, "", 0, 0, 0},
  };
  for (const auto& c : cases) {
    PublishReport report;
    std::string name;
    EXPECT_EQ(AddPublishedItem(c.Line, report, name), c.Item) << c.Line;
    EXPECT_EQ(name, c.Name) << c.Line;
    EXPECT_EQ(report.FilesSent, c.Sent) << c.Line;
    EXPECT_EQ(report.FilesDeleted, c.Deleted) << c.Line;
    EXPECT_EQ(report.BytesSent, c.Bytes) << c.Line;
  }
}

// A small site published to a local folder: what rsync is asked to do, end to end.
class PublishTest : public ::testing::Test {
 protected:
  PublishTest() {
    settings_.HtmlRootDir = dir_.File("web/");
    settings_.PublishTo = dir_.File("server/www/");
    dir_.Write("web/index/index.htm", "index");
    dir_.Write("web/2026/a.htm", "page a");
    dir_.Write("web/2026/b.htm", "page b");
  }

  PublishReport Publish(bool dryRun = false) {
    PublishReport report;
    const Status status = PublishSite(settings_, dryRun, report);
    EXPECT_TRUE(status) << status.message();
    return report;
  }

  TempDir dir_;
  AppSettings settings_;
};

// Pages rewritten with the same text get new times: they are not sent again.
TEST_F(PublishTest, OnlyChangedContentIsSentAgain) {
  std::filesystem::create_directories(dir_.File("server"));
  dir_.Write("web/.2027.tmp99-1/x.htm", "staged");  // a run in progress
  dir_.Write("web/2026/c.htm.tmp99-2", "half written");
  const PublishReport first = Publish();
  EXPECT_EQ(first.FilesSent, 3);
  EXPECT_EQ(first.BytesSent, 17u);
  EXPECT_EQ(dir_.Read("server/www/2026/b.htm"), "page b");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("server/www/.2027.tmp99-1")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("server/www/2026/c.htm.tmp99-2")));

  const auto later = std::filesystem::file_time_type::clock::now() + std::chrono::hours(1);
  dir_.Write("web/2026/a.htm", "page A");  // the same size
  std::filesystem::last_write_time(dir_.File("web/2026/a.htm"), later);
  dir_.Write("web/index/index.htm", "index");  // the same text
  std::filesystem::last_write_time(dir_.File("web/index/index.htm"), later);
  const PublishReport second = Publish();
  EXPECT_EQ(second.FilesSent, 1);
  EXPECT_EQ(dir_.Read("server/www/2026/a.htm"), "page A");
  EXPECT_EQ(std::filesystem::last_write_time(dir_.File("server/www/index/index.htm")), later);
}

TEST_F(PublishTest, FailuresNameTheirCause) {
  settings_.PublishTo = dir_.File("missing/parent/www/");
  PublishReport report;
  const Status failed = PublishSite(settings_, false, report);
  EXPECT_THAT(failed.message(), HasSubstr("publishing to " + settings_.PublishTo + " failed: "));
  EXPECT_THAT(failed.message(), HasSubstr("rsync"));

  for (const char* inside : {"web/", "web/mirror/", "web/2026"}) {
    settings_.PublishTo = dir_.File(inside);
    EXPECT_THAT(PublishSite(settings_, false, report).message(), HasSubstr("inside the web root"));
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("web/mirror")));
  settings_.PublishTo = dir_.File("website/");  // a name that only begins like the root's
  EXPECT_TRUE(PublishSite(settings_, false, report));

  settings_.HtmlRootDir = dir_.File("no-site/");
  EXPECT_THAT(PublishSite(settings_, false, report).message(), HasSubstr("make the pages first"));
}

}  // namespace
}  // namespace cardwise
