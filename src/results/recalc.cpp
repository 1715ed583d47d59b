#include "results/recalc.h"

#include "platform/status_sink.h"
#include "results/event_results.h"

namespace cardwise {

Status RecalcAllEvents(TEventList& events, const TRoundList& rounds, const std::string& path) {
  for (int i = 0; i < events.Count(); ++i) CalcResults(events.RecordAt(i), rounds);
  return events.SaveAll(path);
}

}  // namespace cardwise
