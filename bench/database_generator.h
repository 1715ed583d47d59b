#pragma once
// A seeded generator of a whole database in memory, as years of a club system's use leave it:
// clubs with their members and courses, ten to twenty seasons of rounds, the clubs' events with
// their results and the tours over them with their standings. The same parameters always give
// the same database.
//
// The shape:
// - every club has 50 to 500 members over the years, the first one 400 or more; some join
//   late, some leave, and a few who left were deleted from the player list while their rounds
//   stayed. Every club has one course with one to three sets of tees; the database has 3 to 10
//   course records when the number of clubs allows it;
// - ten to twenty seasons up to 2025, the last one ending in mid-September; a day's rounds on a
//   course go out in groups of up to four, ten minutes apart; each member plays to a level
//   that changes from season to season (beginners improve fast) and the handicap follows the
//   scores; most members mostly play their home course; part of the cards carry putts, greens
//   and fairways, some only the putts total;
// - every club holds 7 to 18 events a season on Saturdays: medals (gross, type 0, some with a
//   net division through the rounds' EventIDs), Stablefords (type 2), net trophies (type 1) and
//   a club championship, and two events with typed results: a putting contest (type 3) and a
//   longest drive (type 4); events after the end of the last season have no results yet;
// - every club has an order of merit (type 4) each season and two or three other tours of the
//   types 0 to 6 over 5 to 20 of that season's events, some with mandatory events, weights or
//   worst results dropped.
// Event results and tour standings are computed as the program computes them.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/status.h"
#include "results/database.h"

namespace cardwise::bench {

struct DatabaseParams {
  std::uint32_t Seed = 20261208;
  int Clubs = 4;
  // The rounds to generate. Reached exactly unless the members cannot play that many rounds
  // (at most one a day each).
  int Rounds = 100000;
};

struct GeneratedDatabase {
  PlayerList Players;
  CourseList Courses;
  RoundList Rounds;
  EventList Events;
  TourList Tours;

  Database View() { return {Players, Courses, Rounds, Events, Tours}; }

  // Writes the five data files under their default names (PLAYERS.DAT, ...) into the folder,
  // which must exist. Dates are written in the current formats.
  Status SaveAll(const std::string& folder);
};

std::unique_ptr<GeneratedDatabase> GenerateDatabase(const DatabaseParams& params);

// What a database holds, for reports.
struct DatabaseShape {
  int Players = 0, Courses = 0, Rounds = 0, Events = 0, Tours = 0;
  int FirstYear = 0, LastYear = 0;
  int EventRounds = 0;    // rounds with an EventID
  int ResultLines = 0;    // over all events
  int StandingLines = 0;  // over all tours
  std::array<int, 5> EventsOfType{};
  std::array<int, 7> ToursOfType{};
};

DatabaseShape ShapeOf(const GeneratedDatabase& database);
std::string ShapeText(const DatabaseShape& shape);

}  // namespace cardwise::bench
