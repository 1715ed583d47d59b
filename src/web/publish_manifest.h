#pragma once
// The record of the last publishing, kept in the web root as the hidden file
// ".cardwise-published" (never published itself): the target it went to, whether files that
// left the site were deleted there, the seal left at the target, and each file sent with its
// size, modification time and digest. With it, a later run finds the files that changed from
// one look at the web root, reading only files whose size or time moved, and sends just those.
//
// The seal is a token written both here and, as ".cardwise-seal", into the target. A target
// whose seal differs (first publish, another site's target, a target restored or cleared by
// hand) is not what the record says, and the caller compares everything.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "web/site_file_line.h"

namespace cardwise {

inline constexpr std::string_view kManifestName = ".cardwise-published";
inline constexpr std::string_view kSealName = ".cardwise-seal";

// By path relative to the web root, "/" between folders.
using SiteFiles = std::map<std::string, SiteFile>;

struct PublishManifest {
  std::string Target;    // PublishTo of that run
  bool Deleted = false;  // PublishDelete of that run
  std::string Seal;
  std::int64_t Scanned = 0;  // when the web root was looked at, as SiteFile::Time
  SiteFiles Files;
};

// The record of `root`; nullopt when there is none or it cannot be read in full (then
// everything is compared, so nothing is lost).
std::optional<PublishManifest> ReadPublishManifest(const std::string& root);
Status WritePublishManifest(const std::string& root, const PublishManifest& manifest);

// True for the names publishing leaves out: the records of this program in the web root
// (".cardwise-*") and anywhere the files and folders of a page run in progress ("a.htm.tmp12-3",
// ".2027.tmp12-1"), as rsync's filters "/.cardwise-*" and "*.tmp[0-9]*-[0-9]*" match them.
bool IsUnpublishedName(std::string_view name, bool atRoot);

// The time now, as SiteFile::Time.
std::int64_t FileClockNow();

// The regular files of the web root, as publishing sends them. A file whose size and time are
// those in `known`, looked at at `scanned`, takes its digest from there; any other is read. So
// is a file whose time lies within a second of `scanned`: it may have been written again in the
// same tick of the clock, with the same size.
Status ScanSite(const std::string& root, const SiteFiles& known, std::int64_t scanned,
                SiteFiles& files);

struct SiteChanges {
  std::vector<std::string> Changed;  // new files and files whose digest or size differs
  std::vector<std::string> Removed;  // files of `before` gone from `now`
};
SiteChanges CompareSites(const SiteFiles& before, const SiteFiles& now);

// The removed paths as rsync deletes them: a file whose folder is still in the site by
// itself, else the outermost folder that left the site ("2019/" for all of 2019's pages).
std::vector<std::string> DeletionRoots(const SiteChanges& changes, const SiteFiles& now);

}  // namespace cardwise
