#include "web/publish_manifest.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "platform/digest.h"
#include "platform/files.h"
#include "platform/run_beside.h"
#include "records/text.h"

namespace cardwise {

namespace {

constexpr std::string_view kHeading = "cardwise-published 1";
constexpr std::int64_t kSecond = 1'000'000'000;

struct Scan {
  const SiteFiles& Known;
  std::int64_t Scanned;
  SiteFiles& Files;
  // When set, the folders met are listed here instead of being looked into.
  std::vector<std::string>* Folders = nullptr;
  // Where the last look-up in Known ended: the files of a folder come in ascending order.
  mutable SiteFiles::const_iterator Cursor = Known.begin();

  const SiteFile* Find(const std::string& path) const;
};

// A few steps on from the last look-up, else a search.
const SiteFile* Scan::Find(const std::string& path) const {
  constexpr int kSteps = 8;
  // The cursor may go on only while everything before it comes before the path.
  if (Cursor != Known.begin() && !(std::prev(Cursor)->first < path))
    Cursor = Known.lower_bound(path);
  for (int steps = 0; Cursor != Known.end() && Cursor->first < path; ++steps) {
    if (steps == kSteps) {
      Cursor = Known.lower_bound(path);
      break;
    }
    ++Cursor;
  }
  return Cursor != Known.end() && Cursor->first == path ? &Cursor->second : nullptr;
}

// One folder of the root and everything in it, looked at by either thread.
struct FolderScan {
  std::string Name;
  SiteFiles Files;
  Status Outcome = Status::Ok();
};

// "name<TAB>value" with the expected name; the value, or nullopt.
std::optional<std::string_view> Field(std::string_view line, std::string_view name) {
  if (!line.starts_with(name) || line.size() <= name.size() || line[name.size()] != '\t')
    return std::nullopt;
  return line.substr(name.size() + 1);
}

// The record is written in path order: each line goes in at the end, without a search.
bool AddFileLine(std::string_view line, SiteFiles& files) {
  const auto parsed = ParseSiteFileLine(line);
  if (!parsed) return false;
  const std::size_t before = files.size();
  files.emplace_hint(files.end(), std::string(parsed->first), parsed->second);
  return files.size() > before;  // a path twice: the record is damaged
}

bool ParseHeading(std::vector<std::string_view>& lines, PublishManifest& manifest) {
  if (lines.size() < 5 || lines[0] != kHeading) return false;
  const auto target = Field(lines[1], "target");
  const auto deleted = Field(lines[2], "delete");
  const auto seal = Field(lines[3], "seal");
  const auto scanned = Field(lines[4], "scanned");
  if (!target || !seal || !deleted || !scanned || (*deleted != "0" && *deleted != "1"))
    return false;
  const auto [stop, error] =
      std::from_chars(scanned->data(), scanned->data() + scanned->size(), manifest.Scanned);
  if (error != std::errc() || stop != scanned->data() + scanned->size()) return false;
  manifest.Target = std::string(*target);
  manifest.Deleted = *deleted == "1";
  manifest.Seal = std::string(*seal);
  return true;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

// The file's size and time; its digest from `known` when they match and were not written in
// the second of that look, else from its bytes.
// `full` is the file's folder as a full path (ending with "/"), `name` the file's name in it.
Status AddScannedFile(const std::string& full, const std::string& name, const struct stat& info,
                      std::string path, const Scan& scan) {
  SiteFile file{static_cast<std::uintmax_t>(info.st_size), Nanoseconds(info.st_mtim), 0};
  const SiteFile* previous = scan.Find(path);
  if (previous != nullptr && previous->Size == file.Size && previous->Time == file.Time &&
      file.Time + kSecond < scan.Scanned) {
    file.Digest = previous->Digest;
  } else {
    std::string contents;
    if (Status status = ReadWholeFile(full + name, contents); !status) return status;
    file.Digest = ContentDigest(contents);
  }
  scan.Files.emplace_hint(scan.Files.end(), std::move(path), file);
  return Status::Ok();
}

// One folder and, depth first in name order, the folders in it: one lstat per entry, relative
// to the open folder, so that no path is looked up from the root again.
Status ScanFolder(int folder, const std::string& full, const std::string& prefix,
                  const Scan& scan) {
  DIR* dir = ::fdopendir(folder);
  if (dir == nullptr) {
    ::close(folder);
    return Status::ErrorAt(full, 0, std::strerror(errno));
  }
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != ".." && !IsUnpublishedName(name, prefix.empty()))
      names.emplace_back(name);
  }
  std::sort(names.begin(), names.end());
  Status status = Status::Ok();
  for (const std::string& name : names) {
    struct stat info {};
    if (::fstatat(::dirfd(dir), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(info.st_mode)) {
      status = AddScannedFile(full, name, info, prefix + name, scan);
    } else if (S_ISDIR(info.st_mode) && scan.Folders != nullptr) {
      scan.Folders->push_back(name);
    } else if (S_ISDIR(info.st_mode)) {
      const int inner = ::openat(::dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      status = inner < 0 ? Status::ErrorAt(full + name, 0, std::strerror(errno))
                         : ScanFolder(inner, full + name + "/", prefix + name + "/", scan);
    }
    if (!status) break;
  }
  ::closedir(dir);
  return status;
}

Status ScanSubfolder(const std::string& root, FolderScan& folder, const SiteFiles& known,
                     std::int64_t scanned) {
  const std::string full = root + folder.Name + "/";
  const int opened = ::open(full.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (opened < 0) return Status::ErrorAt(root + folder.Name, 0, std::strerror(errno));
  return ScanFolder(opened, full, folder.Name + "/", Scan{known, scanned, folder.Files});
}

bool FolderInSite(const std::string& folder, const SiteFiles& now) {
  const auto next = now.lower_bound(folder);
  return next != now.end() && next->first.starts_with(folder);
}

}  // namespace

std::optional<PublishManifest> ReadPublishManifest(const std::string& root) {
  std::string text;
  if (!ReadWholeFile(IncludeTrailingSlash(root) + std::string(kManifestName), text))
    return std::nullopt;
  std::vector<std::string_view> lines = Lines(text);
  PublishManifest manifest;
  if (!ParseHeading(lines, manifest)) return std::nullopt;
  for (std::size_t i = 5; i < lines.size(); ++i)
    if (!AddFileLine(lines[i], manifest.Files)) return std::nullopt;
  return manifest;
}

Status WritePublishManifest(const std::string& root, const PublishManifest& manifest) {
  std::string text = std::string(kHeading) + "\ntarget\t" + manifest.Target + "\ndelete\t" +
                     (manifest.Deleted ? "1" : "0") + "\nseal\t" + manifest.Seal + "\nscanned\t" +
                     std::to_string(manifest.Scanned) + "\n";
  for (const auto& [path, file] : manifest.Files)
    AppendSiteFileLine(text, path, file);
  return WriteFileAtomically(IncludeTrailingSlash(root) + std::string(kManifestName), text);
}

bool IsUnpublishedName(std::string_view name, bool atRoot) {
  if (atRoot && name.starts_with(".cardwise-")) return true;
  const auto digit = [&](std::size_t at) {
    return at < name.size() && name[at] >= '0' && name[at] <= '9';
  };
  for (std::size_t tmp = name.find(".tmp"); tmp != std::string_view::npos;
       tmp = name.find(".tmp", tmp + 1)) {
    const std::size_t dash = name.find('-', tmp + 5);
    if (digit(tmp + 4) && dash != std::string_view::npos && digit(dash + 1)) return true;
  }
  return false;
}

std::int64_t FileClockNow() {
  struct timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return Nanoseconds(now);
}

Status ScanSite(const std::string& root, const SiteFiles& known, std::int64_t scanned,
                SiteFiles& files) {
  files.clear();
  const std::string full = IncludeTrailingSlash(root);
  const int folder = ::open(full.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return Status::ErrorAt(root, 0, std::strerror(errno));
  // The root's own files now; its folders (a site's years and indexes) afterwards, shared out
  // between this thread and another: the look at each file is a system call of its own.
  std::vector<std::string> folders;
  Status status = ScanFolder(folder, full, "", Scan{known, scanned, files, &folders});
  if (!status) return status;
  std::vector<FolderScan> scans(folders.size());
  for (std::size_t i = 0; i < folders.size(); ++i)
    scans[i].Name = folders[i];
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    for (std::size_t i = next++; i < scans.size(); i = next++)
      scans[i].Outcome = ScanSubfolder(full, scans[i], known, scanned);
  };
  if (!RunBeside(work, work)) work();
  // The folders' paths come mostly after all before them: each goes in at the end unless not.
  for (FolderScan& scan : scans) {
    if (!scan.Outcome) return scan.Outcome;
    while (!scan.Files.empty())
      files.insert(files.end(), scan.Files.extract(scan.Files.begin()));
  }
  return Status::Ok();
}

// One walk over both, in path order.
SiteChanges CompareSites(const SiteFiles& before, const SiteFiles& now) {
  SiteChanges changes;
  auto old = before.begin();
  for (const auto& [path, file] : now) {
    for (; old != before.end() && old->first < path; ++old)
      changes.Removed.push_back(old->first);
    const bool same = old != before.end() && old->first == path &&
                      old->second.Digest == file.Digest && old->second.Size == file.Size;
    if (!same) changes.Changed.push_back(path);
    if (old != before.end() && old->first == path) ++old;
  }
  for (; old != before.end(); ++old)
    changes.Removed.push_back(old->first);
  return changes;
}

std::vector<std::string> DeletionRoots(const SiteChanges& changes, const SiteFiles& now) {
  std::set<std::string> roots;
  for (const std::string& path : changes.Removed) {
    std::size_t slash = path.find('/');
    while (slash != std::string::npos && FolderInSite(path.substr(0, slash + 1), now))
      slash = path.find('/', slash + 1);
    roots.insert(slash == std::string::npos ? path : path.substr(0, slash));
  }
  return {roots.begin(), roots.end()};
}

}  // namespace cardwise
