#pragma once
// `cardwise-cli check`: loads the five data files (and the knockouts' file, when there is one)
// and reports, per file, how many records it read, then every line that could not be read as
// written (file, line, text).

#include <iosfwd>

#include "cli/cli_context.h"
#include "results/database.h"

namespace cardwise {

int RunCheck(CliContext& context);

// For the commands that go on past unreadable lines: each as "warning: file:line: ...".
void PrintLoadWarnings(const LoadReports& reports, std::ostream& err);

}  // namespace cardwise
