#pragma once
// What the record editors do together when the lists change under them or the program ends.

#include <string>
#include <utility>
#include <vector>

namespace cardwise::app {

class RecordEditor;

// A change of the record lists from outside the editors (more rounds loaded, an import, a tour
// saved as an event) shifts the places the editors show. Made before the change, it has every
// editor post an edit in progress (Ready() is false when one could not: leave the lists alone)
// and remember the record it shows; at its end every editor shows that record again.
class EditorsListChange {
 public:
  EditorsListChange();
  ~EditorsListChange();
  EditorsListChange(const EditorsListChange&) = delete;
  EditorsListChange& operator=(const EditorsListChange&) = delete;
  bool isReady() const { return ready_; }

 private:
  std::vector<std::pair<RecordEditor*, std::string>> shown_;
  bool ready_ = true;
};

// Before the program ends: every editor with an edit in progress is shown and asks Save /
// Discard / Cancel; false when the user cancelled (or a save failed), and the program goes on.
bool settleEveryEdit();

}  // namespace cardwise::app
