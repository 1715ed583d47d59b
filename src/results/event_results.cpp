#include "results/event_results.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <unordered_set>

#include "records/numbers.h"
#include "records/text.h"
#include "results/line_sort.h"
#include "results/result_line.h"

namespace cardwise {

bool IsComputed(int type) {
  return type == kStrokesGross || type == kStrokesNet || type == kStableford;
}

namespace {

bool IsRanked(int type) {
  return IsComputed(type) || type == kManualAscending || type == kManualDescending;
}

// The score text of a round in an event of a computed type.
std::string ScoreText(int type, const Round& round) {
  const int total = round.Score.TotalIfComplete();
  if (type == kStrokesGross) return total == 0 ? std::string() : std::to_string(total);
  if (type == kStrokesNet) return std::to_string(total - round.Strokes);
  return std::to_string(round.PointsTotal());
}

std::string ResultLine(const std::string& score, const Round& round) {
  std::string line;
  line.reserve(3 + score.size() + round.PlayerID.size() + round.ID.size());
  line += ';';
  line += score;
  line += ';';
  line += round.PlayerID;
  line += ';';
  line += round.ID;
  return line;
}

void AppendNote(std::string& line, const char* note) {
  line += ';';
  line += note;
}

}  // namespace

double ScoreOf(const std::string& line) {
  return DecimalOrZero(ResultFields::ResultOf(line));
}

namespace {

// Lower is better, and a score of 0 or below (an incomplete card) comes after every other.
bool StrokesBefore(double a, double b) {
  return a > 0 && (b <= 0 || a < b);
}

}  // namespace

bool ScoresBefore(int type, double a, double b) {
  if (type == kStrokesGross || type == kStrokesNet) return StrokesBefore(a, b);
  if (type == kManualAscending) return a < b;
  return a > b;  // Stableford points and manual descending: higher is better
}

namespace {

// The count-back over the last 9, 6 and 3 holes and hole 18; the line that wins gets the note
// of the step that decided, lines no step separates both get "=".
bool CountBack(bool points, const TieBreak& ta, const TieBreak& tb, std::string& a,
               std::string& b) {
  static constexpr const char* kNotes[] = {"Last 9", "Last 6", "Last 3", "Hole 18"};
  for (std::size_t step = 0; step < ta.LastHoles.size(); ++step) {
    const int sa = ta.LastHoles[step];
    const int sb = tb.LastHoles[step];
    if (sa == sb) continue;
    const bool aWins = points ? sa > sb : sa < sb;
    AppendNote(aWins ? a : b, kNotes[step]);
    return aWins;
  }
  AppendNote(a, "=");
  AppendNote(b, "=");
  return false;
}

TieBreak RoundTieBreak(int type, const Round& round) {
  TieBreak tie{round.Strokes, {}};
  static constexpr int kHolesOfStep[] = {9, 6, 3, 1};
  for (std::size_t step = 0; step < tie.LastHoles.size(); ++step) {
    const int holes = kHolesOfStep[step];
    tie.LastHoles[step] =
        type == kStableford ? round.LastHolesPoints(holes) : round.LastHolesScore(holes);
  }
  return tie;
}

}  // namespace

bool TieBefore(int type, const TieBreak& ta, const TieBreak& tb, std::string& a, std::string& b) {
  if (type != kStrokesGross && ta.Hcp != tb.Hcp) {
    const bool aWins = ta.Hcp < tb.Hcp;
    AppendNote(aWins ? a : b, "Hcp");
    return aWins;
  }
  return CountBack(type == kStableford, ta, tb, a, b);
}

// An empty event ID would occur in every EventIDs text and equal every empty EventID: such an
// event takes no rounds rather than all rounds outside events.
bool IsRoundOfEvent(const Round& round, std::string_view eventID) {
  if (eventID.empty()) return false;
  return round.EventID == eventID || round.EventIDs.find(eventID) != std::string::npos;
}

const Round* RoundOfLine(const std::string& line, const RoundList& rounds) {
  return rounds.FindRecord(ResultFields::Parse(line).RoundID);
}

namespace {

// A result line with what ranking it reads, found once: the sort asks about each line many
// times, and the notes it appends change neither the score nor the round.
struct RankedLine {
  std::string Text;
  double Score = 0;
  const Round* Of = nullptr;  // computed types only; nullptr when the round is gone
};

RankedLine Ranked(int type, std::string line, const RoundList& rounds) {
  const double score = ScoreOf(line);
  const Round* round = IsComputed(type) ? RoundOfLine(line, rounds) : nullptr;
  return {std::move(line), score, round};
}

// Equal scores of a computed type: fewer received strokes win ("Hcp", net and Stableford), then
// the count-back. A line whose round is gone decides nothing.
bool RankedBefore(int type, RankedLine& a, RankedLine& b) {
  if (&a == &b) return false;
  if (a.Score != b.Score) return ScoresBefore(type, a.Score, b.Score);
  if (IsComputed(type)) {
    if (a.Of == nullptr || b.Of == nullptr) return false;
    return TieBefore(type, RoundTieBreak(type, *a.Of), RoundTieBreak(type, *b.Of), a.Text, b.Text);
  }
  AppendNote(a.Text, "=");
  AppendNote(b.Text, "=");
  return false;
}

// Manual results as a recalc leaves them: in order, each line of a tie marked "=". Sorting them
// again would only swap tied lines (the exchange sort does not keep their order), so that every
// recalc would change the events file and the pages showing them.
bool AlreadyRanked(int type, const std::vector<std::string>& lines) {
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const double before = ScoreOf(lines[k - 1]);
    const double after = ScoreOf(lines[k]);
    if (ScoresBefore(type, after, before)) return false;
    const bool marked =
        ResultFields::Parse(lines[k - 1]).Note == "=" && ResultFields::Parse(lines[k]).Note == "=";
    if (after == before && !marked) return false;
  }
  return true;
}

void RankLines(int type, std::vector<std::string>& lines, const RoundList& rounds) {
  std::vector<RankedLine> ranked;
  ranked.reserve(lines.size());
  for (std::string& line : lines)
    ranked.push_back(Ranked(type, std::move(line), rounds));
  ListQuickSort(ranked, [type](RankedLine& a, RankedLine& b) { return RankedBefore(type, a, b); });
  for (std::size_t i = 0; i < lines.size(); ++i)
    lines[i] = std::move(ranked[i].Text);
}

}  // namespace

