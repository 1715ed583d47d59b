#pragma once
// Files and folders. Paths are plain texts with "/" as separator; a folder path given to these
// functions may or may not end with "/".

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace cardwise {

bool FileExists(const std::string& path);  // a regular file (or a link to one)
bool DirectoryExists(const std::string& path);

// Creates the folder with every missing parent; ok when it exists already.
Status CreateDirectories(const std::string& path);

Status RenameFile(const std::string& from, const std::string& to);  // replaces `to`
Status DeleteFile(const std::string& path);                         // ok when already absent
// Copies the bytes of `from` to `to`, replacing `to` atomically.
Status CopyFile(const std::string& from, const std::string& to);

// Seconds since the epoch of the file's last modification; nullopt when it cannot be read.
std::optional<std::time_t> ModificationTime(const std::string& path);

// Names (not paths) of the regular files in `dir` whose names match `pattern`, where "*" stands
// for any run of characters and "?" for one; letter case counts. Sorted by name.
std::vector<std::string> FilesMatching(const std::string& dir, std::string_view pattern);
bool MatchesPattern(std::string_view name, std::string_view pattern);
// Names of all the regular files (or links to one) in `dir`, in no set order: one pass over the
// folder, for a caller that asks of many files whether they exist. Empty for a missing folder.
std::vector<std::string> FileNamesIn(const std::string& dir);

// Reads the whole file into `contents`. A missing file is an error; callers that treat a
// missing file as empty test FileExists first.
Status ReadWholeFile(const std::string& path, std::string& contents);

// Replaces the file with `contents` atomically: the bytes go to a temporary file beside it,
// which is flushed and renamed over the path. On failure the old file is untouched.
Status WriteFileAtomically(const std::string& path, std::string_view contents);
// Creates or truncates the file and writes `contents` into it: for files that nobody reads
// while they are written, such as those of a folder not yet published.
Status WriteFileInPlace(const std::string& path, std::string_view contents);

// The file a symbolic link points at; the path itself when it is no link (or a broken one).
std::string LinkTarget(const std::string& path);

// The folder part of a path including its final "/" ("" when there is none), and the rest.
std::string DirectoryOf(const std::string& path);
std::string FileNameOf(const std::string& path);

// The full path of the running executable ("" when it cannot be found).
std::string ExecutablePath();

}  // namespace cardwise
