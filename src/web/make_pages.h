#pragma once
// Writes the whole web site from the lists in memory: course pages, the pages of every round
// (scorecard, player on the course in that year, the player's year), event pages, scoring
// tables and tour pages, player pages, the four index pages, the template copies and the
// year statistics pages, in that order. Pages of rounds, player years, events and tours that
// exist already are rewritten only when the matching update-all setting is on.

#include <string>
#include <vector>

#include "web/site.h"

namespace cardwise {

struct MakePagesReport {
  int Written = 0;  // pages written
  int Kept = 0;     // existing pages left as they were (update-all off)
  int TemplatesCopied = 0;
  std::vector<std::string> Skipped;  // "path: why" of every page that could not be written
};

MakePagesReport MakeAllPages(const TWebContext& context);

// Copies every template page ("*.htm*") into the site's index folder unless its copy there is
// not older than the template.
void CopyTemplates(const TWebContext& context, MakePagesReport& report);

}  // namespace cardwise
