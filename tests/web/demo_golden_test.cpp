// The whole demo site and the recalculated demo files, byte for byte, against the digests kept
// in tests/golden/demo_site.digest. The run is the one of tools/demo-site.sh followed by the
// recalculations and exports of cardwise-cli, made in process on a fixed date: the program
// stamps the date of the run and its build date into the pages.

#include <gtest/gtest.h>

#include <functional>

#include "platform/csv.h"
#include "records/dates.h"
#include "results/csv_export.h"
#include "results/database.h"
#include "results/recalc.h"
#include "results/startup.h"
#include "settings/settings.h"
#include "settings/settings_paths.h"
#include "support/golden.h"
#include "support/temp_dir.h"
#include "support/test_database.h"
#include "web/make_pages.h"

namespace cardwise::testing {
namespace {

// The five lists loaded afresh from the data folder, as each run of the tool loads them.
struct Loaded : TestDatabase {
  explicit Loaded(const AppSettings& settings) { LoadDatabase(database_, settings); }
  Database& Data() { return database_; }
};

class DemoGoldenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("cardwise.ini", "[Dirs]\nDataDir=" + dir_.File("Data/") + "\nTemplateDir=" +
                                   dir_.File("Template/") + "\nHtmlRootDir=" + dir_.File("Web/") +
                                   "\n[Files]\nPlayerFName=DEMOP.DAT\nCourseFName=DEMOC.DAT\n"
                                   "RoundFName=DEMOR.DAT\nEventFName=DEMOE.DAT\n"
                                   "TourFName=DEMOT.DAT\n");
    ASSERT_TRUE(LoadSettings(settings_, ResolveSettingsPaths(dir_.File("cardwise.ini"))));
    ASSERT_FALSE(ShippedFilesDir().empty());
    ASSERT_TRUE(PrepareFolders(settings_));
  }

  // make-pages with every page rewritten, into HtmlRootDir + `folder`.
  void MakeSite(const std::string& folder, bool longNames) {
    AppSettings settings = settings_;
    settings.HtmlRootDir += folder;
    settings.UseLongFileNames = longNames;
    settings.Charts = false;  // the charts have tests of their own; without them, as before
    settings.AllRounds = settings.AllPlayers = settings.AllEvents = settings.AllTours = true;
    Loaded lists(settings);
    const MakePagesReport report = MakeAllPages(WebContext{settings, lists.Data(), today_});
    EXPECT_TRUE(report.Skipped.empty()) << report.Skipped.front();
  }

  void Recalc(BatchReport (*job)(Database&, const AppSettings&)) {
    Loaded lists(settings_);
    const BatchReport report = job(lists.Data(), settings_);
    EXPECT_TRUE(report.Outcome) << report.Outcome.message();
    EXPECT_TRUE(report.Kept.empty());
  }

  void Export(const std::string& name, const std::function<CsvTable(Database&)>& table) {
    Loaded lists(settings_);
    dir_.Write("Csv/" + name, CsvText(table(lists.Data())));
  }

  TempDir dir_;
  ScopedEnv config_{"XDG_CONFIG_HOME", dir_.File("config").c_str()};
  ScopedEnv data_{"XDG_DATA_HOME", dir_.File("share").c_str()};
  AppSettings settings_;
  DateTime today_ = *EncodeDate(2026, 12, 31);
};

TEST_F(DemoGoldenTest, DemoSiteAndRecalculatedFilesAreAsStored) {
  MakeSite("long/", true);
  MakeSite("short/", false);
  Recalc([](Database& db, const AppSettings& s) {
    return RecalcAllEvents(db, DataFilePath(s, kEventsFile));
  });
  Recalc([](Database& db, const AppSettings& s) {
    return RecalcAllTours(db, DataFilePath(s, kToursFile));
  });
  Recalc([](Database& db, const AppSettings& s) {
    return UpdatePlayersHcp(db, DataFilePath(s, kPlayersFile));
  });
  Export("results-LD26.csv",
         [](Database& db) { return EventResultsTable(*db.Events.FindRecord("LD26"), db); });
  Export("standings-F126.csv",
         [](Database& db) { return TourStandingsTable(*db.Tours.FindRecord("F126"), db); });
  Export("stats-2026.csv",
         [&](Database& db) { return YearStatsTable(db, 2026, settings_.nStatList); });
  Export("rounds.csv", [](Database& db) { return RoundsTable(db, 0); });
  Export("handicaps.csv", [&](Database& db) { return HandicapsTable(db, today_); });

  DigestList digests;
  for (const char* folder : {"Data", "Web", "Csv"})
    AddFolderDigests(dir_.Path(), folder, digests);
  EXPECT_GT(digests.size(), 800u);
  const std::string differences =
      CompareWithGolden(digests, CARDWISE_GOLDEN_DIR "demo_site.digest");
  EXPECT_TRUE(differences.empty()) << "files that differ from the stored digests:\n" << differences;
}

}  // namespace
}  // namespace cardwise::testing
