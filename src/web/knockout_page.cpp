// A knockout's bracket page: the tree as one table, a column per round (and one for the
// winner), each match a cell spanning the rows of the matches that feed it; and the list of
// knockouts on the event index page.

#include <algorithm>
#include <string>

#include "platform/status_sink.h"
#include "records/record_list.h"
#include "results/knockout_bracket.h"
#include "web/pages.h"

namespace cardwise {
namespace {

// A player's line in a match cell: the seed in round 1, the name linked, the shots received,
// the winner in bold.
std::string PlayerLine(const WebContext& context, const Knockout& knockout,
                       const KnockoutMatch& match, const std::string& id, int receivedShots,
                       bool firstRound) {
  if (id.empty()) return "&nbsp;";
  if (id == kByePlayer) return "<I>bye</I>";
  std::string line;
  if (firstRound) {
    const auto seed = std::find(knockout.Players.begin(), knockout.Players.end(), id);
    if (seed != knockout.Players.end())
      line = "<SMALL>" + std::to_string(seed - knockout.Players.begin() + 1) + "</SMALL>&nbsp;";
  }
  const std::string name = PlayerAnchorOrID(context, id);
  line += match.Winner == id ? "<B>" + name + "</B>" : name;
  if (receivedShots > 0) line += "&nbsp;<SMALL>+" + std::to_string(receivedShots) + "</SMALL>";
  return line;
}

std::string MatchCell(const WebContext& context, const Knockout& knockout, const MatchRef& ref,
                      int rowspan) {
  const KnockoutMatch* match = knockout.MatchAt(ref);
  if (!match) return "<TD rowspan=" + std::to_string(rowspan) + ">";
  const std::optional<MatchShots> shots =
      ShotsOf(knockout, *match, context.Data.Players, context.Data.Courses);
  const int toA = shots && shots->Receiver == 0 ? shots->Shots : 0;
  const int toB = shots && shots->Receiver == 1 ? shots->Shots : 0;
  const std::string color =
      match->Winner.empty() ? "" : CellColor(context.Settings.Color(ColorKey::Total));
  std::string cell =
      "<TD rowspan=" + std::to_string(rowspan) + color + "><SMALL>" + MatchName(ref) +
      "</SMALL><BR>" + PlayerLine(context, knockout, *match, match->PlayerA, toA, ref.Round == 1) +
      "<BR>" + PlayerLine(context, knockout, *match, match->PlayerB, toB, ref.Round == 1);
  if (!match->Result.empty() && !match->IsBye())
    cell += "<BR><SMALL>" + HtmlEscape(match->Result) + "</SMALL>";
  return cell;
}

// The champion's cell, coloured once the final is decided.
std::string WinnerCell(const WebContext& context, const Knockout& knockout, int rounds,
                       int rowspan) {
  const KnockoutMatch* final = knockout.MatchAt({rounds, 1});
  std::string cell = "<TD rowspan=" + std::to_string(rowspan);
  if (!final || final->Winner.empty()) return cell + ">&nbsp;";
  return cell + CellColor(context.Settings.Color(ColorKey::Green)) + "><B>" +
         PlayerAnchorOrID(context, final->Winner) + "</B>";
}

void WriteBracket(Page& page, const Knockout& knockout) {
  const WebContext& context = page.Context();
  const int rounds = KnockoutRounds(knockout);
  const int rows = 1 << (rounds - 1);
  std::string heading = "<TR" + CellColor(context.Settings.Color(ColorKey::Green)) + ">";
  for (int round = 1; round <= rounds; ++round)
    heading += "<TH>" + RoundName(round, rounds);
  page.Line("<!-- Table with the bracket -->");
  page.Line(kTableStart);
  page.Line(heading + "<TH>Winner");
  for (int row = 0; row < rows; ++row) {
    std::string line = "<TR>";
    for (int round = 1; round <= rounds; ++round) {
      const int span = 1 << (round - 1);
      if (row % span == 0) line += MatchCell(context, knockout, {round, row / span + 1}, span);
    }
    if (row == 0) line += WinnerCell(context, knockout, rounds, rows);
    page.Line(line);
  }
  page.Line("</TABLE>");
}

std::string InfoText(const WebContext& context, const Knockout& knockout) {
  std::string text = std::to_string(knockout.Players.size()) + " players, seeded by " +
                     SeedingName(knockout.Order);
  if (const Course* course = context.Data.Courses.FindRecord(knockout.CourseID))
    text += "; shots on " + CourseAnchor(context, *course) + " at " +
            std::to_string(knockout.Allowance) +
            "% of the difference of course handicaps (<SMALL>+N</SMALL> after the receiver)";
  return text;
}

// A knockout with a bracket, not the placeholder of an empty file.
bool IsListed(const Knockout& knockout) {
  return knockout.ID != kPlaceholderID && !knockout.Players.empty();
}

bool HasBracket(const KnockoutList* knockouts) {
  if (!knockouts) return false;
  for (int i = 0; i < knockouts->Count(); ++i)
    if (IsListed(knockouts->RecordAt(i))) return true;
  return false;
}

}  // namespace

void WriteKnockoutPage(Page& page, const Knockout& knockout) {
  const WebContext& context = page.Context();
  ShowStatus(knockout.Name);
  page.Line("<H1>" + HtmlEscape(knockout.Name) + "</H1>");
  page.Line("<P>" + InfoText(context, knockout) + "</P>");
  if (!knockout.Players.empty()) WriteBracket(page, knockout);
  page.WriteLinksBar();
}

void WriteKnockoutList(Page& page) {
  const WebContext& context = page.Context();
  if (!HasBracket(context.Knockouts)) return;
  page.Line("<H2>Knockouts</H2>");
  page.Line("<!-- List with Knockouts -->");
  page.Line(kTableStart);
  for (int i = 0; i < context.Knockouts->Count(); ++i) {
    const Knockout& knockout = context.Knockouts->RecordAt(i);
    if (!IsListed(knockout)) continue;
    const KnockoutMatch* final = knockout.MatchAt({KnockoutRounds(knockout), 1});
    page.Line("<TR><TD>" + KnockoutAnchor(context, knockout) + "<TD>" +
              (final && !final->Winner.empty() ? PlayerAnchorOrID(context, final->Winner)
                                               : std::string()));
  }
  page.Line("</TABLE>");
}

}  // namespace cardwise
