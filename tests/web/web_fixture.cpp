#include "web_fixture.h"

#include <algorithm>
#include <memory>

namespace cardwise::testing {
namespace {

// Adds a record filled by `fill` to the list and returns it.
template <typename T, typename Fill>
T& Put(RecordList<T>& list, Fill fill) {
  auto record = std::make_unique<T>();
  fill(*record);
  return list.RecordAt(list.Add(std::move(record)));
}

}  // namespace

WebTest::WebTest() {
  SetCurrentFormats(IsoFormats());
  settings_.DataDir = dir_.File("Data/");
  settings_.TemplateDir = dir_.File("Template/");
  settings_.HtmlRootDir = dir_.File("Web/");
  context_.Today = Day(2026, 6, 15, 0, 0);
}

WebTest::~WebTest() {
  SetCurrentFormats(IsoFormats());
}

DateTime Day(int year, int month, int day, int hour, int minute) {
  return *EncodeDate(year, month, day) + *EncodeTime(hour, minute, 0);
}

Player& WebTest::AddPlayer(std::string_view id, std::string_view name, float hcp) {
  return Put(players_, [&](Player& p) { p.ID = id, p.Name = name, p.Hcp = hcp; });
}

Course& WebTest::AddCourse(std::string_view id, std::string_view name, std::string_view par,
                           std::string_view hcp) {
  return Put(courses_, [&](Course& c) {
    c.ID = id, c.Name = name;
    c.Par.FromText(par, 1, ',');
    c.Hcp.FromText(hcp, 1, ',');
  });
}

Round& WebTest::AddRound(std::string_view playerID, std::string_view courseID, DateTime date,
                         std::string_view scores, std::string_view eventID) {
  return Put(rounds_, [&](Round& r) {
    r.PlayerID = playerID, r.CourseID = courseID, r.EventID = eventID;
    r.Date = static_cast<int>(date);
    r.Start = date - static_cast<int>(date);
    r.Score.FromText(scores, 1, ',');
    if (const Player* player = players_.FindRecord(playerID)) r.PlayerName = player->Name;
    if (const Course* course = courses_.FindRecord(courseID)) {
      r.CourseName = course->Name;
      r.CPar.Assign(course->Par), r.CHcp.Assign(course->Hcp), r.CLen.Assign(course->Len);
    }
    r.MakeID();
  });
}

Event& WebTest::AddEvent(std::string_view id, std::string_view name, int type,
                         std::string_view courseID, DateTime date) {
  return Put(events_, [&](Event& e) {
    e.ID = id, e.Name = name, e.Type = type, e.CourseID = courseID, e.Date = date;
  });
}

Tour& WebTest::AddTour(std::string_view id, std::string_view name, int type,
                       std::string_view events) {
  return Put(tours_, [&](Tour& t) { t.ID = id, t.Name = name, t.Type = type, t.Events = events; });
}

void WebTest::OpenPage(std::string_view path, bool inYearFolder) {
  page_ = Page();
  page_.Open(context_, settings_.HtmlRootDir + std::string(path), "", "", "", "Test", inYearFolder);
  bodyStart_ = page_.Contents().size();
}

std::string WebTest::Body() const {
  return page_.Contents().substr(bodyStart_);
}

std::vector<std::string> WebTest::BodyLines() const {
  std::vector<std::string> lines;
  const std::string body = Body();
  for (std::size_t start = 0, end; start < body.size(); start = end + 2) {
    end = std::min(body.find("\r\n", start), body.size());
    lines.push_back(body.substr(start, end - start));
  }
  return lines;
}

}  // namespace cardwise::testing
