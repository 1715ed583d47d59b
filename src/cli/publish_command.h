#pragma once
// `cardwise-cli publish [--dry-run]`: copies the web root to the target of [Web] PublishTo with
// rsync (src/web/publish.h) and prints how many files were sent, their bytes and how many files
// were deleted from the target. With --dry-run rsync only lists what it would do and nothing
// changes. The pages are not made: see `make-pages --publish`.
//
// Exit status: 0 when the target is up to date, 1 when no target is set, it is refused, rsync
// is missing or the copy failed (rsync's message on stderr), 2 for a wrong command line.

#include "cli/cli_context.h"

namespace cardwise {

int RunPublish(CliContext& context);

// Publishes the site of `settings` and prints the summary; returns the exit status.
int PublishAndReport(const AppSettings& settings, bool dryRun, CliContext& context);

}  // namespace cardwise
