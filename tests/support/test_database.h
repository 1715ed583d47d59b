#pragma once
// Five empty record lists and the database view over them: a base for the fixtures of the
// computations and pages, which fill the lists in memory.

#include <memory>
#include <string>

#include "results/database.h"

namespace cardwise::testing {

// The 18 holes of a par-72 course and a standard stroke index, as hole lists.
inline constexpr const char* kPar72 = "4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5";
inline constexpr const char* kIndex = "7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4";

class TestDatabase {
 protected:
  // A new record with the ID, added to the list.
  template <class T>
  static T& Add(RecordList<T>& list, const std::string& id) {
    auto record = std::make_unique<T>();
    record->ID = id;
    return list.RecordAt(list.Add(std::move(record)));
  }

  PlayerList players_;
  CourseList courses_;
  RoundList rounds_;
  EventList events_;
  TourList tours_;
  Database database_{players_, courses_, rounds_, events_, tours_};
};

}  // namespace cardwise::testing
