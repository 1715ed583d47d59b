#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "platform/files.h"
#include "platform/status_sink.h"
#include "records/golf_rules.h"
#include "records/text.h"
#include "results/player_merits.h"
#include "web/charts.h"
#include "web/pages.h"
#include "web/tables.h"

namespace cardwise {

namespace {

// Info rows whose background alternates between Green and Total, starting with Green.
class AlternatingRows {
 public:
  explicit AlternatingRows(Page& page) : page_(page) {}

  void Add(Caption caption, std::string_view value) {
    WriteInfoRow(page_, page_.ColorText(green_ ? ColorKey::Green : ColorKey::Total),
                 page_.CaptionText(caption), value);
    green_ = !green_;
  }

 private:
  Page& page_;
  bool green_ = true;
};

// The opening of a list row: plain on odd rows, on colour Total on even ones.
std::string ListRowStart(const Page& page, int n) {
  if (n % 2 == 1) return "<TR nowrap>";
  return "<TR nowrap" + CellColor(page.ColorText(ColorKey::Total)) + ">";
}

void WritePlayerInfo(Page& page, const Player& player, const std::string& name) {
  page.Line("<H1>" + page.CaptionText(Caption::PlayerInfo) + " " + name + "</H1>");
  page.Line("<!-- Table with player info -->");
  page.Line(kTableStart);
  // A member's phone and e-mail address are published only when the club has chosen to.
  const bool contacts = page.Settings().PublishContacts;
  AlternatingRows rows(page);
  if (contacts) rows.Add(Caption::Phone, HtmlEscape(player.Phone));
  rows.Add(Caption::Hcp, FixedText(player.Hcp, 1, 2));
  if (contacts) rows.Add(Caption::Email, AddressLink("mailto:", player.Email));
  if (!player.URL.empty()) rows.Add(Caption::URL, AddressLink("", player.URL));
  if (!player.Club.empty()) rows.Add(Caption::Club, HtmlEscape(player.Club));
  page.Line("</TABLE>");
}

// Links to the player's year pages of the last eleven years, for the pages that exist now (the
// driver writes the year pages first, so this pass's years are linked too).
void WriteYearLinks(Page& page, const Player& player) {
  const WebContext& context = page.Context();
  std::string line = "<TR" + CellColor(page.ColorText(ColorKey::Total)) + "><TD><SMALL>" +
                     page.CaptionText(Caption::LinkToPlayerStats) + "</SMALL>";
  for (const int year : LinkedPlayerYears(context, player.ID)) {
    const PageLocation location = PlayerYearPage(context.Settings, player.ID, year);
    line +=
        "<TD><A href=\"" + HtmlEscape(PageLink(location)) + "\">" + std::to_string(year) + "</A>";
  }
  page.Line("<!-- Table with player stat-links -->");
  page.Line(kTableStart);
  page.Line(line);
  page.Line("</TABLE>");
}

// A merits table that appears with its first row: heading, table and heading row are written
// then, and the closing tag only when a row was.
class MeritTable {
 public:
  MeritTable(Page& page, Caption caption, std::string kind, const std::string& name)
      : page_(page), caption_(caption), kind_(std::move(kind)), name_(name) {}

  void Add(const std::string& anchor, std::string_view place) {
    if (rows_ == 0) WriteHead();
    ++rows_;
    page_.Line(ListRowStart(page_, rows_) + "<TD>" + anchor + HeaderCell(HtmlEscape(place)));
  }

  void Close() {
    if (rows_ > 0) page_.Line("</TABLE>");
  }

 private:
  void WriteHead() {
    page_.Line("<H3>" + page_.CaptionText(caption_) + " " + name_ + "</H3>");
    page_.Line("<!-- Table with players " + kind_ + " merits -->");
    page_.Line(kTableStart);
    page_.Line("<TR" + CellColor(page_.ColorText(ColorKey::Green)) + " nowrap><TH align=left>" +
               kind_ + "<TH>Pla");
  }

