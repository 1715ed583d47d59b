// The colour legend table, the more-statistics table, the ranking tables and the year
// statistics body.

#include <array>
#include <string>
#include <vector>

#include "results/stat_rankings.h"
#include "web/tables.h"

namespace cardwise {

namespace {

constexpr int kMinLegendClass = -2;
constexpr int kLastBucketClass = 2;  // the legend's last column holds every class from 3 up
constexpr int kCourseHoles = 18;
constexpr double kStandardPar = 72.0;

// --- colour legend ---

struct LegendGroup {
  Caption Label;
  ParStat RoundStats::*Stat;
};

constexpr std::array<LegendGroup, 4> kLegendGroups = {{
    {Caption::Total, &RoundStats::AllHoles},
    {Caption::Par3s, &RoundStats::Par3Holes},
    {Caption::Par4s, &RoundStats::Par4Holes},
    {Caption::Par5s, &RoundStats::Par5Holes},
}};

void WriteLegendHeading(Page& page) {
  std::string line = "<TR align=center" + CellColor(page.ColorText(ColorKey::Green)) + "><TH>" +
                     page.CaptionText(Caption::Legend) + "<TH>" +
                     page.CaptionText(Caption::Average);
  for (int d = kMinLegendClass; d <= kLastBucketClass + 1; ++d)
    line +=
        "<TD" + CellColor(page.Settings().ScoreColor(d)) + "><SMALL>" + LegendName(d) + "</SMALL>";
  page.Line(line);
}

// The six class cells of one legend row; `cellOf(d)` gives the content of class d's cell, the
// last cell (class 3) standing for every class from 3 up. An empty cell is a data cell: a
// header cell without a text says nothing to a screen reader.
template <typename CellOf>
std::string ClassCells(const Page& page, std::string_view tag, CellOf cellOf) {
  std::string cells;
  for (int d = kMinLegendClass; d <= kLastBucketClass + 1; ++d) {
    const std::string content = cellOf(d);
    cells += (content.empty() ? std::string("<TD") : std::string(tag)) +
             CellColor(page.Settings().ScoreColor(d)) + ">" + content;
  }
  return cells;
}

void WriteLegendGroup(Page& page, const ParStat& stat, const std::string& label,
                      std::string_view tag) {
  const std::string rowStart =
      "<TR align=center" + CellColor(page.ColorText(ColorKey::Green)) + ">";
  const std::string back = "<TD" + CellColor(page.ColorText(ColorKey::Back)) + ">";
  page.Line(rowStart + "<TH rowspan=2>" + label + back + stat.MeanToParText() +
            ClassCells(page, tag, [&](int d) {
              return std::to_string(d > kLastBucketClass ? stat.HighTotal() : stat.BucketOf(d));
            }));
  page.Line(rowStart + back + "<SMALL>" + stat.PerRoundText() + "</SMALL>" +
            ClassCells(page, tag, [&](int d) {
              const std::string share =
                  d > kLastBucketClass ? stat.HighShareText() : stat.BucketShareText(d);
              return share.empty() ? share : "<SMALL>" + share + "</SMALL>";
            }));
}

// --- more statistics ---

struct MoreStatsRow {
  const char* Anchor;
  Caption Label;
  std::string (*Result)(const RoundStats&);
  std::string (*Count)(const RoundStats&);
};

const std::array<MoreStatsRow, 9>& MoreStatsRows() {
  using S = const RoundStats&;
  static const std::array<MoreStatsRow, 9> rows = {{
      {"stroke", Caption::StrokeAverage,
       [](S s) {
         return FixedText(kStandardPar + kCourseHoles * double{s.AllHoles.MeanToPar()}, 1, 3);
       },
       [](S s) { return std::to_string(s.AllHoles.BucketTotal()); }},
      {"birdie", Caption::BirdieAverage, [](S s) { return s.Birdies.MeanText(3); },
       [](S s) { return s.Birdies.SamplesText(); }},
      {"puttsall", Caption::PuttsPerRound, [](S s) { return s.PuttsPerRound.MeanText(1); },
       [](S s) { return s.PuttsPerRound.SamplesText(); }},
      {"puttsreg", Caption::PuttingAverage, [](S s) { return s.PuttsPerGIR.MeanText(3); },
       [](S s) { return s.PuttsPerGIR.SamplesText(); }},
      {"greens", Caption::GreensInRegulation, [](S s) { return s.GreensShare.PercentText(); },
       [](S s) { return s.GreensShare.SamplesText(); }},
      {"fairways", Caption::DrivingAccuracy, [](S s) { return s.FairwaysShare.PercentText(); },
       [](S s) { return s.FairwaysShare.SamplesText(); }},
      {"chipins", Caption::ChipIns, [](S s) { return s.ChipIns.MeanText(3); },
       [](S s) { return s.ChipIns.SamplesText(); }},
      {"nindex", Caption::NIndex, [](S s) { return s.NIndex.MeanText(1); },
       [](S s) { return s.NIndex.SamplesText(); }},
      {"mindex", Caption::MIndex, [](S s) { return s.MIndexText(); },
       [](S s) { return s.AfterBogey.SamplesText(); }},
  }};
  return rows;
}

// --- ranking tables ---

void WriteRankingHeading(Page& page, const Ranking& ranking) {
  page.Line(std::string("<H3>") + ranking.Name + "</H3>");
  page.Line(kTableStart);
  std::string row = " <TR" + CellColor(page.ColorText(ColorKey::Green)) + "><TH>" +
                    page.CaptionText(Caption::Rank) + "<TH>" + page.CaptionText(Caption::Player) +
                    "<TH>" + page.CaptionText(Caption::Round) + "<TH>" +
                    page.CaptionText(Caption::Average);
  if (ranking.TotalColumn) row += "<TH>" + page.CaptionText(Caption::Total);
  page.Line(row);
}

void WriteRankingRow(Page& page, const Ranking& ranking, const StatList& list,
                     const RankedEntry& entry, int shown) {
  const SumStat& stat = list.RS(entry.Index).*ranking.Stat;
  std::string row = shown % 2 == 1 ? std::string(" <TR>")
                                   : " <TR" + CellColor(page.ColorText(ColorKey::Total)) + ">";
  row += "<TD align=\"center\"><B>" + std::to_string(entry.Rank) + "</B>";
  row += "<TD>" + PlayerAnchor(page.Context(), list.P(entry.Index, page.Context().Data));
  row += "<TD align=\"center\">" + std::to_string(stat.Samples);
  row += "<TD align=\"center\"><B>" + RankingValue(ranking, stat) + "</B>";
  if (ranking.TotalColumn) row += "<TD align=\"center\">" + FixedText(stat.Sum, 0, 1);
  page.Line(row);
}

void WriteRankingTable(Page& page, const Ranking& ranking, StatList& list) {
  // Ranked even when left out: the order of tied entries carries over to the next table.
  const std::vector<RankedEntry> ranked = RankEntries(ranking, list, page.Settings().nStatList);
  if (!ranking.Always && ranked.empty()) return;
  WriteRankingHeading(page, ranking);
  int shown = 0;
  for (const RankedEntry& entry : ranked)
    WriteRankingRow(page, ranking, list, entry, ++shown);
  page.Line("</TABLE>");
}

}  // namespace

void WriteLegendTable(Page& page, const RoundStats& stats) {
  page.Line("<!-- Table with Statistics, Color legend -->");
  page.Line(kTableStart);
  WriteLegendHeading(page);
  for (const LegendGroup& group : kLegendGroups) {
    const bool allHoles = group.Stat == &RoundStats::AllHoles;
    WriteLegendGroup(page, stats.*group.Stat, page.CaptionText(group.Label),
                     allHoles ? "<TH" : "<TD");
  }
  page.Line("</TABLE>");
}

void WriteMoreStatsTable(Page& page, const RoundStats& stats) {
  page.Line("<!-- Table with Statistics, Putts, Greens & more -->");
  page.Line(kTableStart);
  page.Line("<TR" + CellColor(page.ColorText(ColorKey::Green)) + "><TH>" +
            page.CaptionText(Caption::Legend) + "<TH>" + page.CaptionText(Caption::Result) +
            "<TH>" + page.CaptionText(Caption::Total));
  int number = 0;
  for (const MoreStatsRow& row : MoreStatsRows()) {
    const std::string start = ++number % 2 == 1
                                  ? std::string("<TR>")
                                  : "<TR" + CellColor(page.ColorText(ColorKey::Total)) + ">";
    page.Line(start + "<TD><A href=\"../index/help.htm#" + row.Anchor + "\">" +
              page.CaptionText(row.Label) + "</A>" + HeaderCell(row.Result(stats)) +
              HeaderCell(row.Count(stats)));
  }
  page.Line("</TABLE>");
}

void WriteRankingTables(Page& page, StatList& list) {
  if (list.Count() == 0) return;
  for (const Ranking& ranking : Rankings())
    WriteRankingTable(page, ranking, list);
}

void WriteYearStats(Page& page, int year) {
  page.Line("<H1>" + std::to_string(year) + "</H1>");
  StatList list;
  list.Generate(page.Context().Data, "", year);
  WriteRankingTables(page, list);
  page.WriteLinksBar();
}

}  // namespace cardwise
