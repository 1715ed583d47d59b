#pragma once
// Publishing: the web root brought up to date at the target of the setting PublishTo (a folder,
// such as a mounted share, or an rsync destination "user@host:path/") by rsync, run as a child
// process with an argument vector. rsync compares by content and keeps modification times, so
// the pages that a run of make-pages rewrote unchanged are not sent again; with PublishDelete,
// files the site no longer has are removed from the target. The temporary files and hidden
// folders of a page run in progress (or killed) are never sent. Remote targets go through ssh
// in batch mode: keys or an agent, never a password prompt.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "settings/settings.h"

namespace cardwise {

struct PublishReport {
  int FilesSent = 0;             // regular files copied (or, on a dry run, to be copied)
  std::uintmax_t BytesSent = 0;  // their sizes
  int FilesDeleted = 0;          // files removed from the target (or to be)
};

// Ok when `target` may be handed on: not empty, not beginning with "-" (rsync would read an
// option) and without whitespace, control characters or any of ` ~ ! # $ & * ( ) | \ { } [ ]
// ; ' " < > ? (a remote target's path is read by the remote shell).
Status CheckPublishTarget(std::string_view target);

// The argument vector of rsync for the site of `settings`.
std::vector<std::string> PublishArguments(const AppSettings& settings, bool dryRun);

// Adds one line of rsync's output (as PublishArguments asks for it) to the report and sets
// `name` to the path it names; false, nothing counted, for a line that is not an item.
bool AddPublishedItem(std::string_view line, PublishReport& report, std::string& name);

// Checks the target, then runs rsync, showing each file it sends or deletes on the status
// line. Fails, before anything runs, when PublishTo is empty or refused or the web root does
// not exist; fails with rsync's own message when the copy fails.
Status PublishSite(const AppSettings& settings, bool dryRun, PublishReport& report);

}  // namespace cardwise
