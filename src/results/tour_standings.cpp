#include "results/tour_standings.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

#include "platform/ini_file.h"
#include "platform/status_sink.h"
#include "records/dates.h"
#include "records/numbers.h"
#include "records/text.h"
#include "results/database.h"
#include "results/result_line.h"
#include "results/tour_scoring.h"

namespace cardwise {

namespace {

// A missing result is the worst of all in an ascending tour: worse than any score.
constexpr double kMissingAscending = 2147483648.0;

bool IsAscendingType(int type) {
  return ScoringOf(type).Order == TourOrder::kAscending;
}

bool IsDescendingType(int type) {
  return ScoringOf(type).Order == TourOrder::kDescending;
}

double TotalOf(const std::string& line) {
  return DecimalOrZero(StandingFields::Parse(line).Total);
}

int CountOf(const std::string& line) {
  return WholeNumberOr(StandingFields::Parse(line).Events, 0);
}

std::string StandingText(const std::string& total, int count, std::string_view playerID) {
  return StandingFields{"", total, std::to_string(count), std::string(playerID), "", "", 4}.Text();
}

void MarkTied(StandingLine& a, StandingLine& b) {
  a.Text += ";=";
  b.Text += ";=";
}

// Every position whose event ID occurs anywhere in MandatoryEvents. The field is free text, so
// an ID found inside another one ("E1" inside "E12") counts as named too.
std::vector<int> MandatoryPositions(const Tour& tour) {
  std::vector<int> positions;
  if (tour.MandatoryEvents.empty()) return positions;
  for (int k = 1;; ++k) {
    const std::string id = tour.EventAt(k);
    if (id.empty()) break;
    if (tour.MandatoryEvents.find(id) != std::string::npos) positions.push_back(k);
  }
  return positions;
}

// Adds event values to the players' standing lines, one line per player.
class StandingBuilder {
 public:
  StandingBuilder(Tour& tour, std::vector<int> mandatory)
      : tour_(tour), mandatory_(std::move(mandatory)), eventCount_(tour.EventCount()) {}

  void Add(std::string_view playerID, int k, float value) {
    StandingLine& line = LineOf(playerID);
    const double total = TotalOf(line.Text) + value;
    line.Text = StandingText(NumberText(total), CountOf(line.Text) + 1, playerID);
    line.Attached->AddEventValue(k, value);
  }

  bool HasLine(std::string_view playerID) const { return lines_.contains(playerID); }

 private:
  // The player's line, appended when there is none yet. Lines are found by their exact player
  // ID through the map: a search of the lines would make a big tour quadratic.
  StandingLine& LineOf(std::string_view playerID) {
    auto [it, added] = lines_.try_emplace(std::string(playerID), tour_.Standings.size());
    if (added) {
      auto results =
          std::make_shared<TourResults>(IsAscendingType(tour_.Type), eventCount_, mandatory_);
      tour_.Standings.push_back(StandingLine{std::string(), std::move(results)});
    }
    return tour_.Standings[it->second];
  }

