#pragma once
// The charts of the record pages, each beside the table it sums up (the table stays):
//
// - player page: the handicap index after each round that revised it, once the player has
//   three counted rounds (the calculation of the handicap report);
// - player-year page: each complete round's gross score against its par, as bars from a par
//   line;
// - course page: each hole's average score against par over every round on the course, each
//   against the card it was played on;
// - event page: the results as a histogram, the winner's bar marked.
//
// The writers write nothing when the setting Charts is off, so the pages are then exactly as
// without charts, nor when there is too little to draw.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/hole_row.h"
#include "results/handicap_index.h"
#include "web/page.h"

namespace cardwise {

// One point of the handicap chart.
struct IndexPoint {
  DateTime Date = 0;
  Tenths Index = 0;
};
// The index after each counted round that gave one (from the third on), oldest first; empty
// for a record of fewer than three counted rounds.
std::vector<IndexPoint> HandicapChartPoints(const HandicapRow& row);

// Per hole the average of score minus par over the rounds with a score and a par there, each
// against its own card (CPar); nullopt for a hole no round has both on.
using HoleAverages = std::array<std::optional<double>, kHoles>;
HoleAverages HoleAveragesAgainstPar(const std::vector<Round*>& rounds);

void WriteHandicapChart(Page& page, const Player& player);
void WriteYearScoreChart(Page& page, const Player& player, const std::vector<Round*>& rounds);
// The course chart takes the rounds whose CourseID is `courseID`, as the course page does.
void WriteCourseHoleChart(Page& page, const Course& course, std::string_view courseID);
void WriteEventFieldChart(Page& page, const Event& event);

}  // namespace cardwise
