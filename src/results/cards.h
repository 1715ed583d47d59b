#pragma once
// What each printed scorecard of an event's draw shows, ready to be painted: the texts of its
// head and the rows of its hole table. Texts are UTF-8.
//
// The hole table has 21 columns: holes 1 to 9, "Out", holes 10 to 18, "In", "Total". Its rows
// are the hole numbers, the lengths, the pars, the stroke indexes, the strokes the player
// receives on each hole as one bullet "•" per stroke ("-" per stroke given back by a plus
// handicap), the empty score boxes, and for a nett or Stableford event an empty "Nett" or
// "Points" row.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "results/database.h"
#include "results/draw_sheet.h"

namespace cardwise {

inline constexpr int kCardColumns = 21;
inline constexpr const char* kStrokeBullet = "\u2022";

struct CardRow {
  std::string Caption;
  std::array<std::string, kCardColumns> Cells;
  bool ForWriting = false;  // empty boxes to be filled in by hand
};

struct Card {
  std::string Event, Course, Date;
  std::string Player, Time, Tee, Hcp, Strokes, Marker;
  std::vector<CardRow> Rows;
};

// One bullet per stroke received, one "-" per stroke given back.
std::string StrokeMarks(int strokes);

// The card of one player of the draw (the row from DrawRows) on the course.
Card PlayerCard(const Event& event, const Course& course, const std::string& marker,
                const DrawRow& row);

// One card per player of the draw, in draw order; each player's marker is the next player of
// the group (the first for the last). nullopt, with `missing` saying what is missing, when the
// event has no draw or its course is not in the list.
std::optional<std::vector<Card>> EventCards(const Event& event, const Database& database,
                                            std::string& missing);

}  // namespace cardwise
