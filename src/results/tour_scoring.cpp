#include "results/tour_scoring.h"

#include <cmath>
#include <cstdio>

#include "records/golf_rules.h"
#include "records/numbers.h"
#include "records/text.h"
#include "results/database.h"
#include "results/result_line.h"
#include "results/round_stats.h"

namespace cardwise {

namespace {

constexpr int kF1Table[] = {25, 20, 16, 13, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
constexpr int kF1Places = static_cast<int>(std::size(kF1Table));

float F1Place(int place) {
  return place >= 1 && place <= kF1Places ? static_cast<float>(kF1Table[place - 1]) : 0.0f;
}

// Field k (from 1) of a ";"-separated text; empty past the end. Not limited to 255 characters
// like ExtractField, so a long tour keeps every weight.
std::string_view FieldOf(std::string_view text, int k) {
  if (k < 1) return {};
  std::size_t start = 0;
  for (int field = 1; field < k; ++field) {
    start = text.find(';', start);
    if (start == std::string_view::npos) return {};
    ++start;
  }
  const std::size_t end = text.find(';', start);
  return text.substr(start, end == std::string_view::npos ? end : end - start);
}

// The position (from 1) of the event in the tour's Events; 0 when it is not there.
int EventPosition(const Tour& tour, std::string_view eventID) {
  const int count = tour.EventCount();
  for (int k = 1; k <= count; ++k)
    if (FieldOf(tour.Events, k) == eventID) return k;
  return 0;
}

// What a result line tells about the player's standing in the event.
struct LineTerms {
  int Place = 0;     // p
  double Score = 0;  // s
  int Tied = 1;      // t, the line itself included
  int Field = 0;     // n
};

}  // namespace

struct TourValueArgs {
  const Tour& TourRecord;
  const Event& EventRecord;
  const LineTerms& Terms;
  std::string_view PlayerID;
  Database& Data;
  const RoundsByPlayer* ByPlayer;
};

namespace {

LineTerms TermsOf(const Event& event, int index) {
  const std::string& line = event.Results[static_cast<std::size_t>(index)];
  LineTerms terms;
  terms.Place = LeadingNumber(ResultFields::PlaceOf(line));
  terms.Score = DecimalOrZero(ResultFields::ResultOf(line));
  terms.Field = static_cast<int>(event.Results.size());
  terms.Tied = 0;
  // Asked for every player of every event of a tour: the lines are not taken apart.
  for (const std::string& other : event.Results)
    if (LeadingNumber(ResultFields::PlaceOf(other)) == terms.Place) ++terms.Tied;
  return terms;
}

bool InTour(const Tour& tour, const Round& round, std::string_view playerID) {
  return round.PlayerID == playerID && tour.HasEvent(round.EventID);
}

}  // namespace

void AddPlayerRounds(const Tour& tour, std::string_view playerID, RoundStats& stats,
                     const RoundList& rounds) {
  for (int index = 0; index < rounds.Count(); ++index) {
    const Round& round = rounds.RecordAt(index);
    if (InTour(tour, round, playerID)) stats.AddRound(round);
  }
}

namespace {

float EclecticValue(const Tour& tour, std::string_view playerID, Database& database,
                    const RoundsByPlayer* byPlayer) {
  Player* player = database.Players.FindRecord(playerID);
  if (player == nullptr) return 0;
  player->Used = true;
  RoundStats stats;
  if (byPlayer == nullptr) {
    AddPlayerRounds(tour, playerID, stats, database.Rounds);
  } else {
    for (int index : byPlayer->RoundsOf(playerID)) {
      const Round& round = database.Rounds.RecordAt(index);
      if (InTour(tour, round, playerID)) stats.AddRound(round);
    }
  }
  return static_cast<float>(stats.Eclectic.TotalIfComplete());
}

// Strokes under par over a stroke event, points over 36 over a Stableford event.
float NominalValue(const Event& event, double score, Database& database) {
  if (event.Type == kStrokesGross || event.Type == kStrokesNet) {
    Course* course = database.Courses.FindRecord(event.CourseID);
    return course == nullptr ? 0.0f : static_cast<float>(course->Par.Total() - score);
  }
  if (event.Type == kStableford) return static_cast<float>(score - kStablefordPar);
  return 0;
}

// The value functions of the systems, before the event's weight.
float ResultValue(const TourValueArgs& args) {
  return static_cast<float>(args.Terms.Score);
}

float PlaceValue(const TourValueArgs& args) {
  return PlaceAverage(args.Terms.Place, args.Terms.Tied);
}

float F1Value(const TourValueArgs& args) {
  return F1Points(args.Terms.Place, args.Terms.Tied);
}

float PtsPValue(const TourValueArgs& args) {
  return PtsP(args.Terms.Place, args.Terms.Field, args.TourRecord.Ntot, args.Terms.Tied);
}

float EclecticTourValue(const TourValueArgs& args) {
  return EclecticValue(args.TourRecord, args.PlayerID, args.Data, args.ByPlayer);
}

float NominalTourValue(const TourValueArgs& args) {
  return NominalValue(args.EventRecord, args.Terms.Score, args.Data);
}

float NoValue(const TourValueArgs&) {
  return 0;
}

using enum TourOrder;
using enum TourValueText;
using enum TourPointsTable;

// The tour scoring systems: caption, Pts heading, order, value text, the event type the
// standings are saved as, the points table page and the value function.
constexpr TourScoringSystem kSystems[] = {
    {kResultAscending, "Result ascending", false, kAscending, kWhole, kManualAscending, kNone,
     ResultValue},
    {kResultDescending, "Result descending", false, kDescending, kWhole, kManualDescending, kNone,
     ResultValue},
    {kPlaceOrder, "Pos/Place/Order", true, kAscending, kOneDecimalTrimmed, kManualAscending, kNone,
     PlaceValue},
    {kF1System, "F1 system", true, kDescending, kOneDecimalTrimmed, kManualDescending, kF1,
     F1Value},
    {kPtsPSystem, "Pts(p) system", true, kDescending, kOneDecimal, kManualDescending, kPtsP,
     PtsPValue},
    {kEclectic, "Eclectic", false, kAscending, kWhole, kManualAscending, kNone, EclecticTourValue},
    {kNominell, "Nominell", false, kDescending, kOneDecimal, kManualDescending, kNone,
     NominalTourValue},
};

constexpr TourScoringSystem kUnknownSystem = {
    static_cast<TourType>(-1), "", false, kUnordered, kWhole, kManualDescending, kNone, NoValue};

std::string Printed(double value, const char* format) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

std::span<const TourScoringSystem> TourScoringSystems() {
  return kSystems;
}

const TourScoringSystem& ScoringOf(int type) {
  for (const TourScoringSystem& system : kSystems)
    if (system.Type == type) return system;
  return kUnknownSystem;
}

RoundsByPlayer::RoundsByPlayer(const RoundList& rounds) {
  for (int index = 0; index < rounds.Count(); ++index)
    byPlayer_[rounds.RecordAt(index).PlayerID].push_back(index);
}

const std::vector<int>& RoundsByPlayer::RoundsOf(std::string_view playerID) const {
  static const std::vector<int> kNone;
  const auto it = byPlayer_.find(playerID);
  return it == byPlayer_.end() ? kNone : it->second;
}

float PtsP(int p, int nevent, int ntour, int t) {
  if (t == 0) t = 1;
  // A player count below 1 cannot come from a saved standing; it gets the default as 0 does
  // rather than a logarithm of a negative number.
  if (ntour <= 0) ntour = 10;
  if (nevent < 3) nevent = 3;
  const double N = ntour;
  const double n = nevent;
  // The points table has always been computed in single precision; A, B and the running sum
  // are kept as floats so the published figures stay the same.
  const float A = static_cast<float>(std::exp(std::log(N) / 3));
  const float B = static_cast<float>(std::exp(std::log(N) / 4));
  const double slope = ((N - n) * A + (1 - N) * n - n * n / B) / (n - 1) / n;
  float S = 0;
  for (int k = p; k <= p + t - 1; ++k) {
    double points = N + n / B + slope * (k - 1);
    if (k == 1) points += 3;
    if (k == 2) points += 1;
    S = static_cast<float>(S + points);
  }
  return S / static_cast<float>(t);
}

float F1Points(int p, int t) {
  if (t == 0) t = 1;
  float sum = 0;
  for (int k = p; k <= p + t - 1; ++k)
    sum += F1Place(k);
  return sum / static_cast<float>(t);
}

float PlaceAverage(int p, int t) {
  if (t == 0) t = 1;
  double sum = 0;
  for (int k = p; k <= p + t - 1; ++k)
    sum += k;
  return static_cast<float>(sum / t);
}

float EventWeight(const Tour& tour, std::string_view eventID) {
  const int k = EventPosition(tour, eventID);
  const float weight = static_cast<float>(DecimalOrZero(FieldOf(tour.Weights, k)));
  return weight == 0 ? 1.0f : weight;
}

float EventValue(const Tour& tour, std::string_view eventID, std::string_view playerID,
                 Database& database, const RoundsByPlayer* byPlayer) {
  const Event* event = database.Events.FindRecord(eventID);
  int index = -1;
  if (event == nullptr || !event->FindResult(playerID, index)) return 0;
  const LineTerms terms = TermsOf(*event, index);
  const TourValueArgs args{tour, *event, terms, playerID, database, byPlayer};
  const float value = ScoringOf(tour.Type).Value(args);
  return value * EventWeight(tour, eventID);
}

bool IsDecimalType(const Tour& tour) {
  return ScoringOf(tour.Type).ValueText != TourValueText::kWhole;
}

std::string EventValueText(const Tour& tour, std::string_view eventID, std::string_view playerID,
                           Database& database) {
  const float value = EventValue(tour, eventID, playerID, database);
  if (value == 0) return {};
  if (!IsDecimalType(tour)) {
    const double whole = std::round(value);            // a half goes away from zero
    return Printed(whole == 0 ? 0.0 : whole, "%.0f");  // no "-0"
  }
  std::string text = Printed(value, "%.1f");
  const bool trimmed = ScoringOf(tour.Type).ValueText == TourValueText::kOneDecimalTrimmed;
  if (trimmed && text.ends_with('0')) text.resize(text.size() - 2);
  return text;
}

}  // namespace cardwise