bool ResultBefore(int type, std::string& a, std::string& b, const RoundList& rounds) {
  // The same line compared with itself (the pivot meeting its own position) must collect no
  // "=" note, or it could later share a place with a line that beat it on count-back.
  if (&a == &b || !IsRanked(type)) return false;
  RankedLine ra = Ranked(type, std::move(a), rounds);
  RankedLine rb = Ranked(type, std::move(b), rounds);
  const bool before = RankedBefore(type, ra, rb);
  a = std::move(ra.Text);
  b = std::move(rb.Text);
  return before;
}

void CalcResults(Event& event, const RoundList& rounds) {
  std::vector<int> eventRounds;
  for (int i = 0; i < rounds.Count(); ++i)
    if (IsRoundOfEvent(rounds.RecordAt(i), event.ID)) eventRounds.push_back(i);
  CalcResults(event, rounds, eventRounds);
}

void CalcResults(Event& event, const RoundList& rounds, std::span<const int> eventRounds) {
  const int type = event.Type;
  if (IsComputed(type)) {
    event.Results.clear();
    for (const int i : eventRounds) {
      const Round& round = rounds.RecordAt(i);
      event.Results.push_back(ResultLine(ScoreText(type, round), round));
    }
  }
  // Without a ranking rule the lines keep their stored order; they are still numbered. So do
  // manual results already in order.
  const bool keepOrder =
      !IsRanked(type) || (!IsComputed(type) && AlreadyRanked(type, event.Results));
  if (!keepOrder) RankLines(type, event.Results, rounds);
  AssignPlaces(event.Results);
}

namespace {

// The events' IDs that the text holds, each once: every piece of the text as long as some ID.
std::vector<std::string> IDsWithin(std::string_view text,
                                   const std::unordered_set<std::string>& ids,
                                   const std::set<std::size_t>& lengths) {
  std::vector<std::string> found;
  for (const std::size_t length : lengths)
    for (std::size_t at = 0; at + length <= text.size(); ++at) {
      std::string piece(text.substr(at, length));
      if (ids.contains(piece) && std::find(found.begin(), found.end(), piece) == found.end())
        found.push_back(std::move(piece));
    }
  return found;
}

}  // namespace

EventRounds::EventRounds(const RoundList& rounds, const EventList& events) {
  std::unordered_set<std::string> ids;
  std::set<std::size_t> lengths;
  for (int i = 0; i < events.Count(); ++i) {
    const std::string& id = events.RecordAt(i).ID;
    if (!id.empty() && ids.insert(id).second) lengths.insert(id.size());
  }
  for (int i = 0; i < rounds.Count(); ++i) {
    const Round& round = rounds.RecordAt(i);
    played_[round.EventID].push_back(i);
    for (const std::string& id : IDsWithin(round.EventIDs, ids, lengths))
      if (id != round.EventID) further_[id].push_back(i);
  }
}

std::vector<int> EventRounds::Of(const std::string& eventID) const {
  static const std::vector<int> kNone;
  const auto played = played_.find(eventID);
  const auto further = further_.find(eventID);
  const std::vector<int>& a = played == played_.end() ? kNone : played->second;
  const std::vector<int>& b = further == further_.end() ? kNone : further->second;
  std::vector<int> positions;
  if (eventID.empty()) return positions;
  std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(positions));
  return positions;
}

}  // namespace cardwise
