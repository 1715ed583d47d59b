#pragma once
// The record of the pages a run made from inputs it can name, kept in the web root as the
// hidden file ".cardwise-pages" (never published): for each page, a digest of everything it is
// made from (page_inputs.h) and the size and time of its file as the run left it. A later run
// that finds the same digest, and the file as it was left, neither renders nor reads the page.
//
// A missing or damaged record is no error: every page is then made again, as without it. A page
// file changed, removed or replaced by hand since has another size or time and is made again.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/status.h"
#include "web/site_file_line.h"

namespace cardwise {

inline constexpr std::string_view kPageRecordName = ".cardwise-pages";

class PageRecord {
 public:
  // Reads the record of the web root `root` (ending with "/").
  explicit PageRecord(std::string root);

  // Whether the page at `path` (a full path below the root) was made from `inputs` and its file
  // is as that run left it.
  bool IsCurrent(const std::string& path, std::uint64_t inputs) const;
  // Notes the page as made (or left) in this run from `inputs`; Save records it with the size
  // and time its file then has.
  void Note(const std::string& path, std::uint64_t inputs);
  // Leaves the page out of the record (its file could not be written).
  void Forget(const std::string& path);

  // Replaces the record with the pages noted in this run whose files exist.
  Status Save() const;

 private:
  void Read();
  bool ReadLine(std::string_view line);

  std::string root_;
  // By path below the root; the digest is that of the page's inputs.
  std::unordered_map<std::string, SiteFile> before_;
  std::unordered_map<std::string, std::uint64_t> now_;  // by full path
};

}  // namespace cardwise
