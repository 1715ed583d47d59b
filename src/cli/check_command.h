#pragma once
// `cardwise-cli check`: loads the five data files and reports, per file, how many records it
// read, then every line that could not be read as written (file, line, text).

#include "cli/cli.h"

namespace cardwise {

int RunCheck(CliContext& context);

}  // namespace cardwise
