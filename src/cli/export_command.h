#pragma once
// `cardwise-cli export results EVENT_ID | standings TOUR_ID | stats YEAR | rounds [YEAR]
// [--output FILE]`: a list of the web pages as comma-separated values for spreadsheets (see
// results/csv_export.h), to stdout or into FILE, which is replaced atomically.
//
// Results and standings are computed as for their pages; no data file is written. Lines of the
// data files that could not be read are listed on stderr as warnings.
//
// Exit status: 0 written; 1 the file could not be written; 2 a wrong command line, or an event,
// tour or year (one without rounds) that is not there.

#include "cli/cli_context.h"

namespace cardwise {

int RunExport(CliContext& context);

}  // namespace cardwise
