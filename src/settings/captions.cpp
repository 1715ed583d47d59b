#include "settings/captions.h"

namespace cardwise {
namespace {

constexpr std::array<CaptionEntry, kCaptionCount> kTable{{
    {Caption::AllRounds, "AllRounds", "All Rounds:"},
    {Caption::Average, "Average", "Average"},
    {Caption::BirdieAverage, nullptr, "Birdie Average"},
    {Caption::Club, "Club", "Club"},
    {Caption::ChipIns, nullptr, "Chip-Ins, average"},
    {Caption::ColorWorst, "ColorWorst",
     "This color shows which <B>%d</B> events is not counted in Tour"},
    {Caption::Course, "Course", "Course"},
    {Caption::CourseIndex, "CourseIndex", "Course Index"},
    {Caption::CourseInfo, "CourseInfo", "Course Info:"},
    {Caption::CourseRating, "CourseRating", "Course Rating"},
    {Caption::CourseStats, "CourseStats", "Course Statistics:"},
    {Caption::Date, "Date", "Date"},
    {Caption::Eclectic, "Eclectic", "Eclectic"},
    {Caption::Email, "Email", "Email"},
    {Caption::Event, "Event", "Event"},
    {Caption::EventInTour, "EventInTour", "Event In Tour:"},
    {Caption::EventIndex, "EventIndex", "Event Index"},
    {Caption::EventMerits, "EventMerits", "Event Merits:"},
    {Caption::EventResults, "EventResults", "Event Results:"},
    {Caption::Fairways, "Fairways", "Fairways"},
    {Caption::DrivingAccuracy, nullptr, "Driving Accuracy"},
    {Caption::Fw, "Fw", "Fw."},
    {Caption::Gr, "Gr", "Gr."},
    {Caption::Greens, "Greens", "Greens"},
    {Caption::GreensInRegulation, nullptr, "<U>G</U>reens <U>i</U> <U>r</U>egulation %"},
    {Caption::Hcp, "Hcp", "Hcp"},
    {Caption::Hole, "Hole", "Hole"},
    {Caption::ID, "ID", "ID"},
    {Caption::In, "In", "In"},
    {Caption::Index, "Index", "Index"},
    {Caption::Legend, "Legend", "Legend"},
    {Caption::Length, "Length", "Length"},
    {Caption::LinkToPlayerStats, "LinkToPlayerStats", "Links to player statistics:"},
    {Caption::Links, "Links", "Links:"},
    {Caption::MIndex, nullptr, "M-Index"},
    {Caption::NIndex, nullptr, "N-Index"},
    {Caption::Notes, "Notes", "Notes"},
    {Caption::OtherStats, "OtherStats", "Other statistics:"},
    {Caption::Out, "Out", "Out"},
    {Caption::Par3s, "Par3s", "Par 3:s"},
    {Caption::Par4s, "Par4s", "Par 4:s"},
    {Caption::Par5s, "Par5s", "Par 5:s"},
    {Caption::Par, "Par", "Par"},
    {Caption::ParStats, "ParStats", "Par statistics:"},
    {Caption::Phone, "Phone", "Phone"},
    {Caption::Player, "Player", "Player"},
    {Caption::PlayerInfo, "PlayerInfo", "Player Info:"},
    {Caption::PlayerIndex, "PlayerIndex", "Player Index"},
    {Caption::Points, "Points", "Points"},
    {Caption::Pos, "Pos", "Pos"},
    {Caption::Pts, "Pts", "Pts"},
    {Caption::Put, "Put", "Put"},
    {Caption::Putts, "Putts", "Putts"},
    {Caption::PuttsPerRound, nullptr, "Putts Per Round"},
    {Caption::PuttingAverage, nullptr, "Putting Average (GIR)"},
    {Caption::Rank, "Rank", "Rank"},
    {Caption::Res, "Res", "Res"},
    {Caption::Result, "Result", "Result"},
    {Caption::Round, "Round", "Round"},
    {Caption::Score, "Score", "Score"},
    {Caption::ScoreCard, "ScoreCard", "Scorecard"},
    {Caption::StrokeAverage, nullptr, "Stroke Average"},
    {Caption::Stats, nullptr, "Stats"},
    {Caption::Tot, "Tot", "Tot"},
    {Caption::Total, "Total", "Total"},
    {Caption::Tour, "Tour", "Tour"},
    {Caption::TourEvents, "TourEvents", "Tour Events:"},
    {Caption::TourIndex, "TourIndex", "Tour Index"},
    {Caption::TourMerits, "TourMerits", "Tour Merits:"},
    {Caption::TourResults, "TourResults", "Tour Results:"},
    {Caption::URL, "URL", "URL"},
}};

// The settings file lists the keyed captions in table order except that "PlayerIndex" precedes
// "PlayerInfo", the order existing settings files already have.
// clang-format off
constexpr std::array<Caption, kCaptionKeyCount> kFileOrder = [] {
  using enum Caption;
  return std::array<Caption, kCaptionKeyCount>{
      AllRounds, Average, Club, ColorWorst, Course, CourseIndex, CourseInfo, CourseRating,
      CourseStats, Date, Eclectic, Email, Event, EventInTour, EventIndex, EventMerits,
      EventResults, Fairways, Fw, Gr, Greens, Hcp, Hole, ID, In, Index, Legend, Length,
      LinkToPlayerStats, Links, Notes, OtherStats, Out, Par3s, Par4s, Par5s, Par, ParStats, Phone,
      Player, PlayerIndex, PlayerInfo, Points, Pos, Pts, Put, Putts, Rank, Res, Result, Round,
      Score, ScoreCard, Tot, Total, Tour, TourEvents, TourIndex, TourMerits, TourResults, URL};
}();
// clang-format on

// The enum doubles as the index into the table: every entry must sit at its own position.
constexpr bool TableMatchesEnum() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    if (static_cast<std::size_t>(kTable[i].Id) != i) return false;
  }
  return true;
}
static_assert(TableMatchesEnum(), "caption table out of enum order");

// Every keyed caption appears exactly once in the file order, and no fixed caption does.
constexpr bool FileOrderCoversKeys() {
  std::array<int, kCaptionCount> seen{};
  for (Caption id : kFileOrder)
    ++seen[static_cast<std::size_t>(id)];
  for (const CaptionEntry& entry : kTable) {
    if (seen[static_cast<std::size_t>(entry.Id)] != (entry.Key != nullptr ? 1 : 0)) return false;
  }
  return true;
}
static_assert(FileOrderCoversKeys(), "file order must list each keyed caption once");

}  // namespace

const std::array<CaptionEntry, kCaptionCount>& CaptionTable() {
  return kTable;
}

const std::array<Caption, kCaptionKeyCount>& CaptionFileOrder() {
  return kFileOrder;
}

CaptionTexts::CaptionTexts() {
  Reset();
}

void CaptionTexts::Reset() {
  for (const CaptionEntry& entry : kTable)
    texts_[static_cast<std::size_t>(entry.Id)] = entry.Default;
}

}  // namespace cardwise
