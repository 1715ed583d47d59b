#pragma once
// Five empty record lists and the database view over them: a base for the fixtures of the
// computations and pages, which fill the lists in memory.

#include "results/database.h"

namespace cardwise::testing {

class TestDatabase {
 protected:
  PlayerList players_;
  CourseList courses_;
  RoundList rounds_;
  EventList events_;
  TourList tours_;
  Database database_{players_, courses_, rounds_, events_, tours_};
};

}  // namespace cardwise::testing
