#pragma once
// `cardwise-cli cards EVENT_ID [--output FILE]`: the printed scorecards of the event's draw
// (results/cards.h) as a PDF, one card per player in draw order, on the paper of the setting
// [Print] Paper; by default into EVENT_ID-cards.pdf in the current folder.
//
// Exit status: 0 written; 1 the file could not be written (the message names it); 2 a wrong
// command line, an unknown event, or an event without a draw or a course.

#include "cli/cli_context.h"

namespace cardwise {

int RunCards(CliContext& context);

}  // namespace cardwise
