#include "web/publish.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/files.h"
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
    const Status status = PublishSite(settings_, PublishOptions{dryRun, false}, report);
    EXPECT_TRUE(status) << status.message();
    return report;
  }

  TempDir dir_;
  AppSettings settings_;
};

// The files of a folder with their bytes, without this program's records at its top and the
// files of a page run in progress.
std::map<std::string, std::string> FilesIn(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string path = entry.path().lexically_relative(root).generic_string();
    const bool ours = path.starts_with(".cardwise-") || path.find(".tmp99-") != std::string::npos;
    if (entry.is_regular_file() && !ours) (void)ReadWholeFile(entry.path().string(), files[path]);
  }
  return files;
}

// After the first run, only what changed since the last one is sent or deleted; pages rewritten
// with the same text and the files of a page run in progress are not sent.
TEST_F(PublishTest, SendsAndDeletesOnlyWhatChangedSinceTheLastRun) {
  settings_.PublishDelete = true;
  std::filesystem::create_directories(dir_.File("server"));
  dir_.Write("web/.2027.tmp99-1/x.htm", "staged");
  dir_.Write("web/2026/c.htm.tmp99-2", "half written");
  dir_.Write("web/front.htm", "the root's own page");  // between the folders in path order
  const auto later = std::filesystem::file_time_type::clock::now() + std::chrono::hours(1);
  const struct {
    const char* Step;
    std::function<void()> Change;
    int Sent, Deleted;
    bool ComparedAll;
  } steps[] = {
      {"first run", [] {}, 4, 0, true},
      {"a page changed, a page rewritten unchanged, one added, one removed",
       [&] {
         dir_.Write("web/2026/a.htm", "page A");  // the same size
         dir_.Write("web/index/index.htm", "index");
         std::filesystem::last_write_time(dir_.File("web/index/index.htm"), later);
         dir_.Write("web/2027/new/d.htm", "page d");
         std::filesystem::remove(dir_.File("web/2026/b.htm"));
       },
       2, 1, false},
      {"nothing changed", [] {}, 0, 0, false},
      {"a folder removed", [&] { std::filesystem::remove_all(dir_.File("web/2027")); }, 0, 1,
       false},
  };
  for (const auto& step : steps) {
    step.Change();
    const PublishReport report = Publish();
    EXPECT_EQ(report.FilesSent, step.Sent) << step.Step;
    EXPECT_EQ(report.FilesDeleted, step.Deleted) << step.Step;
    EXPECT_EQ(report.ComparedAll, step.ComparedAll) << step.Step;
    EXPECT_EQ(FilesIn(dir_.File("server/www/")), FilesIn(dir_.File("web/"))) << step.Step;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("server/www/2027")));
  EXPECT_EQ(FilesIn(dir_.File("server/www/")).count("2026/c.htm.tmp99-2"), 0u);

  dir_.Write("web/2026/a.htm", "page a");
  EXPECT_EQ(Publish(/*dryRun=*/true).FilesSent, 1);
  EXPECT_EQ(dir_.Read("server/www/2026/a.htm"), "page A");
}

// A target that is not as the record says gets the full comparison, which repairs it.
TEST_F(PublishTest, ComparesEverythingWhenTheTargetIsNotAsRecorded) {
  const struct {
    const char* Case;
    std::function<void()> Change;
    bool Verify;
  } cases[] = {
      {"target cleared", [this] { std::filesystem::remove_all(dir_.File("server/www")); }, false},
      {"target restored from an older copy",
       [this] { dir_.Write("server/www/.cardwise-seal", "0123456789abcdef\n"); }, false},
      {"another target", [this] { settings_.PublishTo = dir_.File("mirror/"); }, false},
      {"deleting switched on", [this] { settings_.PublishDelete = true; }, false},
      {"record damaged", [this] { dir_.Write("web/.cardwise-published", "x"); }, false},
      {"asked to verify", [] {}, true},
  };
  for (const auto& c : cases) {
    settings_.PublishTo = dir_.File("server/www/");
    settings_.PublishDelete = false;
    std::filesystem::create_directories(dir_.File("server"));
    Publish();
    dir_.Write("server/www/2026/a.htm", "by hand");
    c.Change();
    PublishReport report;
    EXPECT_TRUE(PublishSite(settings_, PublishOptions{false, c.Verify}, report)) << c.Case;
    EXPECT_TRUE(report.ComparedAll) << c.Case;
    EXPECT_EQ(FilesIn(settings_.PublishTo), FilesIn(dir_.File("web/"))) << c.Case;
    EXPECT_FALSE(Publish().ComparedAll) << c.Case;  // sealed again
  }
}

TEST_F(PublishTest, FailuresNameTheirCause) {
  settings_.PublishTo = dir_.File("missing/parent/www/");
  PublishReport report;
  const Status failed = PublishSite(settings_, PublishOptions(), report);
  EXPECT_THAT(failed.message(), HasSubstr("publishing to " + settings_.PublishTo + " failed: "));
  EXPECT_THAT(failed.message(), HasSubstr("rsync"));

  for (const char* inside : {"web/", "web/mirror/", "web/2026"}) {
    settings_.PublishTo = dir_.File(inside);
    EXPECT_THAT(PublishSite(settings_, PublishOptions(), report).message(),
                HasSubstr("inside the web root"));
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("web/mirror")));
  settings_.PublishTo = dir_.File("website/");  // a name that only begins like the root's
  EXPECT_TRUE(PublishSite(settings_, PublishOptions(), report));

  settings_.HtmlRootDir = dir_.File("no-site/");
  EXPECT_THAT(PublishSite(settings_, PublishOptions(), report).message(),
              HasSubstr("make the pages first"));
}

}  // namespace
}  // namespace cardwise
