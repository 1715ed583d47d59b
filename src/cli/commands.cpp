#include "cli/commands.h"

#include "cli/cards_command.h"
#include "cli/check_command.h"
#include "cli/demo_command.h"
#include "cli/draw_command.h"
#include "cli/export_command.h"
#include "cli/handicap_command.h"
#include "cli/import_command.h"
#include "cli/knockout_command.h"
#include "cli/make_pages_command.h"
#include "cli/publish_command.h"
#include "cli/recalc_command.h"

namespace cardwise {

namespace {

const Command kCommands[] = {
    {"check", "check                 load the five data files, report counts and unreadable lines",
     RunCheck},
    {"recalc",
     "recalc events|tours|hcp\n"
     "                        compute every event's results, or every tour's standings, again\n"
     "                        and save them; or give every player the handicap of the latest round",
     RunRecalc},
    {"import-dx",
     "import-dx courses|players|events|rounds FILE\n"
     "                        one step of the import of the DOS program's BANA.DX (courses) and\n"
     "                        ROND.DX (players, events, rounds); run them in this order",
     RunImportDX},
    {"demo",
     "demo load|unload       switch to the demo data and back (stored in the settings file)",
     RunDemo},
    {"make-pages",
     "make-pages [FLAGS]    make the web site; the flags hold for this run only: --long-names\n"
     "                        or --short-names (the page names); --all-rounds, --all-players,\n"
     "                        --all-events, --all-tours rewrite existing pages of rounds,\n"
     "                        player years, events or tours; --publish then publishes it",
     RunMakePages},
    {"publish",
     "publish [--dry-run] [--verify]\n"
     "                        copy the web site to [Web] PublishTo with rsync (only what changed\n"
     "                        since the last publishing; --verify compares every file)",
     RunPublish},
    {"export",
     "export KIND [ID|YEAR] [--output FILE]\n"
     "                        CSV for spreadsheets, to stdout or into FILE: an event's results\n"
     "                        (results EVENT_ID), a tour's standings (standings TOUR_ID), a\n"
     "                        year's statistics list (stats YEAR), the scorecards of a year or\n"
     "                        of all years (rounds [YEAR]), the players' handicap index\n"
     "                        (handicaps), a knockout's matches (knockout KNOCKOUT_ID), an\n"
     "                        event's draw (draw EVENT_ID)",
     RunExport},
    {"draw",
     "draw EVENT_ID --players ID,ID,... [--group 2|3|4] [--start HH:MM] [--interval MINUTES]\n"
     "     [--order listed|handicap|random|balanced] [--seed N] [--two-tees | --shotgun]\n"
     "                        make the event's draw (groups, times, tees), store and print it",
     RunDraw},
    {"cards",
     "cards EVENT_ID [--output FILE]\n"
     "                        the scorecards of the event's draw as a PDF (default\n"
     "                        EVENT_ID-cards.pdf), strokes received marked, paper [Print] Paper",
     RunCards},
    {"handicap",
     "handicap [--as-of DATE] [PLAYER_ID...]\n"
     "                        the players' handicap index from their rounds up to DATE (default\n"
     "                        today); with one player ID, also the player's 20 differentials",
     RunHandicap},
    {"knockout",
     "knockout create|result|show ID ...\n"
     "                        a match play knockout: create ID --name NAME --players ID,ID,...\n"
     "                        [--seeding listed|handicap|random] [--seed N] [--course COURSE_ID]\n"
     "                        [--allowance PERCENT]; result ID R<round>M<match> WINNER_ID\n"
     "                        [RESULT] [--force]; show ID prints the bracket",
     RunKnockout},
};

}  // namespace

std::span<const Command> Commands() {
  return kCommands;
}

const Command* FindCommand(const std::string& name) {
  for (const Command& command : kCommands)
    if (name == command.Name) return &command;
  return nullptr;
}

}  // namespace cardwise
