#pragma once
// `cardwise-cli recalc events|tours|hcp`: the batch commands of the Database menu.
//
// The data files are loaded first. When the file a command rewrites holds lines that could not
// be read, the command stops before writing anything (rewriting would drop those lines) and
// lists them; lines of the other files that could not be read are listed as warnings.

#include "cli/cli.h"

namespace cardwise {

int RunRecalc(CliContext& context);

}  // namespace cardwise
