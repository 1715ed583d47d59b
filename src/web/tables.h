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
void WriteScoreRow(TPage& page, std::string_view label, const TResult& scores, const TResult* par);
void WritePointsRow(TPage& page, std::string_view label, const TRound& round,
                    const std::string& color);
void WriteValueRow(TPage& page, std::string_view label, const TResult& values,
                   const std::string& color);
void WriteMarkRow(TPage& page, std::string_view label, const TResult& values,
                  const std::string& color, std::string_view mark);
void WriteRankRow(TPage& page, std::string_view label,
                  const std::array<std::int16_t, kHoles>& ranks, const std::string& color);
void WriteAverageRow(TPage& page, std::string_view label, const TRoundStats& stats,
                     const std::string& color);
void WriteHoleRow(TPage& page, std::string_view label, const std::string& color);

// The rows of a course with the statistics of the rounds shown (ranks the holes first): holes,
// length, par and stroke index, then rank, distribution and average rows once enough rounds
// were played. Each row is a whole line.
void WriteCourseRows(TPage& page, const TCourse& course, TRoundStats& stats);
void WriteDistributionRows(TPage& page, const TRoundStats& stats);

// The body of a round's page.
void WriteScorecard(TPage& page, const TRound& round);

void WriteLegendTable(TPage& page, const TRoundStats& stats);
void WriteMoreStatsTable(TPage& page, const TRoundStats& stats);
// The six ranking tables of a filled stat list; nothing for an empty list.
void WriteRankingTables(TPage& page, TStatList& list);
// The body of a year's statistics page.
void WriteYearStats(TPage& page, int year);

}  // namespace cardwise
