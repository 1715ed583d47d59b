// The 18-hole rows, the course block and a round's scorecard.
//
// Every hole row walks the holes the same way: a cell per hole, one extra cell after hole 9 and
// the back-nine and total cells after hole 18. ForEachHole carries that walk; the writers only
// say what a hole cell and each sum cell hold.

#include <array>
#include <string>

#include "platform/status_sink.h"
#include "records/text.h"
#include "web/tables.h"

namespace cardwise {

namespace {

constexpr int kFrontNine = 9;
constexpr int kDefaultPar = 4;
constexpr int kMinLegendClass = -2;
constexpr int kMaxLegendClass = 3;

void RowStart(Page& page, std::string_view label, const std::string& color, bool nowrap) {
  page.Text("<TR align=center" + CellColor(color) + (nowrap ? " nowrap" : "") + "><TD align=left>");
  page.Text(label);
}

// hole(h) writes the cell of hole h, afterNine() the extra cell after hole 9.
template <typename HoleCell, typename AfterNine>
void ForEachHole(HoleCell hole, AfterNine afterNine) {
  for (int h = 1; h <= kHoles; ++h) {
    hole(h);
    if (h == kFrontNine) afterNine();
  }
}

// The total as Result::Total gives it, without touching the row's stored total.
int TotalOf(const Result& row) {
  Result copy = row;
  return copy.Total();
}

int ParOf(const Result* par, int hole) {
  return par != nullptr ? par->Hole(hole) : kDefaultPar;
}

int ParSum(const Result* par, int from, int to) {
  int sum = 0;
  for (int h = from; h <= to; ++h)
    sum += ParOf(par, h);
  return sum;
}

std::string ScoreCell(const AppSettings& settings, int score, int par) {
  if (score == 0) return "<TD>-";
  const int d = score - par;
  const std::string tag = d == 0 ? "<TH>" : "<TH" + CellColor(settings.ScoreColor(d)) + ">";
  return tag + std::to_string(score);
}

std::string SumCell(const AppSettings& settings, int sum, int parSum) {
  if (sum == 0) return "<TD>-";
  return "<TH" + CellColor(settings.Color(ColorKey::Total)) + "><FONT color=\"" +
         settings.TotColor(sum - parSum) + "\">" + std::to_string(sum) + "</FONT>";
}

std::string ValueSumCell(int sum) {
  return sum == 0 ? "<TD>" : "<TH>" + std::to_string(sum);
}

int MarkCount(const Result& values, int from, int to) {
  int count = 0;
  for (int h = from; h <= to; ++h)
    if (values.Hole(h) > 0) ++count;
  return count;
}

std::string MarkSumCell(int count) {
  return count >= 1 ? "<TD>" + std::to_string(count) : "<TD>";
}

std::string LegendCell(const Page& page, const RoundStats& stats, int d) {
  return "<TD align=left" + CellColor(page.Settings().ScoreColor(d)) + "><SMALL>" + LegendName(d) +
         ":&nbsp;" + std::to_string(stats.AllHoles.BucketOf(d)) + "</SMALL>";
}

void WriteScorecardHeading(Page& page, const Round& round) {
  const WebContext& context = page.Context();
  const Event* event =
      round.EventID.empty() ? nullptr : context.Data.Events.FindRecord(round.EventID);
  page.Line("<TR" + CellColor(page.ColorText(ColorKey::Green)) + " nowrap><TH colspan=4>" +
            PlayerAnchor(context, round.PlayerOf(context.Data.Players)) +
            "<TH align=left colspan=6>" + round.DateText() + "<TD align=center>" +
            FixedText(round.Hcp, 1, 2) + "<TD colspan=6>" + PlayerCourseAnchor(context, round) +
            "<TD colspan=5>" + (event != nullptr ? EventAnchor(context, event) : "") +
            "<TD>Legend");
}

// The six rows that always appear, each closed by the legend cell of one score class.
void WriteScorecardRows(Page& page, const Round& round, const RoundStats& stats) {
  int d = kMinLegendClass;
  const auto legend = [&] { page.Line(LegendCell(page, stats, d++)); };
  WriteHoleRow(page, page.CaptionText(Caption::Hole), page.ColorText(ColorKey::Green));
  legend();
  WriteValueRow(page, page.CaptionText(Caption::Length), round.CLen, page.ColorText(ColorKey::Len));
  legend();
  WriteValueRow(page, page.CaptionText(Caption::Par), round.CPar, page.ColorText(ColorKey::Green));
  legend();
  WriteValueRow(page, page.CaptionText(Caption::Hcp), round.CHcp, page.ColorText(ColorKey::Green));
  legend();
  WriteScoreRow(page, "<B>" + page.CaptionText(Caption::Score) + "</B>", round.Score, &round.CPar);
  legend();
  WritePointsRow(page, page.CaptionText(Caption::Points), round, page.ColorText(ColorKey::Back));
  legend();
}

// Putts, greens and fairways appear only when something was entered for them.
void WriteScorecardExtras(Page& page, const Round& round) {
  const std::string& back = page.ColorText(ColorKey::Back);
  if (TotalOf(round.Putts) > 0) {
    WriteValueRow(page, page.CaptionText(Caption::Putts), round.Putts, back);
    page.EndLine();
  }
  if (TotalOf(round.Greens) > 0) {
    WriteMarkRow(page, page.CaptionText(Caption::Greens), round.Greens, back, "o");
    page.EndLine();
  }
  if (TotalOf(round.Fairways) > 0) {
    WriteMarkRow(page, page.CaptionText(Caption::Fairways), round.Fairways, back, "x");
    page.EndLine();
  }
}

}  // namespace

const char* LegendName(int scoreClass) {
  static constexpr std::array<const char*, 6> kNames = {"Eagles", "Birdies", "Pars",
                                                        "Bogies", "Doubles", "Others"};
  if (scoreClass < kMinLegendClass || scoreClass > kMaxLegendClass) return "";
  return kNames[static_cast<std::size_t>(scoreClass - kMinLegendClass)];
}

void WriteScoreRow(Page& page, std::string_view label, const Result& scores, const Result* par) {
  const AppSettings& settings = page.Settings();
  RowStart(page, label, settings.Color(ColorKey::Score0), true);
  const auto sum = [&](int value, int from, int to) {
    page.Text(SumCell(settings, value, ParSum(par, from, to)));
  };
  ForEachHole([&](int h) { page.Text(ScoreCell(settings, scores.Hole(h), ParOf(par, h))); },
              [&] { sum(scores.OutIfComplete(), 1, kFrontNine); });
  sum(scores.InIfComplete(), kFrontNine + 1, kHoles);
  sum(scores.TotalIfComplete(), 1, kHoles);
}

void WritePointsRow(Page& page, std::string_view label, const Round& round,
                    const std::string& color) {
  RowStart(page, label, color, true);
  ForEachHole([&](int h) { page.Text("<TD>" + std::to_string(round.Points(h))); },
              [&] { page.Text("<TH>" + std::to_string(round.PointsOut())); });
  page.Text("<TH>" + std::to_string(round.PointsIn()));
  page.Text("<TH>" + std::to_string(round.PointsTotal()));
}

void WriteValueRow(Page& page, std::string_view label, const Result& values,
                   const std::string& color) {
  const std::string filler = label == "Length" ? "---" : "";
  RowStart(page, label, color, false);
  ForEachHole(
      [&](int h) {
        const int value = values.Hole(h);
        page.Text("<TD>" + (value == 0 ? filler : std::to_string(value)));
      },
      [&] { page.Text(ValueSumCell(values.Out())); });
  page.Text(ValueSumCell(values.In()));
  page.Text(ValueSumCell(TotalOf(values)));
}

void WriteMarkRow(Page& page, std::string_view label, const Result& values,
                  const std::string& color, std::string_view mark) {
  RowStart(page, label, color, false);
  ForEachHole(
      [&](int h) {
        page.Text("<TD>");
        if (values.Hole(h) > 0) page.Text(mark);
      },
      [&] { page.Text(MarkSumCell(MarkCount(values, 1, kFrontNine))); });
  page.Text(MarkSumCell(MarkCount(values, kFrontNine + 1, kHoles)));
  page.Text(MarkSumCell(MarkCount(values, 1, kHoles)));
}

void WriteRankRow(Page& page, std::string_view label, const std::array<std::int16_t, kHoles>& ranks,
                  const std::string& color) {
  // The label is compared as passed: a renamed caption loses the heading cells and the filler.
  const std::string tag = label == "Hole" ? "<TH>" : "<TD>";
  const std::string filler = label == "Length" ? "---" : "";
  RowStart(page, label, color, false);
  ForEachHole(
      [&](int h) {
        const int rank = ranks[static_cast<std::size_t>(h - 1)];
        page.Text(tag + (rank == 0 ? filler : std::to_string(rank)));
      },
      [&] { page.Text(tag); });
  // The ranks carry no out, in or total: their cells stay empty.
  page.Text(tag + tag);
}

void WriteAverageRow(Page& page, std::string_view label, const RoundStats& stats,
                     const std::string& color) {
  RowStart(page, label, color, false);
  ForEachHole(
      [&](int h) {
        const auto i = static_cast<std::size_t>(h - 1);
        page.Text("<TD><SMALL>" + FixedText(stats.HolePar[i] + stats.HoleToPar[i], 2, 3) +
                  "</SMALL>");
      },
      [&] { page.Text("<TD>"); });
}

void WriteHoleRow(Page& page, std::string_view label, const std::string& color) {
  RowStart(page, label, color, false);
  ForEachHole([&](int h) { page.Text("<TD>" + std::to_string(h)); }, [&] { page.Text("<TD>Out"); });
  page.Text("<TD>In<TD>Total");
}

void WriteCourseRows(Page& page, const Course& course, RoundStats& stats) {
  const AppSettings& settings = page.Settings();
  const std::string& green = settings.Color(ColorKey::Green);
  stats.RankHoles(course.Par);
  const int played = stats.MaxHolePlayed();
  WriteHoleRow(page, page.CaptionText(Caption::Hole), green);
  page.EndLine();
  WriteValueRow(page, page.CaptionText(Caption::Length), course.Len, settings.Color(ColorKey::Len));
  page.EndLine();
  WriteValueRow(page, page.CaptionText(Caption::Par), course.Par, green);
  page.EndLine();
  WriteValueRow(page, page.CaptionText(Caption::Hcp), course.Hcp, green);
  page.EndLine();
  if (played >= settings.RoundsForRankHead) {
    WriteRankRow(page, page.CaptionText(Caption::Rank), stats.HoleRank,
                 settings.Color(ColorKey::Total));
    page.EndLine();
  }
  if (played >= settings.RoundsForParHead) WriteDistributionRows(page, stats);
  if (played >= settings.RoundsForRankHead) {
    WriteAverageRow(page, page.CaptionText(Caption::Average), stats, green);
    page.EndLine();
  }
}

void WriteDistributionRows(Page& page, const RoundStats& stats) {
  for (int d = kMinLegendClass; d <= kMaxLegendClass; ++d) {
    RowStart(page, LegendName(d), page.Settings().ScoreColor(d), false);
    ForEachHole(
        [&](int h) {
          page.Text("<TD>" + stats.HoleStats[static_cast<std::size_t>(h - 1)].BucketText(d));
        },
        [&] { page.Text("<TD>"); });
    page.EndLine();
  }
}

void WriteScorecard(Page& page, const Round& round) {
  RoundStats stats;
  stats.AddRound(round);
  ShowStatus(round.DateText());
  page.Line("<H1>" + page.CaptionText(Caption::ScoreCard) + ": " + round.DateText() + " / " +
            HtmlEscape(ProperCase(round.PlayerName)) + "</H1>");
  page.Line("<!-- Table with ScoreCard -->");
  page.Line("<A name=\"" + HtmlEscape(round.ID) + "\">" + std::string(kTableStart));
  WriteScorecardHeading(page, round);
  WriteScorecardRows(page, round, stats);
  WriteScorecardExtras(page, round);
  page.Line("</TABLE></A>");
  page.WriteLinksBar();
}

}  // namespace cardwise
