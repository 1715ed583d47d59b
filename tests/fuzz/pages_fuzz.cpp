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
  TPlayerList Players;
  TCourseList Courses;
  TRoundList Rounds;
  TEventList Events;
  TTourList Tours;
  TDatabase Database{Players, Courses, Rounds, Events, Tours};
};

template <class Body>
void Render(const TWebContext& context, bool inYearFolder, Body body) {
  TPage page;
  page.Open(context, "/nonexistent/web/x/page.htm", "", "keys", "", "title", inYearFolder);
  body(page);
  (void)page.Finish("");
}

void RenderRecordPages(const TWebContext& context, Club& club) {
  if (club.Rounds.Count() > 0) {
    const TRound& round = club.Rounds.RecordAt(0);
    Render(context, true, [&](TPage& page) { WriteScorecard(page, round); });
    Render(context, true, [&](TPage& page) {
      WritePlayerCourse(page, UpperCase(round.PlayerID), UpperCase(round.CourseID), round.Date);
    });
    Render(context, true,
           [&](TPage& page) { WritePlayerYear(page, UpperCase(round.PlayerID), round.Date); });
    Render(context, true, [&](TPage& page) { WriteYearStats(page, DecodeDate(round.Date).year); });
  }
  const std::string player = UpperCase(club.Players.RecordAt(0).ID);
  Render(context, false, [&](TPage& page) { WritePlayerPage(page, player); });
  const std::string course = UpperCase(club.Courses.RecordAt(0).ID);
  Render(context, false, [&](TPage& page) { WriteCoursePage(page, course, 0); });
  TEvent& event = club.Events.RecordAt(0);
  CalcResults(event, club.Rounds);
  Render(context, true, [&](TPage& page) { WriteEventPage(page, UpperCase(event.ID)); });
  TTour& tour = club.Tours.RecordAt(0);
  CalcTour(tour, club.Database);
  Render(context, false, [&](TPage& page) { WriteTourPage(page, UpperCase(tour.ID)); });
  // The scoring tables grow with the number of players; a tour of thousands is no tour.
  const int ntour = std::clamp(tour.Ntot, 0, 200);
  Render(context, false, [&](TPage& page) { WritePtsPTable(page, ntour); });
  Render(context, false, [&](TPage& page) { WriteF1Table(page, ntour); });
}

void RenderIndexPages(const TWebContext& context) {
  Render(context, false, [](TPage& page) { WritePlayerList(page); });
  Render(context, false, [](TPage& page) { WriteCourseList(page); });
  Render(context, false, [](TPage& page) { WriteEventList(page); });
  Render(context, false, [](TPage& page) { WriteTourList(page); });
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
  static const TSettings settings = [] {
    TSettings s;
    s.HtmlRootDir = "/nonexistent/web/";
    s.TemplateDir = "/nonexistent/template/";
    return s;
  }();
  TRoundIndex index(club.Rounds);
  const TWebContext context{settings, club.Database, *EncodeDate(2026, 6, 15), &index};
  RenderRecordPages(context, club);
  RenderIndexPages(context);
  return 0;
}
