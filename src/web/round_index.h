#pragma once
// The rounds of the round list grouped by their exact PlayerID, CourseID and EventID, so that a
// page finds its rounds without reading the whole list. The site generator builds one per run;
// a page body given one through WebContext::Rounds writes exactly what its scan of the list
// would write.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "records/round.h"

namespace cardwise {

class RoundIndex {
 public:
  // Indexes the list as it is now. The index is valid while no round is added, removed or
  // filed again and no PlayerID, CourseID or EventID changes.
  explicit RoundIndex(RoundList& rounds);

  // The list positions of the rounds with exactly this ID, ascending; empty when none.
  std::span<const int> ByPlayer(std::string_view playerID) const;
  std::span<const int> ByCourse(std::string_view courseID) const;
  std::span<const int> ByEvent(std::string_view eventID) const;
  // The same in one year (the year of the round's Date).
  std::span<const int> ByPlayerYear(std::string_view playerID, int year) const;
  std::span<const int> ByCourseYear(std::string_view courseID, int year) const;
  std::span<const int> ByPlayerCourseYear(std::string_view playerID, std::string_view courseID,
                                          int year) const;

  // The positions of the rounds whose EventID passes the test, ascending. The test sees each
  // distinct EventID once (the empty one too).
  std::vector<int> ByEvents(const std::function<bool(std::string_view)>& takesEvent) const;

  Round& At(int position) const { return rounds_->RecordAt(position); }
  const RoundList& List() const { return *rounds_; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>()(text);
    }
  };
  using Groups = std::unordered_map<std::string, std::vector<int>, Hash, std::equal_to<>>;

  // A group of one year: the player's ID, the course's or both, viewing the fields of the
  // group's first round.
  struct YearKey {
    std::string_view Player, Course;
    int Year = 0;
    bool operator==(const YearKey&) const = default;
  };
  struct YearKeyHash {
    std::size_t operator()(const YearKey& key) const;
  };
  using YearGroups = std::unordered_map<YearKey, std::vector<int>, YearKeyHash>;

  static std::span<const int> Find(const Groups& groups, std::string_view id);
  static std::span<const int> Find(const YearGroups& groups, const YearKey& key);

  RoundList* rounds_;
  Groups byPlayer_, byCourse_, byEvent_;
  YearGroups byPlayerYear_, byCourseYear_, byPlayerCourseYear_;
};

// Copies of the rounds at these positions (ascending) as a list of their own, for the
// computations that read a whole round list but need only some of its rounds.
RoundList CopyRounds(const RoundIndex& index, std::span<const int> positions);

}  // namespace cardwise
