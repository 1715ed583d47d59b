#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/file_reader.h"

namespace cardwise {

namespace fs = std::filesystem;

namespace {

Status ErrnoError(const std::string& path, int error) {
  return Status::ErrorAt(path, 0, std::strerror(error));
}

Status CodeError(const std::string& path, const std::error_code& error) {
  return Status::ErrorAt(path, 0, error.message());
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  return path;
}

// Writes all bytes, going on after short writes and interrupted calls; 0 or an errno value.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Creates "<path>.tmp<unique>" exclusively, with the permissions a new file gets (0666 less
// the umask), or those of the file it is going to replace.
int CreateTempBeside(const std::string& path, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  struct stat target {};
  const bool replacing = ::stat(path.c_str(), &target) == 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 && replacing) ::fchmod(fd, target.st_mode & 07777);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::string LinkTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_regular_file(path, error);
}

bool DirectoryExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_directory(path, error);
}

Status CreateDirectories(const std::string& path) {
  const std::string folder = WithoutTrailingSlashes(path);
  if (folder.empty() || DirectoryExists(folder)) return Status::Ok();
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return CodeError(path, error);
  if (!DirectoryExists(folder)) return Status::ErrorAt(path, 0, "Not a directory");
  return Status::Ok();
}

Status RenameFile(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) {
    return Status::Error(from + " -> " + to + ": " + std::strerror(errno));
  }
  return Status::Ok();
}

Status DeleteFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return ErrnoError(path, errno);
  return Status::Ok();
}

Status CopyFile(const std::string& from, const std::string& to) {
  std::string contents;
  Status status = ReadWholeFile(from, contents);
  if (!status) return status;
  return WriteFileAtomically(to, contents);
}

std::optional<std::time_t> ModificationTime(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return info.st_mtime;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  // Greedy match that backtracks only to the last "*": linear for the patterns in use.
  std::size_t n = 0, p = 0;
  std::size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size();
}

std::vector<std::string> FilesMatching(const std::string& dir, std::string_view pattern) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(dir.empty() ? "." : dir, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (MatchesPattern(name, pattern)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> FileNamesIn(const std::string& dir) {
  std::vector<std::string> names;
  DIR* folder = ::opendir(dir.empty() ? "." : dir.c_str());
  if (folder == nullptr) return names;
  while (const dirent* entry = ::readdir(folder)) {
    // The entry's type saves a look at the file, except for links and file systems without it.
    const bool regular =
        entry->d_type == DT_REG ||
        ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
         FileExists((dir.empty() || dir.back() == '/' ? dir : dir + "/") + entry->d_name));
    if (regular) names.emplace_back(entry->d_name);
  }
  ::closedir(folder);
  return names;
}

Status ReadWholeFile(const std::string& path, std::string& contents) {
  contents.clear();
  FileReader file;
  if (Status status = file.Open(path); !status) return status;
  // One read of the size the file has; more only for a file that grows meanwhile or reports no
  // size (/proc).
  for (std::size_t want = file.Size() + 1;; want = contents.size()) {
    std::string part;
    if (Status status = file.ReadPart(contents.size(), want, part); !status) {
      contents.clear();
      return status;
    }
    const bool atEnd = part.size() < want;
    if (contents.empty())
      contents = std::move(part);
    else
      contents += part;
    if (atEnd) return Status::Ok();
  }
}

Status WriteFileAtomically(const std::string& path, std::string_view contents) {
  // A symbolic link is written through: the file it points at is replaced, the link stays.
  const std::string target = LinkTarget(path);
  std::string tempPath;
  const int fd = CreateTempBeside(target, tempPath);
  if (fd < 0) return ErrnoError(path, errno);
  int error = WriteAll(fd, contents);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(tempPath.c_str());
    return ErrnoError(path, error);
  }
  return Status::Ok();
}

Status WriteFileInPlace(const std::string& path, std::string_view contents) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return ErrnoError(path, errno);
  int error = WriteAll(fd, contents);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? Status::Ok() : ErrnoError(path, error);
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExecutablePath() {
  std::error_code error;
  fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

}  // namespace cardwise
