#include <string>

#include "platform/status_sink.h"
#include "records/text.h"
#include "web/charts.h"
#include "web/pages.h"
#include "web/round_index.h"
#include "web/tables.h"

namespace cardwise {

namespace {

// "out+in=<B>total</B>" of a course row. The row is a copy: Total() keeps what it computes.
std::string SplitSumText(Result row) {
  const int total = row.Total();
  return std::to_string(row.Out()) + "+" + std::to_string(row.In()) + "=<B>" +
         std::to_string(total) + "</B>";
}

std::string RatingText(const Course& course) {
  return "<SMALL>CR=</SMALL>" + FixedText(course.CR, 1, 2) + " <SMALL>Slope=</SMALL>" +
         FixedText(course.Slope, 0, 1);
}

void WriteCourseInfo(Page& page, const Course& course, const std::string& name) {
  const AppSettings& settings = page.Context().Settings;
  const std::string& green = settings.Color(ColorKey::Green);
  const std::string& total = settings.Color(ColorKey::Total);
  page.Line("<H1>" + settings.CaptionText(Caption::CourseInfo) + " " + name + "</H1>");
  page.Line("<!-- Table with course info -->");
  page.Line(kTableStart);
  WriteInfoRow(page, green, settings.CaptionText(Caption::Phone), HtmlEscape(course.Phone));
  WriteInfoRow(page, total, settings.CaptionText(Caption::Length), SplitSumText(course.Len));
  WriteInfoRow(page, green, settings.CaptionText(Caption::Par), SplitSumText(course.Par));
  WriteInfoRow(page, total, settings.CaptionText(Caption::CourseRating), RatingText(course));
  if (!course.URL.empty())
    WriteInfoRow(page, total, settings.CaptionText(Caption::URL), AddressLink("", course.URL));
  page.Line("</TABLE>");
}

}  // namespace

std::vector<Round*> SelectRounds(RoundList& rounds, const RoundFilter& filter) {
  std::vector<Round*> selected;
  for (int i = 0; i < rounds.Count(); ++i) {
    Round& round = rounds.RecordAt(i);
    if (!filter.PlayerID.empty() && round.PlayerID != filter.PlayerID) continue;
    if (!filter.CourseID.empty() && round.CourseID != filter.CourseID) continue;
    if (round.InYear(filter.Date)) selected.push_back(&round);
  }
  return selected;
}

std::vector<Round*> SelectRounds(const WebContext& context, const RoundFilter& filter) {
  const RoundIndex* index = context.Rounds;
  if (index == nullptr || (filter.PlayerID.empty() && filter.CourseID.empty()))
    return SelectRounds(context.Data.Rounds, filter);
  // Every group is in list order. Without a year, a player's rounds are fewer than a course's.
  std::span<const int> group;
  const int year = DecodeDate(filter.Date).year;
  if (filter.Date == 0)
    group = filter.PlayerID.empty() ? index->ByCourse(filter.CourseID)
                                    : index->ByPlayer(filter.PlayerID);
  else if (filter.PlayerID.empty())
    group = index->ByCourseYear(filter.CourseID, year);
  else if (filter.CourseID.empty())
    group = index->ByPlayerYear(filter.PlayerID, year);
  else
    group = index->ByPlayerCourseYear(filter.PlayerID, filter.CourseID, year);
  std::vector<Round*> selected;
  selected.reserve(group.size());
  for (const int position : group) {
    Round& round = index->At(position);
    if (filter.CourseID.empty() || round.CourseID == filter.CourseID) selected.push_back(&round);
  }
  return selected;
}

void WriteInfoRow(Page& page, const std::string& color, std::string_view caption,
                  std::string_view value) {
  page.Line("<TR" + CellColor(color) + "><TD>" + std::string(caption) + "<TD>" +
            std::string(value));
}

void WriteEclecticRow(Page& page, const RoundStats& stats, const Course& course) {
  if (stats.MaxHolePlayed() <= 1) return;
  WriteScoreRow(page, page.Context().Settings.CaptionText(Caption::Eclectic), stats.Eclectic,
                &course.Par);
  page.EndLine();
}

void WriteStatsFooter(Page& page, const RoundStats& stats, std::string_view subject) {
  const AppSettings& settings = page.Context().Settings;
  std::string tail = " ";
  tail.append(subject).append("</H4>");
  page.Line("<H4>" + settings.CaptionText(Caption::ParStats) + tail);
  WriteLegendTable(page, stats);
  page.Line("<H4>" + settings.CaptionText(Caption::OtherStats) + tail);
  WriteMoreStatsTable(page, stats);
  page.WriteLinksBar();
}

void WriteCoursePage(Page& page, std::string_view courseID, DateTime date) {
  const WebContext& context = page.Context();
  const Course* course = context.Data.Courses.FindRecord(courseID);
  if (course == nullptr) return;
  // A card changed since `date` shows only the rounds played on the card as it is now.
  if (course->Changed > date) date = course->Changed;
  const std::string name = HtmlEscape(course->Name);
  ShowStatus(course->Name);
  page.WritePicture(course->ID, course->Name);
  WriteCourseInfo(page, *course, name);

  const std::vector<Round*> rounds = SelectRounds(context, {.CourseID = courseID, .Date = date});
  RoundStats stats;
  for (const Round* round : rounds)
    stats.AddRound(*round);
  page.Line("<!-- Table with Statistics for one course -->");
  page.Line(kTableStart);
  WriteCourseRows(page, *course, stats);
  for (const Round* round : rounds) {
    WriteScoreRow(page, RoundIDAnchor(context, *round), round->Score, &round->CPar);
    page.EndLine();
  }
  WriteEclecticRow(page, stats, *course);
  page.Line("</TABLE>");
  WriteCourseHoleChart(page, *course, courseID);
  WriteStatsFooter(page, stats, name);
}

}  // namespace cardwise
