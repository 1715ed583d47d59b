#pragma once
// Publishing: the web root brought up to date at the target of the setting PublishTo (a folder,
// such as a mounted share, or an rsync destination "user@host:path/") by rsync, run as a child
// process with an argument vector. With PublishDelete, files the site no longer has are removed
// from the target. The temporary files and hidden folders of a page run in progress (or
// killed) and this program's own records in the web root are never sent. Remote targets go
// through ssh in batch mode: keys or an agent, never a password prompt.
//
// A run sends only the files that changed since the last publishing to the same target, as
// its record says (src/web/publish_manifest.h), and deletes there only the files that left the
// site. When there is no such record or the target's seal does not match it (first publish,
// another target, a target restored or cleared by hand), or when asked to verify, rsync
// compares every file by content instead, which reads the whole site on both sides.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "settings/settings.h"

namespace cardwise {

struct PublishOptions {
  bool DryRun = false;  // only list what would be sent and deleted; nothing changes
  bool Verify = false;  // compare every file with the target, whatever the record says
};

struct PublishReport {
  int FilesSent = 0;             // regular files copied (or, on a dry run, to be copied)
  std::uintmax_t BytesSent = 0;  // their sizes
  int FilesDeleted = 0;          // files removed from the target (or to be)
  bool ComparedAll = false;      // every file was compared with the target's
};

// Ok when `target` may be handed on: not empty, not beginning with "-" (rsync would read an
// option) and without whitespace, control characters or any of ` ~ ! # $ & * ( ) | \ { } [ ]
// ; ' " < > ? (a remote target's path is read by the remote shell).
Status CheckPublishTarget(std::string_view target);

// The argument vector of rsync that compares the whole site of `settings` with the target.
std::vector<std::string> PublishArguments(const AppSettings& settings, bool dryRun);
// The one that sends (and, with PublishDelete, deletes) just the paths listed in `listFile`.
std::vector<std::string> ChangedFilesArguments(const AppSettings& settings,
                                               const std::string& listFile, bool dryRun);

// Adds one line of rsync's output (as PublishArguments asks for it) to the report and sets
// `name` to the path it names; false, nothing counted, for a line that is not an item.
bool AddPublishedItem(std::string_view line, PublishReport& report, std::string& name);

// Checks the target, then runs rsync, showing each file it sends or deletes on the status
// line, and (unless a dry run) seals the target and keeps the record. Fails, before anything
// runs, when PublishTo is empty or refused or the web root does not exist; fails with rsync's
// own message when the copy fails, leaving the previous record (the next run sends again what
// this one may have sent).
Status PublishSite(const AppSettings& settings, const PublishOptions& options,
                   PublishReport& report);

}  // namespace cardwise
