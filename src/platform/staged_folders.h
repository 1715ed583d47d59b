#pragma once
// Folders filled out of sight and published whole.
//
// A run that writes many files into folders that do not exist yet fills each such folder under
// a hidden name beside it (".NAME.tmpPID-N") and renames it to NAME when published. Readers see
// the folder complete or not at all, while its files are written plainly, without the temporary
// file and rename per file that replacing each file atomically costs. Files in folders that
// existed when first written to are replaced atomically one by one.
//
// One thread at a time uses an object. A run that is killed leaves its hidden folders behind;
// they hold nothing that a later run needs.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/status.h"

namespace cardwise {

struct FileFailure {
  std::string Path;  // the file's final path
  Status Outcome;
};

class StagedFolders {
 public:
  StagedFolders() = default;
  ~StagedFolders();  // publishes what is still staged
  StagedFolders(const StagedFolders&) = delete;
  StagedFolders& operator=(const StagedFolders&) = delete;

  // Writes the file at its final path: into the hidden twin of its folder when the folder was
  // missing the first time this object wrote into it, else atomically in place. Makes missing
  // parent folders. A file written twice before publishing keeps the last bytes.
  Status Write(const std::string& path, std::string_view contents);

  // Renames each staged folder to its name. When that name has been taken meanwhile, the files
  // move into the folder one by one, each replacing its namesake atomically. Returns the files
  // that did not arrive; the staging twin of such a folder is kept with them.
  std::vector<FileFailure> Publish();

 private:
  // The folder's staging twin, "" when it is written in place; made on first use.
  Status Resolve(const std::string& folder, std::string& staging);
  std::vector<FileFailure> MoveInto(const std::string& staging, const std::string& folder);

  std::unordered_map<std::string, std::string> folders_;  // folder (with "/") -> staging twin
};

}  // namespace cardwise
