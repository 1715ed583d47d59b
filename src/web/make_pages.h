#pragma once
// Writes the whole web site from the lists in memory: course pages, the pages of every round
// (scorecard, player on the course in that year, the player's year), event pages, scoring
// tables and tour pages, player pages, the four index pages (and the handicap index page when
// the setting HandicapPage is on), the template copies, the year statistics pages and the front
// page "index.html" in the web root, in that order. Pages of rounds, player years, events and
// tours that exist already are rewritten only when the matching update-all setting is on; the
// player, course, player-on-course and year statistics pages only when what they are made from
// changed since the run recorded in the web root (page_record.h); a front page the program did
// not write is never replaced.

#include <string>
#include <vector>

#include "web/make_pages_report.h"
#include "web/site.h"

namespace cardwise {

// Runs on the lists of `context` (computing event results and tour standings into them) as of
// `context.Today`; its round index is its own. A site without an index folder gets the style
// sheet "cardwise.css" from the template folder, else the one shipped with the program.
MakePagesReport MakeAllPages(const WebContext& context);

// Copies every template page ("*.htm*") into the site's index folder unless its copy there is
// not older than the template.
void CopyTemplates(const WebContext& context, MakePagesReport& report);

}  // namespace cardwise
