#include <string>

#include "platform/status_sink.h"
#include "records/text.h"
#include "web/pages.h"
#include "web/round_index.h"
#include "web/tables.h"

namespace cardwise {

namespace {

// "out+in=<B>total</B>" of a course row. The row is a copy: Total() keeps what it computes.
std::string SplitSumText(TResult row) {
  const int total = row.Total();
  return std::to_string(row.Out()) + "+" + std::to_string(row.In()) + "=<B>" +
         std::to_string(total) + "</B>";
}

std::string RatingText(const TCourse& course) {
  return "<SMALL>CR=</SMALL>" + FixedText(course.CR, 1, 2) + " <SMALL>Slope=</SMALL>" +
         FixedText(course.Slope, 0, 1);
}

void WriteCourseInfo(TPage& page, const TCourse& course, const std::string& name) {
  const TSettings& settings = page.Context().Settings;
  const std::string& green = settings.Color(ColorKey::Green);
  const std::string& total = settings.Color(ColorKey::Total);
  page.Line("<H3>" + settings.CaptionText(Caption::CourseInfo) + " " + name + "</H3>");
  page.Line("<!-- Table with course info -->");
  page.Line("<TABLE>");
  WriteInfoRow(page, green, settings.CaptionText(Caption::Phone), HtmlEscape(course.Phone));
  WriteInfoRow(page, total, settings.CaptionText(Caption::Length), SplitSumText(course.Len));
  WriteInfoRow(page, green, settings.CaptionText(Caption::Par), SplitSumText(course.Par));
  WriteInfoRow(page, total, settings.CaptionText(Caption::CourseRating), RatingText(course));
  if (!course.URL.empty()) {
    const std::string url = HtmlEscape(course.URL);
    WriteInfoRow(page, total, settings.CaptionText(Caption::URL),
                 "<A href=\"" + url + "\">" + url + "</A>");
  }
  page.Line("</TABLE>");
}

}  // namespace

std::vector<TRound*> SelectRounds(TRoundList& rounds, const TRoundFilter& filter) {
  std::vector<TRound*> selected;
  for (int i = 0; i < rounds.Count(); ++i) {
    TRound& round = rounds.RecordAt(i);
    if (!filter.PlayerID.empty() && round.PlayerID != filter.PlayerID) continue;
    if (!filter.CourseID.empty() && round.CourseID != filter.CourseID) continue;
    if (round.InYear(filter.Date)) selected.push_back(&round);
  }
  return selected;
}

std::vector<TRound*> SelectRounds(const TWebContext& context, const TRoundFilter& filter) {
  const TRoundIndex* index = context.Rounds;
  if (index == nullptr || (filter.PlayerID.empty() && filter.CourseID.empty()))
    return SelectRounds(context.Database.Rounds, filter);
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
  std::vector<TRound*> selected;
  selected.reserve(group.size());
  for (const int position : group) {
    TRound& round = index->At(position);
    if (filter.CourseID.empty() || round.CourseID == filter.CourseID) selected.push_back(&round);
  }
  return selected;
}

void WriteInfoRow(TPage& page, const std::string& color, std::string_view caption,
                  std::string_view value) {
  page.Line("<TR bgcolor=\"" + color + "\"><TD>" + std::string(caption) + "<TD>" +
            std::string(value));
}

void WriteEclecticRow(TPage& page, const TRoundStats& stats, const TCourse& course) {
  if (stats.MaxHolePlayed() <= 1) return;
  WriteScoreRow(page, page.Context().Settings.CaptionText(Caption::Eclectic), stats.Eclectic,
                &course.Par);
  page.EndLine();
}

void WriteStatsFooter(TPage& page, const TRoundStats& stats, std::string_view subject) {
  const TSettings& settings = page.Context().Settings;
  std::string tail = " ";
  tail.append(subject).append("</H4>");
  page.Line("<H4>" + settings.CaptionText(Caption::ParStats) + tail);
  WriteLegendTable(page, stats);
  page.Line("<H4>" + settings.CaptionText(Caption::OtherStats) + tail);
  WriteMoreStatsTable(page, stats);
  page.WriteLinksBar();
}

void WriteCoursePage(TPage& page, std::string_view courseID, DateTime date) {
  const TWebContext& context = page.Context();
  const TCourse* course = context.Database.Courses.FindRecord(courseID);
  if (course == nullptr) return;
  // A card changed since `date` shows only the rounds played on the card as it is now.
  if (course->Changed > date) date = course->Changed;
  const std::string name = HtmlEscape(course->Course);
  ShowStatus(course->Course);
  page.WritePicture(course->ID, course->Course);
  WriteCourseInfo(page, *course, name);

  const std::vector<TRound*> rounds = SelectRounds(context, {.CourseID = courseID, .Date = date});
  TRoundStats stats;
  for (const TRound* round : rounds)
    stats.AddRound(*round);
  page.Line("<!-- Table with Statistics for one course -->");
  page.Line("<TABLE border=0>");
  WriteCourseRows(page, *course, stats);
  for (const TRound* round : rounds) {
    WriteScoreRow(page, RoundIDAnchor(context, *round), round->Score, &round->CPar);
    page.EndLine();
  }
  WriteEclecticRow(page, stats, *course);
  page.Line("</TABLE>");
  WriteStatsFooter(page, stats, name);
}

}  // namespace cardwise
