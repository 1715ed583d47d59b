#pragma once
// `cardwise-cli handicap [--as-of DATE] [PLAYER_ID...]`: the handicap index of the players
// (every player, or those named), computed from the rounds played up to DATE (default today).
//
// One line per player goes to stdout: ID, name, index ("-" for none, a plus index as "+1.2")
// and the rounds counted. With one player ID, the player's most recent 20 differentials follow,
// oldest first, those that make the index marked "*", together with the rounds of that span
// that do not count and why. Lines of the data files that could not be read are listed on
// stderr as warnings.
//
// Exit status: 0 success; 1 when a named player is not in the players file (the others are
// still listed); 2 for a wrong command line or a date that cannot be read.

#include "cli/cli_context.h"

namespace cardwise {

int RunHandicap(CliContext& context);

}  // namespace cardwise
