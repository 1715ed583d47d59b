// Fuzz target: one page of each kind, rendered from a fuzzed database. The input is the five
// data files (players, courses, rounds, events, tours) separated by lines holding only "%%";
// the pages are made in memory and never written.

#include <algorithm>
#include <array>
#include <string>

#include "fuzz_support.h"
#include "results/event_results.h"
#include "results/tour_standings.h"
#include "web/page.h"
#include "web/pages.h"
#include "web/round_index.h"
#include "web/tables.h"

namespace cardwise::fuzz {
namespace {

constexpr std::string_view kSeparator = "\n%%\n";

std::array<std::string_view, kDataKinds> SplitFiles(std::string_view input) {
  std::array<std::string_view, kDataKinds> files{};
  for (std::string_view& file : files) {
    const std::size_t end = input.find(kSeparator);
    file = input.substr(0, end);
    input =
        end == std::string_view::npos ? std::string_view() : input.substr(end + kSeparator.size());
  }
  return files;
}

struct Club {
  PlayerList Players;
  CourseList Courses;
  RoundList Rounds;
  EventList Events;
  TourList Tours;
  Database Data{Players, Courses, Rounds, Events, Tours};
};

template <class Body>
void Render(const WebContext& context, bool inYearFolder, Body body) {
  Page page;
  page.Open(context, "/nonexistent/web/x/page.htm", "", "keys", "", "title", inYearFolder);
  body(page);
  (void)page.Finish("");
}

void RenderRecordPages(const WebContext& context, Club& club) {
  if (club.Rounds.Count() > 0) {
    const Round& round = club.Rounds.RecordAt(0);
    Render(context, true, [&](Page& page) { WriteScorecard(page, round); });
    Render(context, true, [&](Page& page) {
      WritePlayerCourse(page, UpperCase(round.PlayerID), UpperCase(round.CourseID), round.Date);
    });
    Render(context, true,
           [&](Page& page) { WritePlayerYear(page, UpperCase(round.PlayerID), round.Date); });
    Render(context, true, [&](Page& page) { WriteYearStats(page, DecodeDate(round.Date).year); });
  }
  const std::string player = UpperCase(club.Players.RecordAt(0).ID);
  Render(context, false, [&](Page& page) { WritePlayerPage(page, player); });
  const std::string course = UpperCase(club.Courses.RecordAt(0).ID);
  Render(context, false, [&](Page& page) { WriteCoursePage(page, course, 0); });
  Event& event = club.Events.RecordAt(0);
  CalcResults(event, club.Rounds);
  Render(context, true, [&](Page& page) { WriteEventPage(page, UpperCase(event.ID)); });
  Tour& tour = club.Tours.RecordAt(0);
  CalcTour(tour, club.Data);
  Render(context, false, [&](Page& page) { WriteTourPage(page, UpperCase(tour.ID)); });
  // The scoring tables grow with the number of players; a tour of thousands is no tour.
  const int ntour = std::clamp(tour.Ntot, 0, 200);
  Render(context, false, [&](Page& page) { WritePtsPTable(page, ntour); });
  Render(context, false, [&](Page& page) { WriteF1Table(page, ntour); });
}

void RenderIndexPages(const WebContext& context) {
  Render(context, false, [](Page& page) { WritePlayerList(page); });
  Render(context, false, [](Page& page) { WriteCourseList(page); });
  Render(context, false, [](Page& page) { WriteEventList(page); });
  Render(context, false, [](Page& page) { WriteTourList(page); });
}

}  // namespace
}  // namespace cardwise::fuzz

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace cardwise;
  using namespace cardwise::fuzz;
  SetUpOnce();
  const auto files = SplitFiles(AsText(data, size));
  Club club;
  club.Players.LoadFromText("p.dat", files[kPlayersFile]);
  club.Courses.LoadFromText("c.dat", files[kCoursesFile]);
  club.Rounds.LoadFromText("r.dat", files[kRoundsFile]);
  club.Events.LoadFromText("e.dat", files[kEventsFile]);
  club.Tours.LoadFromText("t.dat", files[kToursFile]);
  static const AppSettings settings = [] {
    AppSettings s;
    s.HtmlRootDir = "/nonexistent/web/";
    s.TemplateDir = "/nonexistent/template/";
    return s;
  }();
  RoundIndex index(club.Rounds);
  const WebContext context{settings, club.Data, *EncodeDate(2026, 6, 15), &index};
  RenderRecordPages(context, club);
  RenderIndexPages(context);
  return 0;
}
