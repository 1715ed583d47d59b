#pragma once
// `cardwise-cli import-dx courses|players|events|rounds FILE`: one step of the legacy import,
// from BANA.DX (courses) or ROND.DX (players, events, rounds) into the data files.
//
// Exit status 1 when the file is missing, when the data file cannot be written, or when records
// were left out (each is listed with its file, line and text; the others are imported).

#include "cli/cli_context.h"

namespace cardwise {

int RunImportDX(CliContext& context);

}  // namespace cardwise
