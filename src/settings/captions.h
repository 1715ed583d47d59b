#pragma once
// The caption table of the web pages: 71 headings, row labels and link texts. Sixty-one have a
// key in the settings file's section "Html-Headings" and can be changed there; ten are fixed.
// Captions are HTML as the user wrote them and are never escaped.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace cardwise {

// Every caption, in table order (the order they are initialised in).
enum class Caption {
  AllRounds,
  Average,
  BirdieAverage,
  Club,
  ChipIns,
  ColorWorst,
  Course,
  CourseIndex,
  CourseInfo,
  CourseRating,
  CourseStats,
  Date,
  Eclectic,
  Email,
  Event,
  EventInTour,
  EventIndex,
  EventMerits,
  EventResults,
  Fairways,
  DrivingAccuracy,
  Fw,
  Gr,
  Greens,
  GreensInRegulation,
  Hcp,
  Hole,
  ID,
  In,
  Index,
  Legend,
  Length,
  LinkToPlayerStats,
  Links,
  MIndex,
  NIndex,
  Notes,
  OtherStats,
  Out,
  Par3s,
  Par4s,
  Par5s,
  Par,
  ParStats,
  Phone,
  Player,
  PlayerInfo,
  PlayerIndex,
  Points,
  Pos,
  Pts,
  Put,
  Putts,
  PuttsPerRound,
  PuttingAverage,
  Rank,
  Res,
  Result,
  Round,
  Score,
  ScoreCard,
  StrokeAverage,
  Stats,
  Tot,
  Total,
  Tour,
  TourEvents,
  TourIndex,
  TourMerits,
  TourResults,
  URL,
};

inline constexpr std::size_t kCaptionCount = 71;
inline constexpr std::size_t kCaptionKeyCount = 61;

struct CaptionEntry {
  Caption Id;
  const char* Key;  // the "Html-Headings" key, nullptr for a fixed caption
  const char* Default;
};

// The table in its order.
const std::array<CaptionEntry, kCaptionCount>& CaptionTable();
// The 61 keyed captions in the order of the settings file.
const std::array<Caption, kCaptionKeyCount>& CaptionFileOrder();

class CaptionTexts {
 public:
  CaptionTexts();  // every caption at its default

  const std::string& Text(Caption id) const { return texts_[static_cast<std::size_t>(id)]; }
  void SetText(Caption id, std::string text) {
    texts_[static_cast<std::size_t>(id)] = std::move(text);
  }
  void Reset();

 private:
  std::array<std::string, kCaptionCount> texts_;
};

}  // namespace cardwise
