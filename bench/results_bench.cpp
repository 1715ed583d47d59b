// The results layer over a generated database of 100,000 rounds: event results, tour standings,
// the statistics lists and the two recalculations of the Database menu (without the file
// writing), beside the generation and the loading of the database itself.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "database_generator.h"
#include "platform/locale_formats.h"
#include "records/text.h"
#include "results/event_results.h"
#include "results/handicap_index.h"
#include "results/stat_list.h"
#include "results/tour_scoring.h"
#include "results/tour_standings.h"

namespace cardwise::bench {
namespace {

constexpr int kRounds = 100000;

DatabaseParams BenchParams() {
  DatabaseParams params;
  params.Rounds = kRounds;
  return params;
}

// The database, generated once per process. Its shape goes to the error stream so the figures
// can be read against it.
GeneratedDatabase& Club() {
  static const std::unique_ptr<GeneratedDatabase> database = [] {
    SetCurrentFormats(IsoFormats());
    auto generated = GenerateDatabase(BenchParams());
    std::fprintf(stderr, "database: %s\n", ShapeText(ShapeOf(*generated)).c_str());
    return generated;
  }();
  return *database;
}

// The event of the type with the most result lines; nullptr when there is none.
Event* LargestEvent(int type) {
  Event* largest = nullptr;
  for (int i = 0; i < Club().Events.Count(); ++i) {
    Event& event = Club().Events.RecordAt(i);
    if (event.Type == type &&
        (largest == nullptr || event.Results.size() > largest->Results.size()))
      largest = &event;
  }
  return largest;
}

std::set<std::string> PlayersOf(const std::vector<const Event*>& events) {
  std::set<std::string> players;
  for (const Event* event : events)
    for (const std::string& line : event->Results)
      players.insert(ExtractField(line, 3, ';'));
  return players;
}

// An eclectic tour over `count` consecutive events with cards of one course, chosen so that
// the number of players comes as near to `players` as the database allows.
Tour EclecticTour(int count, int players) {
  std::map<std::string, std::vector<const Event*>> byCourse;
  const EventList& events = Club().Events;
  for (int i = 0; i < events.Count(); ++i) {
    const Event& event = events.RecordAt(i);
    const bool cards = event.Type == kStrokesGross || event.Type == kStableford;
    if (cards && !event.Results.empty()) byCourse[event.CourseID].push_back(&event);
  }
  std::vector<const Event*> best;
  int bestDistance = -1;
  for (auto& [course, list] : byCourse) {
    std::stable_sort(list.begin(), list.end(),
                     [](const Event* a, const Event* b) { return a->Date < b->Date; });
    for (std::size_t first = 0; first + static_cast<std::size_t>(count) <= list.size(); ++first) {
      const std::vector<const Event*> window(
          list.begin() + static_cast<std::ptrdiff_t>(first),
          list.begin() + static_cast<std::ptrdiff_t>(first) + count);
      const int distance = std::abs(static_cast<int>(PlayersOf(window).size()) - players);
      if (bestDistance < 0 || distance < bestDistance) {
        best = window;
        bestDistance = distance;
      }
    }
  }
  Tour tour;
  tour.ID = "BENCHECL";
  tour.Name = "Benchmark Eclectic";
  tour.Type = kEclectic;
  for (const Event* event : best)
    tour.Events += event->ID + ";";
  return tour;
}

// The year with the most rounds.
int BusiestYear() {
  std::map<int, int> rounds;
  for (int i = 0; i < Club().Rounds.Count(); ++i)
    ++rounds[std::stoi(FormatDateTime("yyyy", Club().Rounds.RecordAt(i).Date))];
  return std::max_element(rounds.begin(), rounds.end(),
                          [](const auto& a, const auto& b) { return a.second < b.second; })
      ->first;
}

// The tour with the most events.
const Tour& LongestTour() {
  const TourList& tours = Club().Tours;
  int longest = 0;
  for (int i = 1; i < tours.Count(); ++i)
    if (tours.RecordAt(i).EventCount() > tours.RecordAt(longest).EventCount()) longest = i;
  return tours.RecordAt(longest);
}

void BM_GenerateDatabase(benchmark::State& state) {
  for (auto _ : state) {
    auto database = GenerateDatabase(BenchParams());
    benchmark::DoNotOptimize(database->Rounds.Count());
    state.PauseTiming();  // freeing the database is not part of making it
    database.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_GenerateDatabase)->Iterations(1)->Unit(benchmark::kMillisecond);

// The largest event of the type (arg): gross, net or Stableford.
void BM_CalcResultsOneEvent(benchmark::State& state) {
  Event* event = LargestEvent(static_cast<int>(state.range(0)));
  if (event == nullptr) return state.SkipWithError("no event of the type");
  for (auto _ : state) {
    CalcResults(*event, Club().Rounds);
    benchmark::DoNotOptimize(event->Results.data());
  }
  state.counters["lines"] = static_cast<double>(event->Results.size());
}
BENCHMARK(BM_CalcResultsOneEvent)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_EclecticTour(benchmark::State& state) {
  Tour tour = EclecticTour(20, 200);
  Database database = Club().View();
  for (auto _ : state) {
    CalcTour(tour, database);
    benchmark::DoNotOptimize(tour.Standings.data());
  }
  state.counters["events"] = tour.EventCount();
  state.counters["players"] = static_cast<double>(tour.Standings.size());
}
BENCHMARK(BM_EclecticTour)->Unit(benchmark::kMillisecond);

void BM_YearStatList(benchmark::State& state) {
  const int year = BusiestYear();
  const Database database = Club().View();
  int players = 0;
  for (auto _ : state) {
    StatList list;
    list.Generate(database, "", year);
    for (int key = SortBirdies; key <= SortFairways; ++key)
      list.SortList(key);
    players = list.Count();
  }
  state.SetLabel("year " + std::to_string(year));
  state.counters["players"] = players;
}
BENCHMARK(BM_YearStatList)->Unit(benchmark::kMillisecond);

void BM_TourStatList(benchmark::State& state) {
  const Tour& tour = LongestTour();
  const Database database = Club().View();
  int players = 0;
  for (auto _ : state) {
    StatList list;
    list.Generate(database, tour.ID, 0);
    players = list.Count();
  }
  state.SetLabel(tour.ID);
  state.counters["events"] = tour.EventCount();
  state.counters["players"] = players;
}
BENCHMARK(BM_TourStatList)->Unit(benchmark::kMillisecond);

void BM_RecalcAllEvents(benchmark::State& state) {
  EventList& events = Club().Events;
  for (auto _ : state)
    for (int i = 0; i < events.Count(); ++i)
      CalcResults(events.RecordAt(i), Club().Rounds);
  state.counters["events"] = events.Count();
}
BENCHMARK(BM_RecalcAllEvents)->Unit(benchmark::kMillisecond);

void BM_RecalcAllTours(benchmark::State& state) {
  Database database = Club().View();
  for (auto _ : state)
    for (int i = 0; i < database.Tours.Count(); ++i)
      CalcTour(database.Tours.RecordAt(i), database);
  state.counters["tours"] = database.Tours.Count();
}
BENCHMARK(BM_RecalcAllTours)->Unit(benchmark::kMillisecond);

// Every player's index from every round, as the handicap page and command compute it.
void BM_HandicapRows(benchmark::State& state) {
  const Database database = Club().View();
  std::size_t rows = 0;
  for (auto _ : state) {
    const std::vector<HandicapRow> computed = HandicapRows(database, 1e6);
    rows = computed.size();
  }
  state.counters["players"] = static_cast<double>(rows);
  state.counters["rounds"] = database.Rounds.Count();
}
BENCHMARK(BM_HandicapRows)->Unit(benchmark::kMillisecond);

// The five files as the program finds them at start-up, read into empty lists.
void BM_LoadDatabase(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "cardwise-bench-database";
  std::filesystem::create_directories(folder);
  if (!Club().SaveAll(folder.string())) return state.SkipWithError("the files were not written");
  AppSettings settings;
  settings.DataDir = IncludeTrailingSlash(folder.string());
  for (auto _ : state) {
    auto loaded = std::make_unique<GeneratedDatabase>();
    const LoadReports reports = LoadDatabase(loaded->View(), settings);
    for (const LoadReport& report : reports)
      if (!report.Clean()) state.SkipWithError("the files did not load cleanly");
    if (loaded->Rounds.Count() != Club().Rounds.Count()) state.SkipWithError("rounds lost");
    state.PauseTiming();  // freeing the lists is not part of loading them
    loaded.reset();
    state.ResumeTiming();
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cardwise::bench
