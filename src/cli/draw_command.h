#pragma once
// `cardwise-cli draw EVENT_ID --players ID,ID,... [--group 2|3|4] [--start HH:MM]
// [--interval MINUTES] [--order listed|handicap|random|balanced] [--seed N]
// [--two-tees | --shotgun]`: makes the event's draw (results/draw.h), stores it with the event
// and prints it, one line per player: time, tee, group, ID, name, handicap, strokes received.
//
// A random order without --seed chooses a seed, prints it and stores it. A player named twice
// is drawn once, with a note on stderr.
//
// Exit status: 0 drawn and stored; 1 the events file could not be written, or the event's
// section holds lines that could not be read (it is left as it was); 2 a wrong command line:
// an unknown event or player, a group size outside 2 to 4, a time that is not HH:MM, ...
// (nothing is stored).

#include "cli/cli_context.h"

namespace cardwise {

int RunDraw(CliContext& context);

}  // namespace cardwise
