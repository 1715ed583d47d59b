#pragma once
// The draw of an event as it is printed, exported and put on its page: one row per player, in
// starting order, with the player's handicap and the strokes the player receives on the event's
// course (the formula of the round editor, records/golf_rules.h).

#include <string>
#include <vector>

#include "results/database.h"

namespace cardwise {

struct DrawRow {
  int Group = 0;          // from 1
  std::string Time, Tee;  // "08:00", the starting hole "1"
  std::string PlayerID;
  const cardwise::Player* Player = nullptr;  // nullptr when the list no longer holds the ID
  std::string Hcp;      // the player's handicap, "12.4"; empty without the player
  std::string Strokes;  // received on the event's course; empty without the player or the course
};

std::vector<DrawRow> DrawRows(const Event& event, const Database& database);

// The strokes received by a player of the handicap on the event's course; nullopt when the
// event's course is not in the list.
std::optional<int> EventStrokes(const Event& event, const Database& database, double hcp);

}  // namespace cardwise
