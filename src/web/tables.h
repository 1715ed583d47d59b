#pragma once
// The tables most pages are made of: the 18-hole rows with their colours by score against par,
// a round's scorecard, the course rows, the colour legend, the more-statistics table, the
// ranking tables and the year statistics body.
//
// A hole row has a label cell, 18 hole cells with one extra cell after hole 9 (out) and two
// after hole 18 (in, total): 22 cells on one line. Row writers do not end their line; the
// caller ends it (scorecards add a legend cell first). Numbers use "." as decimal point.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/course.h"
#include "records/hole_row.h"
#include "records/round.h"
#include "results/round_stats.h"
#include "results/stat_list.h"
#include "web/page.h"

namespace cardwise {

// The fixed names of the score classes -2..3: "Eagles", "Birdies", "Pars", "Bogies",
// "Doubles", "Others".
const char* LegendName(int scoreClass);

// Scores coloured by their difference to par (limited to -2..3), with the strict out, in and
// total sums coloured against the par sums. Without a par row every hole is a par 4.
void WriteScoreRow(Page& page, std::string_view label, const Result& scores, const Result* par);
void WritePointsRow(Page& page, std::string_view label, const Round& round,
                    const std::string& color);
void WriteValueRow(Page& page, std::string_view label, const Result& values,
                   const std::string& color);
void WriteMarkRow(Page& page, std::string_view label, const Result& values,
                  const std::string& color, std::string_view mark);
void WriteRankRow(Page& page, std::string_view label, const std::array<std::int16_t, kHoles>& ranks,
                  const std::string& color);
void WriteAverageRow(Page& page, std::string_view label, const RoundStats& stats,
                     const std::string& color);
void WriteHoleRow(Page& page, std::string_view label, const std::string& color);

// The rows of a course with the statistics of the rounds shown (ranks the holes first): holes,
// length, par and stroke index, then rank, distribution and average rows once enough rounds
// were played. Each row is a whole line.
void WriteCourseRows(Page& page, const Course& course, RoundStats& stats);
void WriteDistributionRows(Page& page, const RoundStats& stats);

// The body of a round's page.
void WriteScorecard(Page& page, const Round& round);

void WriteLegendTable(Page& page, const RoundStats& stats);
void WriteMoreStatsTable(Page& page, const RoundStats& stats);
// The six ranking tables of a filled stat list; nothing for an empty list.
void WriteRankingTables(Page& page, StatList& list);
// The body of a year's statistics page.
void WriteYearStats(Page& page, int year);

}  // namespace cardwise
