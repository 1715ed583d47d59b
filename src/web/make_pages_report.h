#pragma once
// The account of a site run (MakeAllPages), kept by its SiteWriter.

#include <string>
#include <vector>

namespace cardwise {

struct MakePagesReport {
  int Written = 0;  // page files written (each counted once), the front page among them
  int Kept = 0;     // pages from earlier runs left as they were (update-all off, or unchanged)
  int TemplatesCopied = 0;
  // "path: why" of every page (or template copy, or style sheet) that could not be written,
  // among them the pages refused because a record ID, tour folder or template name would lead
  // outside the web root or the template folder.
  std::vector<std::string> Skipped;
};

}  // namespace cardwise
