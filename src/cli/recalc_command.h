#pragma once
// `cardwise-cli recalc events|tours|hcp`: the batch commands of the Database menu.
//
// The data files are loaded first; lines of them that could not be read are listed as
// warnings. A record whose section in the file the command rewrites holds such a line is left
// as it was (results/recalc.h): its lines are listed with "left as it was", every other record
// is recalculated and saved, and the command exits 1. It exits 0 when it left nothing alone.

#include "cli/cli_context.h"

namespace cardwise {

int RunRecalc(CliContext& context);

}  // namespace cardwise
