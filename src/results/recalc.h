#pragma once
// The batch commands of the Database menu, shared by the app and cardwise-cli. Each runs to
// the end without asking anything and reports progress through the status texts of its saves.

#include <string>

#include "platform/status.h"
#include "records/round.h"
#include "results/event.h"

namespace cardwise {

// "Recalc all events": the results of every event, in list order, computed again from the
// rounds and saved into the events file (in one rewrite of the file; the file ends up as
// saving each event in turn leaves it). Returns the failure when the file cannot be written.
Status RecalcAllEvents(TEventList& events, const TRoundList& rounds, const std::string& path);

}  // namespace cardwise
