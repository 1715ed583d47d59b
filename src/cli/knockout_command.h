#pragma once
// `cardwise-cli knockout create|result|show`: singles match play knockouts in the knockouts'
// file (results/knockout.h), made, advanced by their results and printed round by round.
//
//   knockout create ID --name NAME --players ID,ID,... [--seeding listed|handicap|random]
//                      [--seed N] [--course COURSE_ID] [--allowance PERCENT]
//   knockout result ID MATCH WINNER_ID [RESULT] [--force]
//   knockout show ID
//
// Exit status: 0 done; 1 the file could not be written; 2 a wrong command line or anything it
// names that is not there or not allowed (nothing is stored then).

#include "cli/cli_context.h"

namespace cardwise {

int RunKnockout(CliContext& context);

}  // namespace cardwise
