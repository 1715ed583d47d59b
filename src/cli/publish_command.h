#pragma once
// `cardwise-cli publish [--dry-run] [--verify]`: copies the web root to the target of [Web]
// PublishTo with rsync (src/web/publish.h) and prints how many files were sent, their bytes and
// how many files were deleted from the target. With --dry-run rsync only lists what it would do
// and nothing changes; with --verify every file is compared with the target's, not only those
// that changed since the last publishing. The pages are not made: see `make-pages --publish`.
//
// Exit status: 0 when the target is up to date, 1 when no target is set, it is refused, rsync
// is missing or the copy failed (rsync's message on stderr), 2 for a wrong command line.

#include "cli/cli_context.h"
#include "web/publish.h"

namespace cardwise {

int RunPublish(CliContext& context);

// Publishes the site of `settings` and prints the summary; returns the exit status.
int PublishAndReport(const AppSettings& settings, const PublishOptions& options,
                     CliContext& context);

}  // namespace cardwise
