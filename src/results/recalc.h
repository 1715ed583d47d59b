#pragma once
// The batch commands of the Database menu, shared by the app and cardwise-cli. Each runs to
// the end without asking anything and reports progress through the status texts of its saves.
//
// Each changes and saves its records in one rewrite of its file, under the file's lock
// (RecordList::UpdateRecords): a record whose section in the file holds a line the program
// cannot read is neither recalculated nor saved, and is listed in the report; every other
// record is recalculated and saved. The report's Outcome is the failure when the file cannot be
// read or written.

#include <string>

#include "records/record_io.h"
#include "records/round.h"
#include "results/database.h"
#include "results/event.h"

namespace cardwise {

// "Recalc all events": the results of every event, in list order, computed again from the
// rounds (CalcEventResults) and saved into the events file. A team event with a member that is
// not in the player list is left as it was and listed with its team's line.
BatchReport RecalcAllEvents(Database& database, const std::string& path);

// "Recalc all tours": the standings of every tour, in list order, computed again from the
// event results as they are in memory, and saved into the tours file (Ntot becomes the number
// of standing lines).
BatchReport RecalcAllTours(Database& database, const std::string& path);

// "Update players hcp": every player with rounds takes the handicap of the latest one (the
// round list is in date order, so walking it from its end meets each player's latest round
// first) and is saved into the players file; players without rounds are left alone.
BatchReport UpdatePlayersHcp(Database& database, const std::string& path);

}  // namespace cardwise