  Tour& tour_;
  std::vector<int> mandatory_;
  int eventCount_;
  std::map<std::string, std::size_t, std::less<>> lines_;
};

void SetDirFromRound(Tour& tour, const std::string& roundID, const RoundList& rounds) {
  if (!tour.Dir.empty()) return;
  const Round* round = rounds.FindRecord(roundID);
  if (round != nullptr) tour.Dir = FormatDateTime("yyyy", round->Date);
}

void AddMemberLine(Tour& tour, int k, const Event& event, const std::string& playerID,
                   Database& database, const RoundsByPlayer* byPlayer, StandingBuilder& builder) {
  // One eclectic value per player: it covers every round of the tour already. A player ID
  // without a player record counts once too; otherwise it would gather a line per event and,
  // with more results than anyone, head the standing with a total of 0.
  if (tour.Type == kEclectic && (database.Players.MarkUsed(playerID) || builder.HasLine(playerID)))
    return;
  builder.Add(playerID, k, EventValue(tour, event.ID, playerID, database, byPlayer));
}

// The player IDs of a result line: a team's line counts for each member as if it were theirs.
std::vector<std::string> LinePlayers(const Event& event, const std::string& field) {
  return event.IsTeamEvent() ? SplitIDs(field) : std::vector<std::string>{field};
}

void AddEventLines(Tour& tour, int k, const Event& event, Database& database,
                   const RoundsByPlayer* byPlayer, StandingBuilder& builder) {
  for (const std::string& line : event.Results) {
    const ResultFields fields = ResultFields::Parse(line);
    const std::vector<std::string> rounds = LinePlayers(event, fields.RoundID);
    SetDirFromRound(tour, rounds.empty() ? std::string() : rounds.front(), database.Rounds);
    for (const std::string& playerID : LinePlayers(event, fields.PlayerID))
      AddMemberLine(tour, k, event, playerID, database, byPlayer, builder);
  }
}

void DropWorst(Tour& tour) {
  for (StandingLine& line : tour.Standings) {
    if (!line.Attached) continue;
    const std::string total = NumberText(line.Attached->CountedTotal(tour.Worst));
    line.Text = StandingText(total, CountOf(line.Text), StandingFields::Parse(line.Text).PlayerID);
  }
}

std::vector<KeyValue> EventKeys(const Tour& tour) {
  const int type = ScoringOf(tour.Type).SavedEventType;
  std::vector<KeyValue> keys{
      {"ID", tour.ID}, {"Event", tour.Name}, {"Make", "0"}, {"Type", std::to_string(type)}};
  for (std::size_t i = 0; i < tour.Standings.size(); ++i) {
    const StandingFields standing = StandingFields::Parse(tour.Standings[i].Text);
    const ResultFields result{
        standing.Place, standing.Total, standing.PlayerID, "", standing.Note, "", 5};
    keys.emplace_back(std::to_string(i + 1), result.Text());
  }
  return keys;
}

}  // namespace

TourResults::TourResults(bool ascending, int eventsInTour, std::vector<int> mandatory)
    : Ascending(ascending),
      EventsInTour(eventsInTour),
      values_(static_cast<std::size_t>(std::max(0, eventsInTour))),
      mandatory_(std::move(mandatory)) {}

void TourResults::AddEventValue(int k, double value) {
  if (k < 1 || k > static_cast<int>(values_.size())) return;
  std::string& text = values_[static_cast<std::size_t>(k - 1)];
  if (text.empty()) text = NumberText(value);
}

double TourResults::ValueAt(int k) const {
  if (k < 1 || k > static_cast<int>(values_.size())) return 0;
  return DecimalOrZero(values_[static_cast<std::size_t>(k - 1)]);
}

bool TourResults::IsMandatory(int k) const {
  return std::find(mandatory_.begin(), mandatory_.end(), k) != mandatory_.end();
}

bool TourResults::IsAmongWorst(int k, int w) const {
  if (w <= 0) return false;
  const double v = ValueAt(k);
  // An ascending tour's missing or non-positive result is always among the worst.
  if (Ascending && v <= 0) return true;
  int worse = 0;
  for (int j = 1; j <= EventsInTour; ++j) {
    if (j == k) continue;
    double u = ValueAt(j);
    if (Ascending && u == 0) u = kMissingAscending;
    // Ascending: higher is worse; otherwise lower is. Among equals the later event is worse.
    const bool worseThan = Ascending ? (j < k ? u > v : u >= v) : (j < k ? u < v : u <= v);
    if (worseThan) ++worse;
  }
  return worse < w;
}

bool TourResults::IsDropped(int k, int w) const {
  if (IsMandatory(k)) return false;
  // A mandatory event among the worst still counts, so the window reaches one event further.
  int widened = w;
  for (int m : mandatory_)
    if (IsAmongWorst(m, w)) ++widened;
  return IsAmongWorst(k, widened);
}

double TourResults::CountedTotal(int w) const {
  double total = 0;
  for (int k = 1; k <= EventsInTour; ++k)
    if (!IsDropped(k, w)) total += ValueAt(k);
  return total;
}

std::string NumberText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.ends_with('0'))
      text.pop_back();
    if (text.ends_with('.')) text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

void CalcTour(Tour& tour, Database& database) {
  database.Players.ClearUsed();
  tour.Standings.clear();
  StandingBuilder builder(tour, MandatoryPositions(tour));
  // The eclectic value of each player gathers the player's rounds; index them once.
  std::optional<RoundsByPlayer> byPlayer;
  if (tour.Type == kEclectic) byPlayer.emplace(database.Rounds);
  const RoundsByPlayer* index = byPlayer ? &*byPlayer : nullptr;
  for (int k = 1;; ++k) {
    const std::string eventID = tour.EventAt(k);
    if (eventID.empty()) break;
    if (const Event* event = database.Events.FindRecord(eventID))
      AddEventLines(tour, k, *event, database, index, builder);
  }
  if (tour.Worst != 0) DropWorst(tour);
  // No ranking rule applies to an unknown type; its lines keep the order they were made in.
  if (IsAscendingType(tour.Type) || IsDescendingType(tour.Type))
    ListQuickSort(tour.Standings,
                  [&tour](StandingLine& a, StandingLine& b) { return StandingBefore(tour, a, b); });
  AssignPlaces(tour.Standings);
}

bool StandingBefore(const Tour& tour, StandingLine& a, StandingLine& b) {
  // The sort compares the pivot with itself; that must not leave a tie note.
  if (&a == &b) return false;
  const double ti = TotalOf(a.Text);
  const double tj = TotalOf(b.Text);
  if (IsAscendingType(tour.Type)) {
    const int ci = CountOf(a.Text);
    const int cj = CountOf(b.Text);
    // Players with too few results rank after those with more, whatever their totals.
    if (ci != cj && std::min(ci, cj) < tour.EventCount() - tour.Worst) return ci > cj;
    if (ti == tj) MarkTied(a, b);
    return ti > 0 && (tj == 0 || ti < tj);  // a zero total ranks last
  }
  if (IsDescendingType(tour.Type)) {
    if (ti == tj) MarkTied(a, b);
    return ti > tj;
  }
  return false;
}

Status SaveAsEvent(Tour& tour, const std::string& path) {
  tour.MakeID();
  ShowStatus(Tour::kSavingPrefix + tour.ID + " as event...");
  // A section without a name cannot be read back as an event; nothing is written.
  Status status = tour.ID.empty() ? Status::Error(path + ": the tour has no ID") : Status::Ok();
  if (status)
    status = IniUpdate(path, [&](IniFile& file) { file.ReplaceSection(tour.ID, EventKeys(tour)); });
  ShowStatus(tour.ID + (status ? " saved as event." : " not saved as event."));
  return status;
}

}  // namespace cardwise
