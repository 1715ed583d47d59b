#pragma once
// The plan the database generator works from before it makes records: clubs, members, the
// events calendar and the rounds with their days and tee times. Internal to the generator.

#include <chrono>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "database_generator.h"
#include "scorecard_generator.h"
#include "seeded_random.h"

namespace cardwise::bench {

struct Club {
  std::string Name;                 // "Mill Brook Golf Club"
  std::string Short;                // "Mill Brook"
  std::string Code;                 // three letters that start the club's event and tour IDs
  std::vector<const Course*> Tees;  // the standard tee first
  int Members = 0;
};

struct Member {
  std::string ID, Name;
  int Club = 0;
  int Join = 0, Leave = 0;  // the first and the last season of membership
  double Hcp = 0;           // the exact handicap, drifting with the scores
  double LastRoundHcp = -100;
  double RoundsPerYear = 0;
  double Level = 0;       // the handicap the member really plays to; Hcp follows it
  int LevelSeason = 0;    // the season Level is for
  bool Beginner = false;  // improves fast in the first seasons
  int Tee = 0;            // index into the club's tees
  bool Competes = false;
  bool Deleted = false;  // left the club and was taken off the player list
  CardHabits Habits;

  bool ActiveIn(int season) const { return Join <= season && season <= Leave; }
};

enum class EventKind { Medal, NetDivision, Stableford, NetTrophy, Championship, Putting, Drive };

struct PlannedEvent {
  std::string ID, Name;
  EventKind Kind = EventKind::Medal;
  int Type = 0;
  int Club = 0;
  int Season = 0;
  int Day = 0;    // days since 1899-12-30
  int Net = -1;   // index of the net division held on the same rounds
  int Host = -1;  // for a typed-result event: the event whose field takes part
  bool Played = true;
  std::vector<int> Entrants;  // members
};

struct PlannedRound {
  int Member = 0;
  const Course* Venue = nullptr;
  int Day = 0;
  int Event = -1;  // index into the events
  int Minutes = 0;
  std::uint32_t Order = 0;  // random order within the day
  std::string ID;
};

struct Plan {
  explicit Plan(std::uint32_t seed) : Random(seed) {}

  SeededRandom Random;
  int FirstYear = 0, LastYear = 0;
  int LastDay = 0;  // no round after this day
  std::vector<Club> Clubs;
  std::vector<Member> Members;
  std::vector<PlannedEvent> Events;
  std::vector<PlannedRound> Rounds;
  std::unordered_set<std::uint64_t> Busy;  // member << 32 | day: one round a day each

  bool TakeDay(int member, int day) {
    return Busy.insert(static_cast<std::uint64_t>(member) << 32 | static_cast<std::uint32_t>(day))
        .second;
  }
};

// Days since 1899-12-30 (the date values of the records) and back.
int DaySerial(int year, int month, int day);
std::chrono::year_month_day DateOfSerial(int serial);
bool IsSaturday(int serial);

// The events calendar of every club and season (round events with their fields drawn, events
// with typed results with their entrants).
void PlanEvents(Plan& plan, int roundsTarget);
// The rounds outside events, up to the target, and every round's tee time and ID.
void PlanRounds(Plan& plan, int roundsTarget);
// Plays the rounds in date order into the list.
void PlayRounds(Plan& plan, RoundList& rounds);
// The event and tour records, with results and standings computed.
void MakeEvents(Plan& plan, GeneratedDatabase& database);
void MakeTours(Plan& plan, GeneratedDatabase& database);

}  // namespace cardwise::bench
