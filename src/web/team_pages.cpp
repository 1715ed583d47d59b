// The pages of an event for pairs or teams: its result table on the event's page, and a page
// per team with the team's card.

#include <string>
#include <vector>

#include "records/text.h"
#include "results/event_results.h"
#include "results/result_line.h"
#include "results/team_results.h"
#include "web/pages.h"
#include "web/tables.h"

namespace cardwise {
namespace {

constexpr int kFrontNine = 9;

std::vector<TeamCard> CardsOf(const WebContext& context, const Event& event) {
  std::vector<TeamCard> cards;
  const Database& data = context.Data;
  if (IsComputed(event.Type)) BuildTeamCards(event, data.Rounds, data.Players, data.Courses, cards);
  return cards;
}

// The team's number (its Team key) among the event's teams; 0 when the IDs name none.
std::size_t TeamNumber(const Event& event, const std::vector<std::string>& ids) {
  for (std::size_t i = 0; i < event.Teams.size(); ++i)
    if (event.Teams[i].Members == ids) return i + 1;
  return 0;
}

std::string MemberAnchors(const WebContext& context, const std::vector<std::string>& ids) {
  std::string anchors;
  for (const std::string& id : ids)
    anchors += (anchors.empty() ? "" : " / ") + PlayerAnchorOrID(context, id);
  return anchors;
}

// The team's name, linked to its card's page when it has a card.
std::string TeamCell(const WebContext& context, const Event& event, const TeamCard* card,
                     const std::vector<std::string>& ids) {
  const std::size_t number = TeamNumber(event, ids);
  if (number == 0) return HtmlEscape(JoinedIDs(ids));
  const std::string name =
      HtmlEscape(TeamDisplayName(event.Teams[number - 1], context.Data.Players));
  if (card == nullptr) return name;
  const PageLocation page = TeamCardPage(context.Settings, event, number);
  return "<A href=\"" + HtmlEscape(PageLink(page)) + "\">" + name + "</A>";
}

std::string Heading(const AppSettings& settings) {
  return "<TR" + CellColor(settings.Color(ColorKey::Green)) + "><TH>" +
         settings.CaptionText(Caption::Pos) + "<TH>" + settings.CaptionText(Caption::Result) +
         "<TD>Team<TD>" + settings.CaptionText(Caption::Player) + "<TD>" +
         settings.CaptionText(Caption::Hcp) + "<TD>" + settings.CaptionText(Caption::Notes);
}

// A member's hole cell: the score, in bold on a coloured ground where it counts; "-" for none.
// The team's cells (no `counted`) are bold.
std::string HoleCell(const AppSettings& settings, HoleScore score, const bool* counted) {
  if (!score) return "<TD>-";
  const std::string text = std::to_string(*score);
  if (counted == nullptr) return "<TH>" + text;
  if (!*counted) return "<TD>" + text;
  return "<TH" + CellColor(settings.Color(ColorKey::Total)) + ">" + text;
}

std::string SumCell(const std::array<HoleScore, kHoles>& holes, int from, int to) {
  int sum = 0;
  for (int h = from; h <= to; ++h) {
    if (!holes[h - 1]) return "<TD>-";
    sum += *holes[h - 1];
  }
  return "<TH>" + std::to_string(sum);
}

// A row of hole scores with the sums of the nines and the total ("-" where a hole has none);
// without `counted` it is the team's row.
void WriteCardRow(Page& page, const std::string& label, const std::array<HoleScore, kHoles>& holes,
                  const std::array<bool, kHoles>* counted) {
  std::string row = "<TR align=center><TD align=left nowrap>" + label;
  for (int h = 1; h <= kHoles; ++h) {
    row += HoleCell(page.Settings(), holes[h - 1], counted ? &(*counted)[h - 1] : nullptr);
    if (h == kFrontNine) row += SumCell(holes, 1, kFrontNine);
  }
  page.Line(row + SumCell(holes, kFrontNine + 1, kHoles) + SumCell(holes, 1, kHoles));
}

void WriteParRow(Page& page, const TeamCard& team) {
  for (const MemberCard& member : team.Cards) {
    if (member.Card == nullptr) continue;
    WriteValueRow(page, page.CaptionText(Caption::Par), member.Card->CPar,
                  page.ColorText(ColorKey::Green));
    page.EndLine();
    return;
  }
}

void WriteTeamCard(Page& page, const Event& event, const TeamCard& team) {
  const WebContext& context = page.Context();
  page.Line(kTableStart);
  WriteHoleRow(page, page.CaptionText(Caption::Hole), page.ColorText(ColorKey::Green));
  page.EndLine();
  WriteParRow(page, team);
  for (const MemberCard& member : team.Cards) {
    if (member.Card == nullptr && !MembersHaveCards(event.Format)) continue;
    const std::string label =
        PlayerAnchorOrID(context, member.PlayerID) + " (" + std::to_string(member.PlayingHcp) + ")";
    WriteCardRow(page, label, member.Scores, &member.Counted);
  }
  WriteCardRow(page,
               "<B>" + HtmlEscape(TeamDisplayName(team.Members, context.Data.Players)) + "</B>",
               team.Holes, nullptr);
  page.Line("</TABLE>");
}

}  // namespace

void WriteTeamResultTable(Page& page, const Event& event) {
  const WebContext& context = page.Context();
  const std::vector<TeamCard> cards = CardsOf(context, event);
  page.Line("<!-- Table with Event results -->");
  page.Line(kTableStart);
  page.Line(Heading(context.Settings));
  for (std::size_t i = 0; i < event.Results.size(); ++i) {
    const ResultFields line = ResultFields::Parse(event.Results[i]);
    const std::vector<std::string> ids = SplitIDs(line.PlayerID);
    const TeamCard* card = CardOfLine(cards, event.Results[i]);
    const std::string start =
        i % 2 == 0 ? "<TR>" : "<TR" + CellColor(context.Settings.Color(ColorKey::Total)) + ">";
    page.Line(start + "<TH>" + HtmlEscape(line.Place) + "<TH><FONT size=+1>" +
              HtmlEscape(line.Result) + "</FONT><TD>" + TeamCell(context, event, card, ids) +
              "<TD>" + MemberAnchors(context, ids) + "<TD align=center>" +
              (card ? card->PlayingHcpText() : std::string()) + "<TD>" + HtmlEscape(line.Note));
  }
  page.Line("</TABLE>");
}

void WriteTeamCardPage(Page& page, const Event& event, std::size_t number) {
  const WebContext& context = page.Context();
  const std::vector<TeamCard> cards = CardsOf(context, event);
  if (number >= 1 && number <= cards.size()) {
    const TeamCard& team = cards[number - 1];
    page.Line("<H1>" + EventAnchor(context, &event) + " / " + ShortDateText(event.Date) + ": " +
              HtmlEscape(TeamDisplayName(team.Members, context.Data.Players)) + "</H1>");
    page.Line("<P>" + MemberAnchors(context, team.Members.Members) + "</P>");
    WriteTeamCard(page, event, team);
  }
  page.WriteLinksBar();
}

}  // namespace cardwise
