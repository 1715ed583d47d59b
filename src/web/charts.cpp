#include "web/charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "records/numbers.h"
#include "records/text.h"
#include "results/result_line.h"
#include "web/pages.h"
#include "web/svg_chart.h"

namespace cardwise {

namespace {

// Bars of the histogram at the most: wider fields are grouped in wider bins.
constexpr int kMostBins = 10;

std::string Signed(double value) {
  return (value > 0.04 ? "+" : "") + AxisNumber(value);
}

// Scores against par up the side: the base line is par itself.
std::string ParTick(double value) {
  return std::abs(value) < 1e-9 ? "Par" : Signed(value);
}

// A handicap index up the side: a plus handicap (below zero) shows as "+1.2".
std::string IndexTick(double value) {
  return IndexText(static_cast<Tenths>(std::lround(value * 10)));
}

std::string SignedTwoDecimals(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.2f", value);
  return text;
}

ChartColors ColorsOf(const Page& page) {
  ChartColors colors;
  colors.Line = page.ColorText(ColorKey::Tot1);
  colors.Up = page.ColorText(ColorKey::Score2);
  colors.Down = page.ColorText(ColorKey::Score_1);
  colors.Marked = page.ColorText(ColorKey::Score_2);
  return colors;
}

void WriteSvg(Page& page, const std::vector<std::string>& lines) {
  page.Line("<DIV class=\"chart\">");
  for (const std::string& line : lines)
    page.Line(line);
  page.Line("</DIV>");
}

bool ChartsOn(const Page& page) {
  return page.Settings().Charts;
}

std::string CourseOf(const Round& round) {
  return round.CourseName.empty() ? round.CourseID : round.CourseName;
}

// The x labels of a chart over days: the first and the last day.
std::vector<ChartLabel> FirstAndLastDay(const std::vector<ChartPoint>& points,
                                        const std::vector<IndexPoint>& source) {
  std::vector<ChartLabel> labels{{points.front().X, ShortDateText(source.front().Date)}};
  if (points.size() > 1) labels.push_back({points.back().X, ShortDateText(source.back().Date)});
  return labels;
}

// "(par 4, stroke index 7)" of what the card has.
std::string HoleFacts(const std::string& par, const std::string& index) {
  std::string facts = par.empty() ? "" : "par " + par;
  if (!index.empty()) facts += (facts.empty() ? "" : ", ") + std::string("stroke index ") + index;
  return facts.empty() ? "" : " (" + facts + ")";
}

struct Bin {
  int Low = 0, Count = 0;
  bool Winner = false;
};

// The numeric results of the event and the first line's value (the winner's).
std::vector<double> NumericResults(const Event& event, std::optional<double>& winner) {
  std::vector<double> values;
  for (std::size_t i = 0; i < event.Results.size(); ++i) {
    const std::optional<double> value = ParseDecimal(ResultFields::Parse(event.Results[i]).Result);
    if (!value) continue;
    values.push_back(*value);
    if (i == 0) winner = value;
  }
  return values;
}

std::vector<Bin> Histogram(const std::vector<double>& values, std::optional<double> winner,
                           int& width) {
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  const int first = static_cast<int>(std::floor(*low)), last = static_cast<int>(std::floor(*high));
  width = std::max(1, (last - first + kMostBins) / kMostBins);
  std::vector<Bin> bins((last - first) / width + 1);
  for (std::size_t i = 0; i < bins.size(); ++i)
    bins[i].Low = first + static_cast<int>(i) * width;
  const auto binOf = [&](double value) {
    return static_cast<std::size_t>((static_cast<int>(std::floor(value)) - first) / width);
  };
  for (const double value : values)
    ++bins[binOf(value)].Count;
  if (winner) bins[binOf(*winner)].Winner = true;
  return bins;
}

std::string BinText(const Bin& bin, int width) {
  return width == 1 ? std::to_string(bin.Low)
                    : std::to_string(bin.Low) + "-" + std::to_string(bin.Low + width - 1);
}

}  // namespace

std::vector<IndexPoint> HandicapChartPoints(const HandicapRow& row) {
  std::vector<IndexPoint> points;
  if (row.RoundsCounted < kFewestHandicapScores) return points;
  for (const HandicapScore& score : row.Scores)
    if (score.IndexAfter) points.push_back({score.Date, *score.IndexAfter});
  return points;
}

HoleAverages HoleAveragesAgainstPar(const std::vector<Round*>& rounds) {
  HoleAverages averages;
  for (int hole = 1; hole <= kHoles; ++hole) {
    int sum = 0, count = 0;
    for (const Round* round : rounds) {
      const int score = round->Score.Hole(hole), par = round->CPar.Hole(hole);
      if (score <= 0 || par <= 0) continue;
      sum += score - par, ++count;
    }
    if (count > 0) averages[hole - 1] = static_cast<double>(sum) / count;
  }
  return averages;
}

void WriteHandicapChart(Page& page, const Player& player) {
  const HandicapRecords* handicaps = page.Context().Handicaps;
  if (!ChartsOn(page) || handicaps == nullptr) return;
  const HandicapRow* row = handicaps->Find(player.ID);
  if (row == nullptr) return;
  const std::vector<IndexPoint> source = HandicapChartPoints(*row);
  if (source.empty()) return;
  LineChart chart;
  double low = source.front().Index / 10.0, high = low;
  for (const IndexPoint& point : source) {
    const double index = point.Index / 10.0;
    chart.Points.push_back({static_cast<double>(point.Date), index,
                            ShortDateText(point.Date) + ": " + IndexText(point.Index)});
    low = std::min(low, index), high = std::max(high, index);
  }
  chart.Text = {"Handicap index",
                "Handicap index of " + player.Name + " from " + IndexText(source.front().Index) +
                    " on " + ShortDateText(source.front().Date) + " to " +
                    IndexText(source.back().Index) + " on " + ShortDateText(source.back().Date),
                "handicap-chart"};
  chart.XLabels = FirstAndLastDay(chart.Points, source);
  chart.YAxis = NiceAxis(low, high);
  chart.YText = IndexTick;
  WriteSvg(page, LineChartSvg(chart, ColorsOf(page)));
}

void WriteYearScoreChart(Page& page, const Player& player, const std::vector<Round*>& rounds) {
  if (!ChartsOn(page)) return;
  BarChart chart;
  double low = 0, high = 0;
  int n = 0;
  for (const Round* round : rounds) {
    ++n;
    const int score = round->Score.TotalIfComplete(), par = round->CPar.TotalIfComplete();
    if (score <= 0 || par <= 0) continue;
    chart.Bars.push_back(
        {static_cast<double>(score - par), std::to_string(n),
         ShortDateText(round->Date) + " " + CourseOf(*round) + ": " + std::to_string(score)});
    low = std::min(low, chart.Bars.back().Value), high = std::max(high, chart.Bars.back().Value);
  }
  if (chart.Bars.empty()) return;
  const std::string year = std::to_string(DecodeDate(rounds.front()->Date).year);
  chart.Text = {"Scores against par",
                "Gross score against par of each complete round of " + player.Name + " in " + year +
                    ", " + std::to_string(chart.Bars.size()) + " rounds, from " + Signed(low) +
                    " to " + Signed(high),
                "year-chart"};
  chart.YAxis = NiceAxis(low, high, 6, true);
  chart.YText = ParTick;
  WriteSvg(page, BarChartSvg(chart, ColorsOf(page)));
}

void WriteCourseHoleChart(Page& page, const Course& course, std::string_view courseID) {
  if (!ChartsOn(page)) return;
  const std::vector<Round*> rounds = SelectRounds(page.Context(), {.CourseID = courseID});
  const HoleAverages averages = HoleAveragesAgainstPar(rounds);
  BarChart chart;
  int hardest = 0, easiest = 0;
  for (int hole = 1; hole <= kHoles; ++hole) {
    const std::optional<double>& average = averages[hole - 1];
    if (!average) continue;
    if (hardest == 0 || *average > *averages[hardest - 1]) hardest = hole;
    if (easiest == 0 || *average < *averages[easiest - 1]) easiest = hole;
    const std::string index = course.Hcp.HoleText(hole), par = course.Par.HoleText(hole);
    chart.Bars.push_back({*average, std::to_string(hole) + "\n" + index,
                          "Hole " + std::to_string(hole) + HoleFacts(par, index) + ": " +
                              SignedTwoDecimals(*average) + " on average"});
  }
  if (chart.Bars.empty()) return;
  const double low = *averages[easiest - 1], high = *averages[hardest - 1];
  chart.Text = {"Holes by difficulty",
                "Average score against par on each hole of " + course.Name + " over " +
                    std::to_string(rounds.size()) + " rounds: hardest hole " +
                    std::to_string(hardest) + " (" + SignedTwoDecimals(high) + "), easiest hole " +
                    std::to_string(easiest) + " (" + SignedTwoDecimals(low) + ")",
                "course-chart"};
  chart.YAxis = NiceAxis(low, high, 6, true);
  chart.YText = Signed;
  chart.XCaption = "Hole\nSI";
  WriteSvg(page, BarChartSvg(chart, ColorsOf(page)));
}

void WriteEventFieldChart(Page& page, const Event& event) {
  if (!ChartsOn(page)) return;
  std::optional<double> winner;
  const std::vector<double> values = NumericResults(event, winner);
  if (values.size() < 2) return;
  int width = 1;
  const std::vector<Bin> bins = Histogram(values, winner, width);
  BarChart chart;
  double most = 0;
  for (const Bin& bin : bins) {
    const std::string players =
        std::to_string(bin.Count) + (bin.Count == 1 ? " player" : " players");
    const std::string tip =
        bin.Count == 0 ? ""
                       : BinText(bin, width) + ": " + players + (bin.Winner ? ", the winner" : "");
    chart.Bars.push_back(
        {static_cast<double>(bin.Count), std::to_string(bin.Low), tip, bin.Winner});
    most = std::max(most, static_cast<double>(bin.Count));
  }
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  chart.Text = {"The field",
                "Results of the " + std::to_string(values.size()) + " players of " + event.Name +
                    ", from " + AxisNumber(*low) + " to " + AxisNumber(*high) +
                    (winner ? "; the winner's " + AxisNumber(*winner) + " marked" : ""),
                "field-chart"};
  chart.YAxis = NiceAxis(0, most, 5, true);
  chart.YAxis.Step = std::max(1.0, chart.YAxis.Step);
  WriteSvg(page, BarChartSvg(chart, ColorsOf(page)));
}

}  // namespace cardwise
