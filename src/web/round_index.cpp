#include "web/round_index.h"

#include <algorithm>
#include <memory>

namespace cardwise {

RoundIndex::RoundIndex(RoundList& rounds) : rounds_(&rounds) {
  for (int i = 0; i < rounds.Count(); ++i) {
    const Round& round = rounds.RecordAt(i);
    byPlayer_[round.PlayerID].push_back(i);
    byCourse_[round.CourseID].push_back(i);
    byEvent_[round.EventID].push_back(i);
    const int year = DecodeDate(round.Date).year;
    byPlayerYear_[{round.PlayerID, {}, year}].push_back(i);
    byCourseYear_[{{}, round.CourseID, year}].push_back(i);
    byPlayerCourseYear_[{round.PlayerID, round.CourseID, year}].push_back(i);
  }
}

std::span<const int> RoundIndex::Find(const Groups& groups, std::string_view id) {
  const auto found = groups.find(id);
  if (found == groups.end()) return {};
  return found->second;
}

std::span<const int> RoundIndex::ByPlayer(std::string_view playerID) const {
  return Find(byPlayer_, playerID);
}

std::span<const int> RoundIndex::ByCourse(std::string_view courseID) const {
  return Find(byCourse_, courseID);
}

std::span<const int> RoundIndex::ByEvent(std::string_view eventID) const {
  return Find(byEvent_, eventID);
}

std::size_t RoundIndex::YearKeyHash::operator()(const YearKey& key) const {
  const std::hash<std::string_view> hash;
  return (hash(key.Player) * 31 + hash(key.Course)) * 31 + static_cast<std::size_t>(key.Year);
}

std::span<const int> RoundIndex::Find(const YearGroups& groups, const YearKey& key) {
  const auto found = groups.find(key);
  if (found == groups.end()) return {};
  return found->second;
}

std::span<const int> RoundIndex::ByPlayerYear(std::string_view playerID, int year) const {
  return Find(byPlayerYear_, {playerID, {}, year});
}

std::span<const int> RoundIndex::ByCourseYear(std::string_view courseID, int year) const {
  return Find(byCourseYear_, {{}, courseID, year});
}

std::span<const int> RoundIndex::ByPlayerCourseYear(std::string_view playerID,
                                                    std::string_view courseID, int year) const {
  return Find(byPlayerCourseYear_, {playerID, courseID, year});
}

std::vector<int> RoundIndex::ByEvents(
    const std::function<bool(std::string_view)>& takesEvent) const {
  std::vector<int> positions;
  for (const auto& [eventID, group] : byEvent_)
    if (takesEvent(eventID)) positions.insert(positions.end(), group.begin(), group.end());
  // Each round is in one group only, so sorting restores list order without duplicates.
  std::sort(positions.begin(), positions.end());
  return positions;
}

RoundList CopyRounds(const RoundIndex& index, std::span<const int> positions) {
  RoundList copies;
  for (const int position : positions)
    copies.Add(std::make_unique<Round>(index.At(position)));
  return copies;
}

}  // namespace cardwise
