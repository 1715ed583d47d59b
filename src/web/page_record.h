#pragma once
// The record of the pages a run made from inputs it can name, kept in the web root as the
// hidden file ".cardwise-pages" (never published): for each page, a digest of everything it is
// made from (page_inputs.h) and the size and time of its file as the run left it. A later run
// that finds the same digest, and the file as it was left, neither renders nor reads the page.
//
// A missing or damaged record is no error: every page is then made again, as without it. A page
// file changed, removed or replaced by hand since has another size or time and is made again.

#include <cstdint>
#include <optional>
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

  // The file as the run that made the page from the same inputs left it, when it still is so:
  // then the page may stay as it is. It changes nothing: threads may ask it at once.
  std::optional<SiteFile> Current(const std::string& path, std::uint64_t inputs) const;
  // Notes the page as made in this run from `inputs`, staying as it is when `kept` holds its
  // file (as Current gave it).
  void Note(const std::string& path, std::uint64_t inputs, std::optional<SiteFile> kept);
  // Leaves the page out of the record (its file could not be written).
  void Forget(const std::string& path);

  // Replaces the record with the pages noted in this run whose files exist: a page that stayed
  // as it was keeps its line, any other is looked at.
  Status Save() const;

 private:
  void Read();
  bool ReadLine(std::string_view line);

  std::string root_;
  // By path below the root; the digest is that of the page's inputs.
  struct PathHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view path) const {
      return std::hash<std::string_view>()(path);
    }
  };
  std::unordered_map<std::string, SiteFile, PathHash, std::equal_to<>> before_;
  struct Noted {
    std::uint64_t Inputs = 0;
    std::optional<SiteFile> Kept;  // the file as it was found, when the page stays as it is
  };
  std::unordered_map<std::string, Noted> now_;  // by full path
};

}  // namespace cardwise
