#pragma once
// Five empty record lists and the database view over them: a base for the fixtures of the
// computations and pages, which fill the lists in memory.

#include "results/database.h"

namespace cardwise::testing {

class TestDatabase {
 protected:
  TPlayerList players_;
  TCourseList courses_;
  TRoundList rounds_;
  TEventList events_;
  TTourList tours_;
  TDatabase database_{players_, courses_, rounds_, events_, tours_};
};

}  // namespace cardwise::testing
