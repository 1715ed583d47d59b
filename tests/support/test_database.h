#pragma once
// Five empty record lists and the database view over them: a base for the fixtures of the
// computations and pages, which fill the lists in memory.

#include <memory>
#include <string>

#include "results/database.h"

namespace cardwise::testing {

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
