#include "results/csv_export.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/locale_formats.h"
#include "platform/status_sink.h"
#include "records/dates.h"
#include "results/event.h"
#include "results/tour_scoring.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

using Rows = std::vector<CsvRow>;

// A name with every character a CSV field must guard, in Windows-1252 and in UTF-8.
const std::string kAwkwardName = "J\xFCrgen \"JJ\" Bl\xE5, Jr.; Captain";
const std::string kAwkwardUtf8 = "J\xC3\xBCrgen \"JJ\" Bl\xC3\xA5, Jr.; Captain";

class CsvExportTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  void SetUp() override {
    SetCurrentFormats(IsoFormats());
    previous_ = SetStatusSink([](const std::string&) {});
    Add(players_, "A").Name = kAwkwardName;
    Add(players_, "B").Name = "Bea Bloom";
    Add(players_, "C").Name = "Cy Cole";
  }
  void TearDown() override { SetStatusSink(previous_); }

  // A par-72 card of 4s on every hole, but for the (hole, strokes) changes; 0 leaves a hole out.
  Round& AddRound(const std::string& id, const std::string& playerID, const std::string& eventID,
                  std::vector<std::pair<int, int>> changes = {}, int year = 2025) {
    Round& round = Add(rounds_, id);
    round.PlayerID = playerID, round.EventID = eventID, round.Date = *EncodeDate(year, 6, 1);
    round.Hcp = 12.4f, round.Strokes = 12;
    for (int hole = 1; hole <= kHoles; ++hole) {
      round.CPar.SetHoleValue(hole, 4);
      round.CHcp.SetHoleValue(hole, hole);
      round.Score.SetHoleValue(hole, 4);
    }
    for (const auto& [hole, strokes] : changes)
      round.Score.SetHoleValue(hole, strokes);
    round.Score.StrictTotal = true;
    return round;
  }

  StatusSink previous_;
};

TEST_F(CsvExportTest, EventResultsAreRankedAsOnTheirPage) {
  AddRound("R1", "A", "EV");
  AddRound("R2", "B", "EV", {{1, 5}});
  AddRound("R3", "C", "EV", {{18, 0}});  // incomplete: no score, last
  AddRound("R4", "GONE", "EV", {{1, 3}});
  Event& event = Add(events_, "EV");
  event.Type = kStrokesGross, event.Results = {"stale;line"};
  const CsvTable table = EventResultsTable(event, database_);
  EXPECT_EQ(table.Header, (CsvRow{"Place", "Result", "Player ID", "Player", "Hcp", "Strokes",
                                  "Round ID", "Note"}));
  EXPECT_EQ(table.Rows, (Rows{{"1", "71", "GONE", "", "12.4", "12", "R4", ""},
                              {"2", "72", "A", kAwkwardUtf8, "12.4", "12", "R1", ""},
                              {"3", "73", "B", "Bea Bloom", "12.4", "12", "R2", ""},
                              {"4", "", "C", "Cy Cole", "12.4", "12", "R3", ""}}));
  EXPECT_NE(CsvText(table).find(",\"J\xC3\xBCrgen \"\"JJ\"\" Bl\xC3\xA5, Jr.; Captain\","),
            std::string::npos);
}

}  // namespace
}  // namespace cardwise
