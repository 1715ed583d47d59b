// Makes the demo data shipped in data/demo: one club's seasons 2025 and 2026 on three courses.
//
//   cardwise-demo-data FOLDER
//
// writes DEMOP.DAT, DEMOC.DAT, DEMOR.DAT, DEMOE.DAT and DEMOT.DAT into FOLDER (replacing them).
// Every random choice comes from one seeded generator and every date is fixed, so a run always
// gives the same bytes. The files are written by the program's own record lists, and the event
// results and tour standings by its recalculations, so they are exactly what the program writes
// (with dates in ISO form).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/locale_formats.h"
#include "records/numbers.h"
#include "results/database.h"
#include "results/recalc.h"
#include "results/tour_scoring.h"

namespace cardwise {
namespace {

constexpr std::uint32_t kSeed = 20260301;

// Uniform numbers straight from the engine: the library's distributions differ between
// implementations, the engine's output does not.
class Dice {
 public:
  double Unit() { return static_cast<double>(engine_()) / 4294967296.0; }
  int Below(int n) { return static_cast<int>(Unit() * n); }
  bool Chance(double p) { return Unit() < p; }
  // About normal, mean 0, spread about 0.5.
  double Wobble() { return Unit() + Unit() + Unit() - 1.5; }

 private:
  std::mt19937 engine_{kSeed};
};

// A generator of its own for the pairs and team events, so that the rest stays as it was.
class TeamDice : public Dice {
 public:
  TeamDice() {
    for (int i = 0; i < 97; ++i)
      Unit();
  }
};

DateTime Day(int year, int month, int day) {
  return EncodeDate(year, month, day).value_or(0);
}

DateTime Clock(int hour, int minute) {
  return EncodeTime(hour, minute, 0).value_or(0);
}

Result Row(std::initializer_list<int> values) {
  Result row;
  int hole = 1;
  for (int value : values)
    row.SetHoleValue(hole++, value);
  return row;
}

// ---- courses -------------------------------------------------------------------------------

struct CoursePlan {
  const char *ID, *Name, *Alias, *Tee, *Color, *Phone, *URL;
  float CR, Slope;
  Result Par, Hcp, Len;
};

std::vector<CoursePlan> CoursePlans() {
  return {
      {"MILLB", "Mill Brook Golf Club", "MILL BROOK GC", "Yellow", "eedd22", "555 0100",
       "https://millbrook.example.org/", 71.2f, 128,
       Row({4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5}),
       Row({7, 11, 17, 1, 9, 5, 15, 13, 3, 8, 12, 18, 2, 10, 6, 16, 14, 4}),
       Row({350, 362, 141, 470, 330, 380, 152, 344, 455, 362, 317, 128, 488, 351, 376, 160, 309,
            479})},
      {"HARB", "Harbour Links", "HARBOUR LINKS", "White", "ffffff", "555 0230",
       "https://harbourlinks.example.org/", 70.4f, 125,
       Row({4, 5, 3, 4, 4, 3, 5, 4, 4, 4, 4, 3, 4, 5, 3, 4, 4, 4}),
       Row({5, 1, 15, 9, 11, 17, 3, 7, 13, 6, 10, 16, 2, 4, 18, 8, 12, 14}),
       Row({365, 482, 155, 340, 372, 138, 501, 330, 355, 380, 342, 170, 398, 470, 149, 360, 320,
            335})},
      {"PINE", "Pine Ridge Golf Course", "PINE RIDGE GC", "Blue", "88aaff", "555 0310", "", 68.9f,
       121, Row({4, 4, 3, 4, 4, 3, 5, 4, 4, 4, 3, 4, 4, 5, 3, 4, 4, 4}),
       Row({3, 9, 17, 1, 11, 15, 5, 7, 13, 4, 16, 10, 2, 6, 18, 12, 8, 14}),
       Row({340, 310, 140, 390, 325, 155, 470, 360, 300, 355, 165, 330, 395, 480, 120, 315, 345,
            310})},
  };
}

void AddCourses(CourseList& courses) {
  for (const CoursePlan& plan : CoursePlans()) {
    auto course = std::make_unique<Course>();
    course->ID = plan.ID;
    course->Name = plan.Name;
    course->Alias = plan.Alias;
    course->Tee = plan.Tee;
    course->LenRGB = plan.Color;
    course->Phone = plan.Phone;
    course->URL = plan.URL;
    course->CR = plan.CR;
    course->Slope = plan.Slope;
    course->Changed = Day(2024, 3, 15);
    course->Par = plan.Par;
    course->Hcp = plan.Hcp;
    course->Len = plan.Len;
    course->Complete();
    courses.Add(std::move(course));
  }
}

// ---- players -------------------------------------------------------------------------------

struct PlayerPlan {
  const char *ID, *Name, *Club;
  double Hcp;     // at the start of 2025
  int Casual;     // rounds outside events per season
  double Absent;  // chance of missing an event
};

// Names are Windows-1252 text.
const PlayerPlan kPlayers[] = {
    {"AL", "Anna Lindqvist", "Mill Brook GC", 14.2, 8, 0.15},
    {"BS", "Bj\xF6rn Sandberg", "Mill Brook GC", 6.8, 10, 0.10},
    {"CH", "Carl Hedstr\xF6m", "Mill Brook GC", 21.5, 5, 0.25},
    {"DF", "Diana Fowler", "Harbour Links", 9.4, 7, 0.20},
    {"EJ", "Erik Johansson", "Mill Brook GC", 3.1, 12, 0.05},
    {"FM", "Fiona McAllister", "Mill Brook GC", 17.9, 6, 0.20},
    {"GP", "George Patel", "Pine Ridge GC", 11.6, 6, 0.15},
    {"HA", "Hanna \xC5kesson", "Mill Brook GC", 25.8, 4, 0.30},
    {"IT", "Ian Thompson", "Mill Brook GC", 24.3, 5, 0.25},
    {"JM", "Julia Moreau", "Harbour Links", 28.0, 3, 0.35},
    {"KN", "Karl Nystr\xF6m", "Mill Brook GC", 12.9, 9, 0.10},
    {"LB", "Laura Bennett", "Mill Brook GC", 19.4, 6, 0.20},
    {"MB", "Magnus Berg", "Mill Brook GC", 1.8, 11, 0.05},
    {"NQ", "Nora Quinn", "Pine Ridge GC", 32.5, 3, 0.40},
};

void AddPlayers(PlayerList& players) {
  int number = 0;
  for (const PlayerPlan& plan : kPlayers) {
    auto player = std::make_unique<Player>();
    player->ID = plan.ID;
    player->Name = plan.Name;
    player->Club = plan.Club;
    player->Phone = "555 01" + std::to_string(10 + number);
    std::string mail = plan.ID;
    std::transform(mail.begin(), mail.end(), mail.begin(),
                   [](char c) { return static_cast<char>(c | 0x20); });
    if (number % 3 != 2) player->Email = mail + "@example.org";
    if (number % 4 == 0) player->URL = "https://example.org/~" + mail;
    ++number;
    players.Add(std::move(player));
  }
}

// ---- events --------------------------------------------------------------------------------

struct EventPlan {
  std::string ID, Name, CourseID;
  int Month, Day;
  int Type;
  bool Make = true;
};

std::vector<EventPlan> SeasonEvents(int year) {
  const std::string yy = std::to_string(year % 100);
  const std::string y = std::to_string(year);
  std::vector<EventPlan> events = {
      {"SPR" + yy, "Spring Cup " + y, "MILLB", 4, 26, kStrokesGross},
      {"STB" + yy, "May Stableford " + y, "MILLB", 5, 17, kStableford},
      {"MID" + yy, "Midsummer Net " + y, "MILLB", 6, 21, kStrokesNet},
      {"LD" + yy, "Longest Drive " + y, "MILLB", 6, 21, kManualDescending},
      {"HAR" + yy, "Harbour Trophy " + y, "HARB", 7, 12, kStrokesGross},
      {"PIN" + yy, "Pine Ridge Open " + y, "PINE", 8, 9, kStableford},
      {"PUT" + yy, "Putting Contest " + y, "MILLB", 8, 23, kManualAscending},
      {"CC" + yy, "Club Championship " + y, "MILLB", 9, 6, kStrokesGross},
  };
  if (year == 2026)
    events.push_back({"STAFF26", "Staff Friendly 2026", "MILLB", 10, 3, kStrokesNet, false});
  return events;
}

std::vector<EventPlan> AllEvents() {
  std::vector<EventPlan> events = SeasonEvents(2025);
  for (const EventPlan& plan : SeasonEvents(2026))
    events.push_back(plan);
  return events;
}

DateTime DateOf(const EventPlan& plan, int year) {
  return Day(year, plan.Month, plan.Day);
}

int YearOf(const EventPlan& plan) {
  return plan.ID.ends_with("25") ? 2025 : 2026;
}

void AddEvents(EventList& events) {
  for (const EventPlan& plan : AllEvents()) {
    auto event = std::make_unique<Event>();
    event->ID = plan.ID;
    event->Name = plan.Name;
    event->CourseID = plan.CourseID;
    event->Date = DateOf(plan, YearOf(plan));
    event->Type = plan.Type;
    event->Make = plan.Make;
    events.Add(std::move(event));
  }
}

bool IsManual(int type) {
  return type == kManualAscending || type == kManualDescending;
}

// ---- rounds --------------------------------------------------------------------------------

struct Tee {
  DateTime Date = 0, Start = 0;
  int Player = 0;  // index into kPlayers
  std::string CourseID, EventID;
};

bool TeeBefore(const Tee& a, const Tee& b) {
  if (a.Date != b.Date) return a.Date < b.Date;
  if (a.Start != b.Start) return a.Start < b.Start;
  return a.Player < b.Player;
}

// The field of each computed event goes out in threes from 08:30, ten minutes apart.
void ScheduleEvents(Dice& dice, std::vector<Tee>& tees, std::set<std::pair<int, int>>& busy) {
  for (const EventPlan& plan : AllEvents()) {
    if (IsManual(plan.Type)) continue;
    int slot = 0;
    for (int p = 0; p < static_cast<int>(std::size(kPlayers)); ++p) {
      if (dice.Chance(kPlayers[p].Absent)) continue;
      const DateTime date = DateOf(plan, YearOf(plan));
      const int minutes = 8 * 60 + 30 + (slot++ / 3) * 10;
      tees.push_back({date, Clock(minutes / 60, minutes % 60), p, plan.CourseID, plan.ID});
      busy.insert({static_cast<int>(date), p});
    }
  }
}

// Rounds outside events: mostly at the home course, some away, April to October.
void ScheduleCasual(Dice& dice, std::vector<Tee>& tees, std::set<std::pair<int, int>>& busy) {
  static const char* const kCourseIDs[] = {"MILLB", "MILLB", "MILLB", "MILLB", "HARB", "PINE"};
  for (int year : {2025, 2026}) {
    for (int p = 0; p < static_cast<int>(std::size(kPlayers)); ++p) {
      for (int n = 0; n < kPlayers[p].Casual;) {
        const DateTime date = Day(year, 4, 5) + dice.Below(200);
        if (!busy.insert({static_cast<int>(date), p}).second) continue;
        const int minutes = 7 * 60 + dice.Below(60) * 10;
        tees.push_back({date, Clock(minutes / 60, minutes % 60), p,
                        kCourseIDs[dice.Below(static_cast<int>(std::size(kCourseIDs)))], ""});
        ++n;
      }
    }
  }
}

// Strokes over par on a hole: the handicap spread over the holes, the harder ones (low stroke
// index) taking more, plus the luck of the day.
int HoleScore(Dice& dice, double hcp, int par, int index, double form) {
  const double expected = (hcp + 3) / 18 * (1 + 0.4 * (9.5 - index) / 9);
  int over = static_cast<int>(std::floor(expected + form + dice.Wobble() * 1.2 + 0.5));
  if (par == 5 && hcp < 12 && dice.Chance(0.01)) over = -2;
  over = std::clamp(over, par == 5 ? -2 : -1, 5);
  return std::max(1, par + over);
}

// Putts, green and fairway of a hole that agree with its score.
struct HoleStats {
  int Putts = 0;
  bool Green = false, Fairway = false;
};

HoleStats PlayHole(Dice& dice, double hcp, int par, int score) {
  HoleStats stats;
  const double u = dice.Unit();
  stats.Putts = u < 0.03 ? 0 : u < 0.28 ? 1 : u < 0.88 ? 2 : 3;
  stats.Putts = std::min(stats.Putts, score - 1);
  stats.Green = score - stats.Putts <= par - 2;
  stats.Fairway = par > 3 && dice.Chance(0.35 + 0.35 * (36 - hcp) / 36);
  return stats;
}

int PlayingStrokes(const Course& course, double hcp) {
  Result par = course.Par;
  return RoundHalfEven(course.CR - par.Total() + hcp * course.Slope / 113);
}

// What went wrong on a hole over par, noted now and then.
const char* const kNotes[] = {"Bunker", "Water", "OB", "Lost ball", "Trees"};

// Scores the card hole by hole; most cards carry putts, greens and fairways, some only the
// number of putts, a few nothing but the score.
void PlayRound(Dice& dice, Round& round, double hcp) {
  const double form = dice.Wobble() * 0.35;
  const bool detailed = dice.Chance(0.86);
  const bool puttsOnly = !detailed && dice.Chance(0.55);
  int putts = 0;
  for (int hole = 1; hole <= kHoles; ++hole) {
    const int par = round.CPar.Hole(hole);
    const int score = HoleScore(dice, hcp, par, round.CHcp.Hole(hole), form);
    round.Score.SetHoleValue(hole, score);
    const HoleStats stats = PlayHole(dice, hcp, par, score);
    putts += stats.Putts;
    if (detailed) {
      round.Putts.SetHoleValue(hole, stats.Putts);
      round.Greens.SetHoleValue(hole, stats.Green ? 1 : 0);
      round.Fairways.SetHoleValue(hole, stats.Fairway ? 1 : 0);
    }
    if (detailed && stats.Putts == 0) round.Stats.Set(hole, "Chip-in");
    if (detailed && score > par && dice.Chance(0.04))
      round.Stats.Set(hole, kNotes[dice.Below(static_cast<int>(std::size(kNotes)))]);
  }
  if (puttsOnly) round.Putts.SetTotal(putts);
}

// The handicap moves a little after each round: down after a good one, up after a poor one.
// The card of the player on the course (in the event, when there is one), entered as the round
// editor enters it, and played.
std::unique_ptr<Round> PlayedCard(Dice& dice, const Course& course, const std::string& playerID,
                                  const std::string& playerName, const Event* event, DateTime date,
                                  DateTime start, double hcp) {
  auto round = std::make_unique<Round>();
  round->PlayerID = playerID;
  round->PlayerName = playerName;
  round->CourseID = course.ID;
  round->CourseName = course.Name;
  if (event != nullptr) {
    round->EventID = event->ID;
    round->EventName = event->Name;
  }
  round->Date = date;
  round->Start = start;
  round->Hcp = static_cast<float>(hcp);
  round->Strokes = static_cast<std::int16_t>(PlayingStrokes(course, hcp));
  round->CPar.Assign(course.Par);
  round->CHcp.Assign(course.Hcp);
  round->CLen.Assign(course.Len);
  PlayRound(dice, *round, hcp);
  round->MakeID();
  return round;
}

double NextHcp(double hcp, int points) {
  if (points > 36) hcp -= (points - 36) * (hcp < 10 ? 0.1 : 0.2);
  if (points < 34) hcp += 0.1;
  return std::clamp(std::round(hcp * 10) / 10, 0.0, 36.0);
}

void AddRounds(Dice& dice, Database& db, std::vector<double>& hcps) {
  std::vector<Tee> tees;
  std::set<std::pair<int, int>> busy;
  ScheduleEvents(dice, tees, busy);
  ScheduleCasual(dice, tees, busy);
  std::sort(tees.begin(), tees.end(), TeeBefore);
  for (const Tee& tee : tees) {
    const PlayerPlan& player = kPlayers[tee.Player];
    auto round =
        PlayedCard(dice, *db.Courses.FindRecord(tee.CourseID), player.ID, player.Name,
                   db.Events.FindRecord(tee.EventID), tee.Date, tee.Start, hcps[tee.Player]);
    hcps[tee.Player] = NextHcp(hcps[tee.Player], round->PointsTotal());
    db.Rounds.Add(std::move(round));
  }
}

// ---- ties ----------------------------------------------------------------------------------

// The event's rounds ranked by the event's own measure, best first.
std::vector<Round*> EventRounds(Database& db, const Event& event) {
  std::vector<Round*> rounds;
  for (int i = 0; i < db.Rounds.Count(); ++i)
    if (db.Rounds.RecordAt(i).EventID == event.ID) rounds.push_back(&db.Rounds.RecordAt(i));
  const bool points = event.Type == kStableford;
  std::sort(rounds.begin(), rounds.end(), [points](Round* a, Round* b) {
    return points ? a->PointsTotal() > b->PointsTotal()
                  : a->Score.TotalIfComplete() < b->Score.TotalIfComplete();
  });
  return rounds;
}

// Makes the runner-up's card equal the winner's measure on the front nine only, so that the
// tie is settled by the count-back over the last holes.
void ForceTieForFirst(Database& db, const std::string& eventID) {
  const Event& event = *db.Events.FindRecord(eventID);
  const bool points = event.Type == kStableford;
  std::vector<Round*> rounds = EventRounds(db, event);
  if (rounds.size() < 2) return;
  Round& second = *rounds[1];
  const auto measure = [points](Round& r) {
    return points ? r.PointsTotal() : r.Score.TotalIfComplete();
  };
  const int target = measure(*rounds[0]);
  for (int step = 0; measure(second) != target && step < 90; ++step) {
    const int hole = 1 + step % 9;
    const bool better = points ? measure(second) < target : measure(second) > target;
    const int score = second.Score.Hole(hole) + (better ? -1 : 1);
    if (score < 2 || score > second.CPar.Hole(hole) + 3) continue;
    second.Score.SetHoleValue(hole, score);
    if (second.Putts.Hole(hole) >= score) second.Putts.SetHoleValue(hole, score - 1);
    if (!second.Greens.IsEmpty() || !second.Putts.IsEmpty()) {
      const bool green = score - second.Putts.Hole(hole) <= second.CPar.Hole(hole) - 2;
      second.Greens.SetHoleValue(hole, green ? 1 : 0);
    }
  }
}

// ---- pairs and teams ------------------------------------------------------------------------

struct TeamEventPlan {
  const char *ID, *Name;
  int Month, Day, Type, Format;
  std::vector<const char*> Teams;
};

// A four-ball Stableford for pairs and a "best two of four" net team event, late in 2026.
std::vector<TeamEventPlan> TeamEventPlans() {
  return {
      {"FB26",
       "Autumn Four-Ball 2026",
       9,
       20,
       kStableford,
       kFourball,
       {"EJ,HA;Early Birds", "MB,NQ", "BS,JM", "KN,IT;The Bunker Club", "DF,CH", "GP,FM"}},
      {"TB26",
       "Club Team Day 2026",
       10,
       10,
       kStrokesNet,
       kTeamBest,
       {"MB,AL,IT,NQ;Team Mill", "EJ,KN,LB,JM;Team Brook", "BS,GP,FM,HA;Team Pine"}},
  };
}

// The handicap of each player's latest round: the team rounds carry it, so that the players'
// handicaps (taken from their latest rounds) stay as they were.
std::map<std::string, double> LatestHcps(const Database& db) {
  std::map<std::string, double> latest;
  for (int i = 0; i < db.Rounds.Count(); ++i)
    latest[db.Rounds.RecordAt(i).PlayerID] = db.Rounds.RecordAt(i).Hcp;
  return latest;
}

void AddTeamRound(TeamDice& dice, Database& db, const Event& event, const std::string& playerID,
                  double hcp, int slot) {
  const Player& player = *db.Players.FindRecord(playerID);
  const int minutes = 9 * 60 + slot * 10;
  db.Rounds.Add(PlayedCard(dice, *db.Courses.FindRecord(event.CourseID), player.ID, player.Name,
                           &event, event.Date, Clock(minutes / 60, minutes % 60), hcp));
}

// The team events, their teams and every member's card, each team out together.
void AddTeamEvents(Database& db) {
  TeamDice dice;
  const std::map<std::string, double> hcps = LatestHcps(db);
  for (const TeamEventPlan& plan : TeamEventPlans()) {
    auto event = std::make_unique<Event>();
    event->ID = plan.ID;
    event->Name = plan.Name;
    event->CourseID = "MILLB";
    event->Date = Day(2026, plan.Month, plan.Day);
    event->Type = plan.Type;
    event->Format = plan.Format;
    for (const char* text : plan.Teams)
      event->Teams.push_back(*Team::Parse(text));
    const Event& added = db.Events.RecordAt(db.Events.Add(std::move(event)));
    for (std::size_t t = 0; t < added.Teams.size(); ++t)
      for (const std::string& id : added.Teams[t].Members)
        AddTeamRound(dice, db, added, id, hcps.at(id), static_cast<int>(t));
  }
}

// ---- manual events and tours ---------------------------------------------------------------

// Typed-in results: metres of the longest drive, or putts over eighteen greens.
void AddManualResults(Dice& dice, EventList& events) {
  for (int i = 0; i < events.Count(); ++i) {
    Event& event = events.RecordAt(i);
    if (!IsManual(event.Type)) continue;
    for (const PlayerPlan& player : kPlayers) {
      if (dice.Chance(player.Absent)) continue;
      const int value = event.Type == kManualDescending
                            ? 265 - static_cast<int>(player.Hcp * 1.8) + dice.Below(25)
                            : 27 + static_cast<int>(player.Hcp / 5) + dice.Below(5);
      event.Results.push_back(";" + std::to_string(value) + ";" + player.ID + ";");
    }
  }
}

struct TourPlan {
  const char *ID, *Name;
  int Type;
  std::string Events, Mandatory, Weights;
  int Worst;
};

std::vector<TourPlan> TourPlans() {
  const auto season = [](const std::string& yy) {
    return "SPR" + yy + ";STB" + yy + ";MID" + yy + ";HAR" + yy + ";PIN" + yy + ";CC" + yy + ";";
  };
  return {
      {"OOM25", "Order of Merit 2025", kPtsPSystem, season("25"), "CC25", "", 2},
      {"OOM26", "Order of Merit 2026", kPtsPSystem, season("26"), "CC26", "", 2},
      {"F126", "Formula One 2026", kF1System, season("26"), "", "1;1;1;1;1;2", 1},
      {"ECL26", "Home Course Eclectic 2026", kEclectic, "SPR26;STB26;MID26;CC26;", "", "", 0},
      {"NOM25", "Nominell 2025", kNominell, season("25"), "", "", 0},
  };
}

void AddTours(TourList& tours) {
  for (const TourPlan& plan : TourPlans()) {
    auto tour = std::make_unique<Tour>();
    tour->ID = plan.ID;
    tour->Name = plan.Name;
    tour->Type = plan.Type;
    tour->Events = plan.Events;
    tour->MandatoryEvents = plan.Mandatory;
    tour->Weights = plan.Weights;
    tour->Worst = plan.Worst;
    tours.Add(std::move(tour));
  }
}

// Each player has the handicap of the latest round, as "Update players hcp" sets it.
void SetPlayerHcps(Database& db) {
  for (int i = 0; i < db.Rounds.Count(); ++i) {
    const Round& round = db.Rounds.RecordAt(i);
    db.Players.FindRecord(round.PlayerID)->Hcp = round.Hcp;
  }
}

// ---- writing -------------------------------------------------------------------------------

bool Report(const Status& status) {
  if (!status) std::cerr << "cardwise-demo-data: " << status.message() << "\n";
  return status.ok();
}

bool Report(const BatchReport& report) {
  for (const std::string& message : report.Messages())
    std::cerr << "cardwise-demo-data: " << message << "\n";
  return report.ok();
}

bool Write(Database& db, const AppSettings& settings) {
  for (int kind = 0; kind < kDataKinds; ++kind)
    DeleteFile(DataFilePath(settings, static_cast<DataKind>(kind)));
  bool ok = Report(db.Players.SaveAll(DataFilePath(settings, kPlayersFile))) &&
            Report(db.Courses.SaveAll(DataFilePath(settings, kCoursesFile))) &&
            Report(db.Rounds.SaveAll(DataFilePath(settings, kRoundsFile))) &&
            Report(RecalcAllEvents(db, DataFilePath(settings, kEventsFile)));
  // The Pts(p) points depend on the number of players in the tour, which the first computation
  // stores: the second gives the standings a recalculation of the demo would give.
  for (int pass = 0; ok && pass < 2; ++pass)
    ok = Report(RecalcAllTours(db, DataFilePath(settings, kToursFile)));
  return ok;
}

AppSettings DemoSettings(const std::string& folder) {
  AppSettings settings;
  settings.DataDir = folder.ends_with('/') ? folder : folder + "/";
  settings.PlayerFName = "DEMOP.DAT";
  settings.CourseFName = "DEMOC.DAT";
  settings.RoundFName = "DEMOR.DAT";
  settings.EventFName = "DEMOE.DAT";
  settings.TourFName = "DEMOT.DAT";
  return settings;
}

void MakeSeasons(Database& db) {
  Dice dice;
  std::vector<double> hcps;
  for (const PlayerPlan& plan : kPlayers)
    hcps.push_back(plan.Hcp);
  AddCourses(db.Courses);
  AddPlayers(db.Players);
  AddEvents(db.Events);
  AddRounds(dice, db, hcps);
  ForceTieForFirst(db, "CC25");
  ForceTieForFirst(db, "STB26");
  AddManualResults(dice, db.Events);
  AddTeamEvents(db);
  AddTours(db.Tours);
  SetPlayerHcps(db);
}

int Run(const std::string& folder) {
  SetCurrentFormats(IsoFormats());
  const AppSettings settings = DemoSettings(folder);
  PlayerList players;
  CourseList courses;
  RoundList rounds;
  EventList events;
  TourList tours;
  Database db{players, courses, rounds, events, tours};
  MakeSeasons(db);
  if (!Write(db, settings)) return 1;
  std::cout << players.Count() << " players, " << courses.Count() << " courses, " << rounds.Count()
            << " rounds, " << events.Count() << " events, " << tours.Count() << " tours written to "
            << settings.DataDir << "\n";
  return 0;
}

}  // namespace
}  // namespace cardwise

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: cardwise-demo-data FOLDER\n";
    return 2;
  }
  return cardwise::Run(argv[1]);
}
