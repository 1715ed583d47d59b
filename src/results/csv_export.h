#pragma once
// The lists of the web pages as tables for spreadsheets: an event's results, a tour's
// standings, the year statistics and the scorecards. Each table has a header row of fixed
// English names (not the page captions, which are HTML and set by the user), its texts in
// UTF-8, numbers with "." as the decimal point and dates as yyyy-mm-dd. Write them with
// CsvText.
//
// Results and standings are computed just before, as for their pages; the data files are not
// written.

#include <string_view>

#include "platform/csv.h"
#include "results/database.h"
#include "results/knockout.h"

namespace cardwise {

// The event's results, computed from its rounds (types 0 to 2) or re-sorted (manual types),
// one row per result line: place (tied lines share it), result, player ID and name, and unless
// the results are manual, the round's handicap and received strokes, the round ID and the tie
// note; last, for an event with divisions, the line's division (A, B, ...).
CsvTable EventResultsTable(Event& event, Database database);

// The tour's standings, computed after the results of its events whose pages are made: place,
// total, events counted, player ID and name; per event of the tour its place and result (and
// the value the tour gives it, for the tour types that show one); last the IDs of the events
// that do not count, separated by spaces.
CsvTable TourStandingsTable(Tour& tour, Database database);

// One row per player with rounds in the year, in the order of the scoring average: player ID
// and name, then per ranking of the statistics pages its rank (empty when the player has fewer
// than `minRounds` rounds for it, as on the page), average and rounds.
CsvTable YearStatsTable(Database database, int year, int minRounds);

// One row per round of the year (0: every year), in list order: round ID, date, tee time,
// player, course and event (ID and name), handicap, received strokes, gross and nett (empty
// for an incomplete card), Stableford points and the strokes of holes 1 to 18.
CsvTable RoundsTable(Database database, int year);

// One row per player (as `cardwise-cli handicap` lists them) from the rounds up to `asOf`:
// player ID and name, handicap index ("-" for none, "+1.2" for a plus index), rounds counted,
// the date of the latest of them, and why there is no index.
CsvTable HandicapsTable(const Database& database, DateTime asOf);

// One row per match of the knockout's bracket, round by round from the top: round, match,
// player A and B (IDs; "bye" for a bye, empty while not known), the shots and their receiver
// (both empty without a course; the receiver empty when nobody receives any), winner and result.
CsvTable KnockoutTable(const Knockout& knockout, const Database& database);
// The event's draw, one row per player in starting order: group (from 1), time (HH:MM), tee
// (the starting hole), player ID and name, the player's handicap and the strokes received on
// the event's course.
CsvTable DrawTable(const Event& event, const Database& database);

// Whether some round was played in the year.
bool HasRoundsIn(const RoundList& rounds, int year);

}  // namespace cardwise