  Page& page_;
  Caption caption_;
  std::string kind_;
  const std::string& name_;
  int rows_ = 0;
};

// The tours in whose first MaxTourMerits standing lines the player stands, then the events in
// whose first MaxEventMerits result lines the player stands, placed no lower than MaxEventMerits
// (a tie for the last counted place may push a line further down): from the run's index of the
// merits, or from one made for this page.
void WriteMerits(Page& page, std::string_view playerID, const std::string& name) {
  const WebContext& context = page.Context();
  std::optional<PlayerMerits> own;
  const PlayerMerits* merits = context.Merits;
  if (merits == nullptr)
    merits = &own.emplace(context.Data.Events, context.Data.Tours, context.Settings.MaxEventMerits,
                          context.Settings.MaxTourMerits);
  MeritTable tours(page, Caption::TourMerits, "Tour", name);
  for (const TourMerit& merit : merits->OfTours(playerID))
    tours.Add(TourAnchor(context, *merit.Of), merit.Place);
  tours.Close();
  MeritTable events(page, Caption::EventMerits, "Event", name);
  for (const EventMerit& merit : merits->OfEvents(playerID))
    events.Add(EventAnchor(context, merit.Of), merit.Place);
  events.Close();
}

// The total of a row including its stored total; the row is a copy, since Total() keeps what it
// computes.
int TotalOf(Result row) {
  return row.Total();
}

// A sum cell of a round's line: an empty cell for 0, else coloured by the sum against its par.
std::string SumCell(const Page& page, int sum, int par) {
  if (sum == 0) return "<TD>";
  const AppSettings& settings = page.Context().Settings;
  return "<TH" + CellColor(settings.Color(ColorKey::Total)) + "><FONT color=\"" +
         settings.TotColor(sum - par) + "\">" + std::to_string(sum) + "</FONT>";
}

// The colour class of a value against its reference, -1 (better) to 1 (worse). A negative
// reference names a figure where more is better: its magnitude is compared and the sign turned.
int ReferenceClass(int value, int reference) {
  const int e = std::clamp(value - std::abs(reference), -1, 1);
  return reference < 0 ? -e : e;
}

std::string SmallSumCell(const Page& page, int value, int reference) {
  if (value == 0) return "<TD>";
  const AppSettings& settings = page.Context().Settings;
  return "<TD align=center" + CellColor(settings.Color(ColorKey::Total)) + "><FONT color=\"" +
         settings.TotColor(ReferenceClass(value, reference)) + "\"><SMALL>" +
         std::to_string(value) + "</SMALL></FONT>";
}

constexpr int kPointsReference = -kStablefordPar;  // more is better
constexpr int kPuttsReference = 36;

// Line n of the year table: the round's links, handicap, score sums and totals.
void WriteYearRow(Page& page, const Round& round, int n) {
  const WebContext& context = page.Context();
  const Result& score = round.Score;
  const Result& par = round.CPar;
  const int greens = TotalOf(round.Greens);
  const int fairways = TotalOf(round.Fairways);
  page.Line(ListRowStart(page, n) + "<TH>" + std::to_string(n) + "<TD>" +
            RoundDateAnchor(context, round) + "<TD>" + PlayerCourseAnchor(context, round) +
            "<TD align=center><SMALL>" + FixedText(round.Hcp, 1, 2) +
            "</SMALL><TD align=center><B>" + std::to_string(round.Strokes) + "</B>" +
            SumCell(page, score.OutIfComplete(), par.Out()) +
            SumCell(page, score.InIfComplete(), par.In()) +
            SumCell(page, score.TotalIfComplete(), TotalOf(par)) +
            SmallSumCell(page, round.PointsTotal(), kPointsReference) +
            SmallSumCell(page, TotalOf(round.Putts), kPuttsReference) +
            SmallSumCell(page, greens, greens) + SmallSumCell(page, fairways, fairways));
}

void WriteYearTableHead(Page& page, int year) {
  std::string head = "<TR" + CellColor(page.ColorText(ColorKey::Green)) + " nowrap><TH>#";
  const std::pair<const char*, Caption> columns[] = {
      {"<TH>", Caption::ScoreCard}, {"<TH>", Caption::Course}, {"<TH colspan=2>", Caption::Hcp},
      {"<TH>", Caption::Out},       {"<TH>", Caption::In},     {"<TH>", Caption::Tot},
      {"<TH>", Caption::Pts},       {"<TH>", Caption::Put},    {"<TH>", Caption::Gr},
      {"<TH>", Caption::Fw}};
  for (const auto& [tag, caption] : columns)
    head += tag + page.CaptionText(caption);
  page.Line("<!-- Table with player statistics " + std::to_string(year) + " -->");
  page.Line(kTableStart);
  page.Line(head);
}

}  // namespace

std::vector<int> LinkedPlayerYears(const WebContext& context, std::string_view playerID) {
  std::vector<int> years;
  const int current = context.CurrentYear();
  for (int year = current - 10; year <= current; ++year) {
    const PageLocation location = PlayerYearPage(context.Settings, playerID, year);
    if (IsSafeLocation(location) && FileExists(PagePath(context.Settings, location)))
      years.push_back(year);
  }
  return years;
}

void WritePlayerPage(Page& page, std::string_view playerID) {
  const WebContext& context = page.Context();
  const Player* player = context.Data.Players.FindRecord(playerID);
  if (player == nullptr) return;
  const std::string name = HtmlEscape(player->Name);
  ShowStatus(player->Name);
  page.WritePicture(player->ID, player->Name);
  WritePlayerInfo(page, *player, name);
  WriteHandicapChart(page, *player);
  WriteYearLinks(page, *player);
  WriteMerits(page, playerID, name);
  RoundStats stats;
  for (const Round* round : SelectRounds(context, {.PlayerID = playerID}))
    stats.AddRound(*round);
  WriteStatsFooter(page, stats, name);
}

void WritePlayerYear(Page& page, std::string_view playerID, DateTime date) {
  const WebContext& context = page.Context();
  const Player* player = context.Data.Players.FindRecord(playerID);
  if (player == nullptr) return;
  const int year = DecodeDate(date).year;
  ShowStatus(player->Name);
  page.Line("<H1>" + page.CaptionText(Caption::AllRounds) + std::to_string(year) + ": " +
            PlayerAnchor(context, player) + "</H1>");
  WriteYearTableHead(page, year);
  RoundStats stats;
  int n = 0;
  const std::vector<Round*> rounds = SelectRounds(context, {.PlayerID = playerID, .Date = date});
  for (const Round* round : rounds) {
    stats.AddRound(*round);
    WriteYearRow(page, *round, ++n);
  }
  page.Line("</TABLE>");
  WriteYearScoreChart(page, *player, rounds);
  WriteStatsFooter(page, stats, HtmlEscape(player->Name));
}

std::optional<std::vector<Round*>> PlayerCourseRounds(const WebContext& context,
                                                      std::string_view playerID,
                                                      std::string_view courseID, DateTime date) {
  const Course* course = context.Data.Courses.FindRecord(courseID);
  if (context.Data.Players.FindRecord(playerID) == nullptr || course == nullptr)
    return std::nullopt;
  // Rounds played before the card last changed were played on another card.
  if (date != 0 && DecodeDate(course->Changed).year > DecodeDate(date).year) return std::nullopt;
  return SelectRounds(context, {.PlayerID = playerID, .CourseID = courseID, .Date = date});
}

void WritePlayerCourse(Page& page, std::string_view playerID, std::string_view courseID,
                       DateTime date) {
  const WebContext& context = page.Context();
  const std::optional<std::vector<Round*>> shown =
      PlayerCourseRounds(context, playerID, courseID, date);
  if (!shown) return;
  const std::vector<Round*>& rounds = *shown;
  const Player* player = context.Data.Players.FindRecord(playerID);
  const Course* course = context.Data.Courses.FindRecord(courseID);
  const int year = DecodeDate(date).year;
  RoundStats stats;
  for (const Round* round : rounds)
    stats.AddRound(*round);
  std::string subject = PlayerAnchor(context, player) + " / " + CourseAnchor(context, *course);
  if (date != 0) subject += ", " + std::to_string(year);

  page.Line("<H1>" + page.CaptionText(Caption::CourseStats) + " " + subject + "</H1>");
  page.Line("<!-- Table with Statistics for a player on acourse -->");
  page.Line(kTableStart);
  WriteCourseRows(page, *course, stats);
  for (Round* round : rounds) {
    round->Used = true;  // the driver writes this page once per pass
    WriteScoreRow(page, RoundDateAnchor(context, *round), round->Score, &round->CPar);
    page.EndLine();
  }
  WriteEclecticRow(page, stats, *course);
  page.Line("</TABLE>");
  WriteStatsFooter(page, stats, subject);
}

}  // namespace cardwise
