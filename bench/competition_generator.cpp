// The clubs' events calendars with their fields, the event records with their results and the
// tours with their standings.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "database_plan.h"
#include "records/text.h"
#include "results/event_results.h"
#include "results/tour_scoring.h"
#include "results/tour_standings.h"

namespace cardwise::bench {

namespace {

using namespace std::chrono;

// The share of the rounds played in events, as near as the fields allow.
constexpr double kEventRoundShare = 0.3;
constexpr int kMostTourEvents = 20;
constexpr int kFewestTourEvents = 5;

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char* const kTrophies[] = {"Captain's Prize", "President's Trophy", "Seniors Cup",
                                 "Autumn Bowl", "Spring Salver"};

struct KindInfo {
  EventKind Kind;
  int Type;
  char Letter;  // the last character of the event's ID
};

constexpr KindInfo kKinds[] = {
    {EventKind::Medal, kStrokesGross, 'M'},        {EventKind::NetDivision, kStrokesNet, 'N'},
    {EventKind::Stableford, kStableford, 'S'},     {EventKind::NetTrophy, kStrokesNet, 'T'},
    {EventKind::Championship, kStrokesGross, 'C'}, {EventKind::Putting, kManualAscending, 'P'},
    {EventKind::Drive, kManualDescending, 'L'}};

const KindInfo& InfoOf(EventKind kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

bool IsTyped(EventKind kind) {
  return kind == EventKind::Putting || kind == EventKind::Drive;
}

// The events that take a field of rounds of their own (a net division shares its medal's).
bool HasOwnField(EventKind kind) {
  return !IsTyped(kind) && kind != EventKind::NetDivision;
}

std::string EventName(const Club& club, EventKind kind, int day, SeededRandom& random) {
  const year_month_day date = DateOfSerial(day);
  const std::string month = kMonths[static_cast<unsigned>(date.month()) - 1];
  switch (kind) {
    case EventKind::Medal:
      return club.Short + " Medal " + month;
    case EventKind::NetDivision:
      return club.Short + " Medal " + month + " Net";
    case EventKind::Stableford:
      return club.Short + " Stableford " + month;
    case EventKind::NetTrophy:
      return club.Short + " " + kTrophies[random.Uniform(0, std::size(kTrophies) - 1)];
    case EventKind::Championship:
      return club.Short + " Club Championship " + std::to_string(static_cast<int>(date.year()));
    case EventKind::Putting:
      return club.Short + " Putting Contest " + month;
    case EventKind::Drive:
      return club.Short + " Longest Drive " + month;
  }
  return club.Short;
}

int AddEvent(Plan& plan, int club, int season, int day, EventKind kind) {
  const Club& c = plan.Clubs[static_cast<std::size_t>(club)];
  const year_month_day date = DateOfSerial(day);
  char stamp[16];
  std::snprintf(stamp, sizeof stamp, "%02d%02u%02u", static_cast<int>(date.year()) % 100,
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  PlannedEvent event;
  event.ID = c.Code + stamp + InfoOf(kind).Letter;
  event.Name = EventName(c, kind, day, plan.Random);
  event.Kind = kind;
  event.Type = InfoOf(kind).Type;
  event.Club = club;
  event.Season = season;
  event.Day = day;
  event.Played = day <= plan.LastDay;
  plan.Events.push_back(std::move(event));
  return static_cast<int>(plan.Events.size()) - 1;
}

// An event with typed results held on the day of the host event, among its field.
void AddTypedEvent(Plan& plan, int host, EventKind kind) {
  const PlannedEvent& on = plan.Events[static_cast<std::size_t>(host)];
  const int index = AddEvent(plan, on.Club, on.Season, on.Day, kind);
  plan.Events[static_cast<std::size_t>(index)].Host = host;
}

// The event days of a season: Saturdays from mid-April to mid-October.
std::vector<int> EventDays(int season, int count, SeededRandom& random) {
  std::vector<int> days;
  for (int day = DaySerial(season, 4, 15); day <= DaySerial(season, 10, 15); ++day)
    if (IsSaturday(day)) days.push_back(day);
  random.Shuffle(days);
  days.resize(std::min(days.size(), static_cast<std::size_t>(count)));
  std::sort(days.begin(), days.end());
  return days;
}

// A season's events: medals (half of them with a net division), Stablefords and net trophies
// in turn, the championship in August, and the two events with typed results on the days of
// two of the others.
void PlanSeason(Plan& plan, int club, int season) {
  static constexpr EventKind kCycle[] = {EventKind::Medal, EventKind::Stableford, EventKind::Medal,
                                         EventKind::Stableford, EventKind::NetTrophy};
  const int members = plan.Clubs[static_cast<std::size_t>(club)].Members;
  const std::vector<int> days = EventDays(
      season, std::clamp(6 + members / 45 + plan.Random.Uniform(-1, 1), 7, 18), plan.Random);
  const int count = static_cast<int>(days.size());
  int championship = count * 2 / 3;
  for (int j = count - 1; j >= 0; --j)
    if (DateOfSerial(days[static_cast<std::size_t>(j)]).month() == August) championship = j;
  const int offset = plan.Random.Uniform(0, 4);
  std::vector<int> hosts;
  for (int j = 0; j < count; ++j) {
    const int day = days[static_cast<std::size_t>(j)];
    const EventKind kind = j == championship ? EventKind::Championship : kCycle[(j + offset) % 5];
    const int index = AddEvent(plan, club, season, day, kind);
    hosts.push_back(index);
    if (kind == EventKind::Medal && plan.Random.Chance(0.5)) {
      const int net = AddEvent(plan, club, season, day, EventKind::NetDivision);
      plan.Events[static_cast<std::size_t>(index)].Net = net;
    }
  }
  AddTypedEvent(plan, hosts[static_cast<std::size_t>(count / 3)], EventKind::Putting);
  AddTypedEvent(plan, hosts[static_cast<std::size_t>(championship)], EventKind::Drive);
}

// The members of the club who play competitions in the season.
std::vector<int> Competitors(const Plan& plan, int club, int season) {
  std::vector<int> members;
  for (int m = 0; m < static_cast<int>(plan.Members.size()); ++m) {
    const Member& member = plan.Members[static_cast<std::size_t>(m)];
    if (member.Club == club && member.Competes && member.ActiveIn(season)) members.push_back(m);
  }
  return members;
}

// Every played event with a field of its own draws its entrants from the club's competitors,
// each entering with the same chance, chosen so the events take their share of the rounds.
void DrawFields(Plan& plan, int roundsTarget) {
  std::vector<std::vector<int>> eligible(plan.Events.size());
  double slots = 0;
  for (std::size_t e = 0; e < plan.Events.size(); ++e) {
    const PlannedEvent& event = plan.Events[e];
    if (!event.Played || !HasOwnField(event.Kind)) continue;
    eligible[e] = Competitors(plan, event.Club, event.Season);
    slots += static_cast<double>(eligible[e].size());
  }
  const double chance =
      std::clamp(kEventRoundShare * roundsTarget / std::max(1.0, slots), 0.02, 0.75);
  for (std::size_t e = 0; e < plan.Events.size(); ++e) {
    PlannedEvent& event = plan.Events[e];
    const Course* course = plan.Clubs[static_cast<std::size_t>(event.Club)].Tees.front();
    const double boost = event.Kind == EventKind::Championship ? 1.3 : 1.0;
    for (int m : eligible[e]) {
      if (!plan.Random.Chance(chance * boost) || !plan.TakeDay(m, event.Day)) continue;
      event.Entrants.push_back(m);
      plan.Rounds.push_back({m, course, event.Day, static_cast<int>(e), 0, plan.Random.Next(), {}});
    }
  }
  // The typed-result events: some of the day's field take part.
  for (PlannedEvent& event : plan.Events) {
    if (event.Host < 0) continue;
    for (int m : plan.Events[static_cast<std::size_t>(event.Host)].Entrants)
      if (plan.Random.Chance(0.35)) event.Entrants.push_back(m);
  }
}

// A typed result: putts on the putting course, or metres of the longest drive (one decimal, an
// old entry now and then with a decimal comma).
std::string TypedScore(EventKind kind, const Member& member, SeededRandom& random) {
  if (kind == EventKind::Putting)
    return std::to_string(std::clamp(
        static_cast<int>(std::lround(random.Normal(29 + member.Hcp / 12, 2.5))), 20, 45));
  const double metres = std::max(120.0, random.Normal(250 - member.Hcp * 2.2, 14));
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", std::round(metres * 10) / 10);
  std::string score = text;
  if (random.Chance(0.1)) std::replace(score.begin(), score.end(), '.', ',');
  return score;
}

std::unique_ptr<Event> EventRecord(const Plan& plan, const PlannedEvent& planned,
                                   SeededRandom& random) {
  auto event = std::make_unique<Event>();
  event->ID = planned.ID;
  event->Name = planned.Name;
  if (planned.Kind != EventKind::Putting || random.Chance(0.5))
    event->CourseID = plan.Clubs[static_cast<std::size_t>(planned.Club)].Tees.front()->ID;
  event->Date = planned.Day;
  event->Type = planned.Type;
  event->Make = planned.Kind != EventKind::Putting;
  if (random.Chance(0.1)) event->Header = "club.htm";
  if (IsTyped(planned.Kind)) {
    for (int m : planned.Entrants) {
      const Member& member = plan.Members[static_cast<std::size_t>(m)];
      // Built by appending: GCC 12 warns falsely about a chain of "+" on strings here.
      std::string line = ";";
      line.append(TypedScore(planned.Kind, member, random)).append(";").append(member.ID);
      event->Results.push_back(line.append(";"));
    }
  }
  return event;
}

// Tour types and the events each takes.
struct TourKind {
  int Type;
  const char* Suffix;
  const char* Caption;
  bool (*Takes)(EventKind);
};

bool AnyOwnField(EventKind kind) {
  return HasOwnField(kind);
}
bool StrokeEvent(EventKind kind) {
  return kind == EventKind::Medal || kind == EventKind::Championship ||
         kind == EventKind::NetTrophy;
}
bool StablefordEvent(EventKind kind) {
  return kind == EventKind::Stableford;
}
bool AnyButDivision(EventKind kind) {
  return kind != EventKind::NetDivision;
}
bool CardEvent(EventKind kind) {
  return kind == EventKind::Medal || kind == EventKind::Championship ||
         kind == EventKind::Stableford;
}

constexpr TourKind kTourKinds[] = {{kResultAscending, "STR", "Strokeplay Series", StrokeEvent},
                                   {kResultDescending, "STB", "Stableford Series", StablefordEvent},
                                   {kPlaceOrder, "POS", "Position Table", AnyOwnField},
                                   {kF1System, "F1", "Race to the Final", AnyButDivision},
                                   {kPtsPSystem, "OOM", "Order of Merit", AnyOwnField},
                                   {kEclectic, "ECL", "Eclectic", CardEvent},
                                   {kNominell, "NOM", "Par Challenge", CardEvent}};

// Every season an order of merit, and two or three others in turn.
std::vector<int> TourTypesOf(int club, int seasonIndex, SeededRandom& random) {
  static constexpr int kOthers[] = {kEclectic,   kResultAscending, kResultDescending,
                                    kPlaceOrder, kF1System,        kNominell};
  std::vector<int> types{kPtsPSystem};
  const int others = random.Chance(0.3) ? 3 : 2;
  for (int j = 0; j < others; ++j)
    types.push_back(kOthers[(club * 3 + seasonIndex * 2 + j) % 6]);
  return types;
}

std::string WeightsText(const std::vector<const PlannedEvent*>& events) {
  std::string text;
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (i > 0) text += ';';
    text += events[i]->Kind == EventKind::Championship ? "2" : i + 1 == events.size() ? "1.5" : "1";
  }
  return text;
}

// The championship and now and then the final event are mandatory.
std::string MandatoryText(const std::vector<const PlannedEvent*>& events, SeededRandom& random) {
  std::string text;
  for (const PlannedEvent* event : events)
    if (event->Kind == EventKind::Championship) text = event->ID;
  if (text.empty() || random.Chance(0.5)) text += (text.empty() ? "" : " ") + events.back()->ID;
  return text;
}

int DistinctPlayers(const Tour& tour, const EventList& events) {
  std::set<std::string> players;
  for (int k = 1; k <= tour.EventCount(); ++k)
    if (const Event* event = events.FindRecord(tour.EventAt(k)))
      for (const std::string& line : event->Results)
        players.insert(ExtractField(line, 3, ';'));
  return static_cast<int>(players.size());
}

std::unique_ptr<Tour> TourRecord(const Club& club, int season, const TourKind& kind,
                                 const std::vector<const PlannedEvent*>& events,
                                 SeededRandom& random) {
  auto tour = std::make_unique<Tour>();
  const std::string year = std::to_string(season);
  tour->ID = club.Code + year + kind.Suffix;
  tour->Name = club.Short + " " + kind.Caption + " " + year;
  for (const PlannedEvent* event : events)
    tour->Events += event->ID + ";";
  tour->Type = kind.Type;
  if (random.Chance(0.3)) tour->MandatoryEvents = MandatoryText(events, random);
  if (random.Chance(0.25)) tour->Weights = WeightsText(events);
  if (kind.Type != kEclectic && random.Chance(0.35))
    tour->Worst = random.Uniform(1, std::max(1, static_cast<int>(events.size()) / 4));
  if (random.Chance(0.2)) tour->Dir = "tours";
  if (random.Chance(0.1)) tour->Header = "tour.htm";
  return tour;
}

std::vector<const PlannedEvent*> SeasonEvents(const Plan& plan, int club, int season) {
  std::vector<const PlannedEvent*> events;
  for (const PlannedEvent& event : plan.Events)
    if (event.Club == club && event.Season == season) events.push_back(&event);
  std::stable_sort(events.begin(), events.end(),
                   [](const PlannedEvent* a, const PlannedEvent* b) { return a->Day < b->Day; });
  return events;
}

// The season's tours, each over the first 20 of the events its type takes; a type that finds
// fewer than 5 makes no tour. Ntot is the number of players with results, as the last save
// would have left it.
void AddSeasonTours(const Plan& plan, int club, int season, GeneratedDatabase& database,
                    SeededRandom& random) {
  const std::vector<const PlannedEvent*> seasonEvents = SeasonEvents(plan, club, season);
  for (int type : TourTypesOf(club, season - plan.FirstYear, random)) {
    const TourKind& kind = kTourKinds[static_cast<std::size_t>(type)];
    std::vector<const PlannedEvent*> events;
    for (const PlannedEvent* event : seasonEvents)
      if (kind.Takes(event->Kind) && events.size() < kMostTourEvents) events.push_back(event);
    if (static_cast<int>(events.size()) < kFewestTourEvents) continue;
    auto tour =
        TourRecord(plan.Clubs[static_cast<std::size_t>(club)], season, kind, events, random);
    tour->Ntot = DistinctPlayers(*tour, database.Events);
    database.Tours.Add(std::move(tour));
  }
}

}  // namespace

void PlanEvents(Plan& plan, int roundsTarget) {
  for (int club = 0; club < static_cast<int>(plan.Clubs.size()); ++club)
    for (int season = plan.FirstYear; season <= plan.LastYear; ++season)
      PlanSeason(plan, club, season);
  DrawFields(plan, roundsTarget);
}

void MakeEvents(Plan& plan, GeneratedDatabase& database) {
  SeededRandom random(plan.Random.Next());
  for (const PlannedEvent& planned : plan.Events)
    database.Events.Add(EventRecord(plan, planned, random));
  for (int i = 0; i < database.Events.Count(); ++i)
    CalcResults(database.Events.RecordAt(i), database.Rounds);
}

void MakeTours(Plan& plan, GeneratedDatabase& database) {
  SeededRandom random(plan.Random.Next());
  for (int club = 0; club < static_cast<int>(plan.Clubs.size()); ++club)
    for (int season = plan.FirstYear; season <= plan.LastYear; ++season)
      AddSeasonTours(plan, club, season, database, random);
  Database view = database.View();
  for (int i = 0; i < database.Tours.Count(); ++i) {
    CalcTour(database.Tours.RecordAt(i), view);
    database.Tours.RecordAt(i).PrepareSave();
  }
}

}  // namespace cardwise::bench
