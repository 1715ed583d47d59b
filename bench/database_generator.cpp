#include "database_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "database_plan.h"
#include "platform/codepage.h"
#include "records/record_io.h"
#include "records/text.h"
#include "settings/settings.h"

namespace cardwise::bench {

namespace {

using namespace std::chrono;

constexpr int kLastSeason = 2025;

const char* const kClubNames[] = {
    "Mill Brook", "Harbour",    "Pine Valley",  "Old Quarry",   "Northfield",  "Heather Ridge",
    "Lakeside",   "Westwood",   "Kings Meadow", "Stone Bridge", "Elm Park",    "Silver Birch",
    "Foxhill",    "Sandy Lane", "Ravenscroft",  "Oak Hollow",   "Brackenbury", "Larch Moor"};
const char* const kClubKinds[] = {"Golf Club", "Golf and Country Club", "Links", "Golf Course"};
const char* const kFirst[] = {
    "Anna",  "Bo",    "Carl",   "Dora",   "Erik",  "Frida",  "Gustav", "Hanna", "Ivar",
    "Julia", "Karl",  "Lena",   "Magnus", "Nora",  "Olof",   "Petra",  "Rolf",  "Sara",
    "Tor",   "Ulla",  "Viktor", "Wilma",  "Alice", "Ben",    "Clara",  "David", "Emma",
    "Frank", "Grace", "Henry",  "Irene",  "James", "Kate",   "Louis",  "Mary",  "Noah",
    "Oscar", "Paula", "Ruth",   "Simon",  "Tess",  "Ursula", "Walter", "Yvonne"};
const char* const kLast[] = {
    "Andersson", "Berg",    "Carlsson", "Dahl",      "Ek",     "Falk",   "Gran",   "Holm",
    "Isaksson",  "Jansson", "Karlsson", "Lind",      "Moberg", "Nyberg", "Olsson", "Persson",
    "Quist",     "Rask",    "Sandberg", "Tornqvist", "Ullman", "Vik",    "Wall",   "Abbott",
    "Baker",     "Cooper",  "Dixon",    "Ellis",     "Fisher", "Gray",   "Hughes", "Irving",
    "Jenkins",   "Kemp",    "Lawson",   "Marsh",     "Norris", "Owens",  "Palmer", "Reed",
    "Shaw",      "Turner",  "Vaughan",  "Webb",      "Young"};

template <class T, std::size_t N>
const T& Pick(const T (&items)[N], SeededRandom& random) {
  return items[random.Uniform(0, static_cast<int>(N) - 1)];
}

// How many tee records each club gets: 3 to 10 in all where the number of clubs allows it, one
// to three a club.
std::vector<int> TeesPerClub(int clubs, SeededRandom& random) {
  const int total = std::clamp(random.Uniform(3, 10), clubs, 3 * clubs);
  std::vector<int> tees(static_cast<std::size_t>(clubs), 1);
  for (int extra = total - clubs, i = 0; extra > 0; --extra, i = (i + 1) % clubs)
    ++tees[static_cast<std::size_t>(i)];
  return tees;
}

// The ID of a course made as the course editor makes it, unique among the clubs.
std::string CourseID(const std::string& name, std::set<std::string>& taken) {
  Course probe;
  probe.Name = name;
  probe.MakeID();
  std::string id = UpperCase(probe.ID);
  for (int n = 2; !taken.insert(id).second; ++n)
    id = UpperCase(probe.ID) + std::to_string(n);
  return id;
}

std::string ClubCode(const std::string& courseID, std::set<std::string>& taken) {
  std::string code = courseID.substr(0, 3);
  for (int n = 0; !taken.insert(code).second; ++n)
    code = courseID.substr(0, 2) + static_cast<char>('0' + n % 10);
  return code;
}

void MakeClubs(Plan& plan, int clubs, CourseList& courses) {
  std::vector<int> order(std::size(kClubNames));
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = static_cast<int>(i);
  plan.Random.Shuffle(order);
  const std::vector<int> tees = TeesPerClub(clubs, plan.Random);
  std::set<std::string> ids, codes;
  for (int c = 0; c < clubs; ++c) {
    Club club;
    club.Short = kClubNames[order[static_cast<std::size_t>(c) % order.size()]];
    if (c >= static_cast<int>(order.size()))
      club.Short += " " + std::to_string(c / order.size() + 1);
    club.Name = club.Short + " " + Pick(kClubKinds, plan.Random);
    // The first club is a large one, so every database has a field of a few hundred players.
    club.Members = c == 0 ? plan.Random.Uniform(400, 500) : plan.Random.Uniform(50, 500);
    const std::string id = CourseID(club.Name, ids);
    club.Code = ClubCode(id, codes);
    const Layout layout = MakeLayout(plan.Random);
    const int changed = DaySerial(plan.FirstYear - plan.Random.Uniform(0, 6), 3, 1);
    for (int t = 0; t < tees[static_cast<std::size_t>(c)]; ++t) {
      const std::string teeID = t == 0 ? id : id + std::string(1, "YRWBG"[t % 5]);
      auto course = MakeTee(layout, teeID, club.Name, t, changed, plan.Random);
      course->Alias = UpperCase(club.Short);
      if (t == 0 && plan.Random.Chance(0.6)) course->Phone = "555 0" + std::to_string(100 + c);
      club.Tees.push_back(course.get());
      courses.Add(std::move(course));
    }
    plan.Clubs.push_back(std::move(club));
  }
}

double FirstHandicap(bool beginner, SeededRandom& random) {
  if (beginner) return random.Uniform(180, 540) / 10.0;
  return std::round(std::clamp(random.Normal(17, 8), -1.0, 36.0) * 10) / 10;
}

Member MakeMember(const Plan& plan, int club, std::map<std::string, int>& initials,
                  SeededRandom& random) {
  Member member;
  member.Name = std::string(Pick(kFirst, random)) + " " + Pick(kLast, random);
  const std::string stem = UpperCase(Initials(member.Name, 2));
  const int n = ++initials[stem];
  member.ID = n == 1 ? stem : stem + std::to_string(n);
  member.Club = club;
  member.Join =
      random.Chance(0.55) ? plan.FirstYear : random.Uniform(plan.FirstYear + 1, plan.LastYear);
  member.Leave = random.Chance(0.35) && member.Join < plan.LastYear
                     ? random.Uniform(member.Join, plan.LastYear - 1)
                     : plan.LastYear;
  member.Beginner = member.Join > plan.FirstYear && random.Chance(0.4);
  member.Hcp = FirstHandicap(member.Beginner, random);
  member.Level = std::clamp(member.Hcp + random.Normal(0, 1.5), -2.0, 54.0);
  member.LevelSeason = member.Join;
  static const double kRates[] = {3, 6, 10, 16, 25, 40, 60};
  member.RoundsPerYear = kRates[random.Weighted({10, 18, 22, 20, 15, 10, 5})];
  const int tees = static_cast<int>(plan.Clubs[static_cast<std::size_t>(club)].Tees.size());
  member.Tee = random.Chance(0.7) ? 0 : random.Uniform(0, tees - 1);
  member.Competes = random.Chance(0.65);
  member.Habits.PuttsShare = random.Chance(0.5) ? 0.85 : 0.1;
  member.Deleted = member.Leave < plan.LastYear && random.Chance(0.08);
  return member;
}

void MakeMembers(Plan& plan) {
  std::map<std::string, int> initials;
  for (int c = 0; c < static_cast<int>(plan.Clubs.size()); ++c)
    for (int i = 0; i < plan.Clubs[static_cast<std::size_t>(c)].Members; ++i)
      plan.Members.push_back(MakeMember(plan, c, initials, plan.Random));
}

// The player list as the members leave it: the handicap of each one's latest round, contact
// details on some; deleted members are missing.
void MakePlayers(Plan& plan, PlayerList& players) {
  SeededRandom random(plan.Random.Next());
  for (const Member& member : plan.Members) {
    if (member.Deleted) continue;
    auto player = std::make_unique<Player>();
    player->ID = member.ID;
    player->Name = member.Name;
    player->Hcp = static_cast<float>(member.LastRoundHcp > -100 ? member.LastRoundHcp : member.Hcp);
    player->Club = plan.Clubs[static_cast<std::size_t>(member.Club)].Name;
    if (random.Chance(0.4)) player->Phone = "555 " + std::to_string(random.Uniform(1000, 9999));
    if (random.Chance(0.5)) player->Email = LowerCase(member.ID) + "@example.org";
    if (random.Chance(0.02)) player->URL = "http://example.org/" + LowerCase(member.ID);
    players.Add(std::move(player));
  }
}

constexpr sys_days kDayZero = sys_days{year{1899} / December / 30};

}  // namespace

int DaySerial(int y, int m, int d) {
  const sys_days day{year{y} / month{static_cast<unsigned>(m)} / static_cast<unsigned>(d)};
  return static_cast<int>((day - kDayZero).count());
}

year_month_day DateOfSerial(int serial) {
  return year_month_day{kDayZero + days{serial}};
}

bool IsSaturday(int serial) {
  return weekday{kDayZero + days{serial}} == Saturday;
}

std::unique_ptr<GeneratedDatabase> GenerateDatabase(const DatabaseParams& params) {
  auto database = std::make_unique<GeneratedDatabase>();
  Plan plan(params.Seed);
  plan.LastYear = kLastSeason;
  plan.FirstYear = kLastSeason + 1 - plan.Random.Uniform(10, 20);
  plan.LastDay = DaySerial(kLastSeason, 9, 15);
  MakeClubs(plan, std::max(1, params.Clubs), database->Courses);
  MakeMembers(plan);
  PlanEvents(plan, params.Rounds);
  PlanRounds(plan, params.Rounds);
  PlayRounds(plan, database->Rounds);
  MakePlayers(plan, database->Players);
  MakeEvents(plan, *database);
  MakeTours(plan, *database);
  return database;
}

Status GeneratedDatabase::SaveAll(const std::string& folder) {
  AppSettings settings;
  settings.DataDir = IncludeTrailingSlash(folder);
  Status status = Players.SaveAll(DataFilePath(settings, kPlayersFile));
  if (status) status = Courses.SaveAll(DataFilePath(settings, kCoursesFile));
  if (status) status = Rounds.SaveAll(DataFilePath(settings, kRoundsFile));
  if (status) status = Events.SaveAll(DataFilePath(settings, kEventsFile));
  if (status) status = Tours.SaveAll(DataFilePath(settings, kToursFile));
  return status;
}

DatabaseShape ShapeOf(const GeneratedDatabase& database) {
  DatabaseShape shape;
  shape.Players = database.Players.Count();
  shape.Courses = database.Courses.Count();
  shape.Rounds = database.Rounds.Count();
  shape.Events = database.Events.Count();
  shape.Tours = database.Tours.Count();
  for (int i = 0; i < shape.Rounds; ++i) {
    const Round& round = database.Rounds.RecordAt(i);
    const int year = static_cast<int>(DateOfSerial(static_cast<int>(round.Date)).year());
    shape.FirstYear = i == 0 ? year : std::min(shape.FirstYear, year);
    shape.LastYear = std::max(shape.LastYear, year);
    if (!round.EventID.empty()) ++shape.EventRounds;
  }
  for (int i = 0; i < shape.Events; ++i) {
    const Event& event = database.Events.RecordAt(i);
    shape.ResultLines += static_cast<int>(event.Results.size());
    if (event.Type >= 0 && event.Type < 5)
      ++shape.EventsOfType[static_cast<std::size_t>(event.Type)];
  }
  for (int i = 0; i < shape.Tours; ++i) {
    const Tour& tour = database.Tours.RecordAt(i);
    shape.StandingLines += static_cast<int>(tour.Standings.size());
    if (tour.Type >= 0 && tour.Type < 7) ++shape.ToursOfType[static_cast<std::size_t>(tour.Type)];
  }
  return shape;
}

std::string ShapeText(const DatabaseShape& shape) {
  char text[512];
  const auto& e = shape.EventsOfType;
  const auto& t = shape.ToursOfType;
  std::snprintf(text, sizeof text,
                "%d players, %d courses, %d rounds (%d in events) from %d to %d, %d events "
                "(types 0-4: %d %d %d %d %d; %d result lines), %d tours (types 0-6: %d %d %d %d "
                "%d %d %d; %d standing lines)",
                shape.Players, shape.Courses, shape.Rounds, shape.EventRounds, shape.FirstYear,
                shape.LastYear, shape.Events, e[0], e[1], e[2], e[3], e[4], shape.ResultLines,
                shape.Tours, t[0], t[1], t[2], t[3], t[4], t[5], t[6], shape.StandingLines);
  return text;
}

}  // namespace cardwise::bench
