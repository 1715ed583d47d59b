#include "web_fixture.h"

#include <memory>

namespace cardwise::testing {

WebTest::WebTest() {
  SetCurrentFormats(IsoFormats());
  settings_.DataDir = dir_.File("Data/");
  settings_.TemplateDir = dir_.File("Template/");
  settings_.HtmlRootDir = dir_.File("Web/");
  context_.Today = Day(2026, 6, 15, 0, 0);
}

WebTest::~WebTest() { SetCurrentFormats(IsoFormats()); }

DateTime Day(int year, int month, int day, int hour, int minute) {
  return *EncodeDate(year, month, day) + *EncodeTime(hour, minute, 0);
}

TPlayer& WebTest::AddPlayer(std::string_view id, std::string_view name, float hcp) {
  auto player = std::make_unique<TPlayer>();
  player->ID = id;
  player->Player = name;
  player->Hcp = hcp;
  return players_.RecordAt(players_.Add(std::move(player)));
}

TCourse& WebTest::AddCourse(std::string_view id, std::string_view name, std::string_view par,
                            std::string_view hcp) {
  auto course = std::make_unique<TCourse>();
  course->ID = id;
  course->Course = name;
  course->Par.FromText(par, 1, ',');
  course->Hcp.FromText(hcp, 1, ',');
  return courses_.RecordAt(courses_.Add(std::move(course)));
}

TRound& WebTest::AddRound(std::string_view playerID, std::string_view courseID, DateTime date,
                          std::string_view scores, std::string_view eventID) {
  auto round = std::make_unique<TRound>();
  round->PlayerID = playerID;
  round->CourseID = courseID;
  round->EventID = eventID;
  round->Date = static_cast<int>(date);
  round->Start = date - static_cast<int>(date);
  round->Score.FromText(scores, 1, ',');
  if (const TPlayer* player = players_.FindRecord(playerID)) round->Player = player->Player;
  if (const TCourse* course = courses_.FindRecord(courseID)) {
    round->Course = course->Course;
    round->CPar.Assign(course->Par);
    round->CHcp.Assign(course->Hcp);
    round->CLen.Assign(course->Len);
  }
  round->MakeID();
  return rounds_.RecordAt(rounds_.Add(std::move(round)));
}

TEvent& WebTest::AddEvent(std::string_view id, std::string_view name, int type,
                          std::string_view courseID, DateTime date) {
  auto event = std::make_unique<TEvent>();
  event->ID = id;
  event->Event = name;
  event->Type = type;
  event->CourseID = courseID;
  event->Date = date;
  return events_.RecordAt(events_.Add(std::move(event)));
}

TTour& WebTest::AddTour(std::string_view id, std::string_view name, int type,
                        std::string_view events) {
  auto tour = std::make_unique<TTour>();
  tour->ID = id;
  tour->Tour = name;
  tour->Type = type;
  tour->Events = events;
  return tours_.RecordAt(tours_.Add(std::move(tour)));
}

void WebTest::OpenPage(std::string_view path, bool inYearFolder) {
  page_ = TPage();
  page_.Open(context_, settings_.HtmlRootDir + std::string(path), "", "", "", "Test",
             inYearFolder);
  bodyStart_ = page_.Contents().size();
}

std::string WebTest::Body() const { return page_.Contents().substr(bodyStart_); }

std::vector<std::string> WebTest::BodyLines() const {
  std::vector<std::string> lines;
  const std::string body = Body();
  std::size_t start = 0;
  while (start < body.size()) {
    std::size_t end = body.find("\r\n", start);
    if (end == std::string::npos) end = body.size();
    lines.push_back(body.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace cardwise::testing
