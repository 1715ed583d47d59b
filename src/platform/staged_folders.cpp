#include "platform/staged_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace cardwise {

namespace fs = std::filesystem;

namespace {

std::string WithoutSlash(const std::string& folder) {
  return folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
}

// Makes a new hidden folder beside `folder` (given with its final "/"); "" when it cannot.
std::string MakeTwin(const std::string& folder, int& error) {
  static std::atomic<unsigned> counter{0};
  const std::string bare = WithoutSlash(folder);
  const std::string parent = DirectoryOf(bare);
  const std::string base = parent + "." + FileNameOf(bare) + ".tmp" + std::to_string(::getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string twin = base + "-" + std::to_string(counter++);
    if (::mkdir(twin.c_str(), 0777) == 0) return twin + "/";
    if (errno != EEXIST) break;
  }
  error = errno;
  return "";
}

}  // namespace

StagedFolders::~StagedFolders() {
  Publish();
}

Status StagedFolders::Resolve(const std::string& folder, std::string& staging) {
  if (const auto found = folders_.find(folder); found != folders_.end()) {
    staging = found->second;
    return Status::Ok();
  }
  staging.clear();
  // A folder without a parent part (a bare relative name) is made, not staged.
  const std::string parent = DirectoryOf(WithoutSlash(folder));
  const bool missing = !folder.empty() && !DirectoryExists(folder);
  Status status = missing ? CreateDirectories(parent.empty() ? folder : parent) : Status::Ok();
  if (status && missing && !parent.empty()) {
    int error = 0;
    staging = MakeTwin(folder, error);
    if (staging.empty()) status = Status::ErrorAt(folder, 0, std::strerror(error));
  }
  if (status) folders_.emplace(folder, staging);
  return status;
}

Status StagedFolders::Write(const std::string& path, std::string_view contents) {
  const std::string folder = DirectoryOf(path);
  std::string staging;
  Status status = Resolve(folder, staging);
  if (status && staging.empty()) return WriteFileAtomically(path, contents);
  if (status) status = WriteFileInPlace(staging + FileNameOf(path), contents);
  if (!status) return Status::ErrorAt(path, 0, status.message());
  return status;
}

std::vector<FileFailure> StagedFolders::Publish() {
  std::vector<FileFailure> failures;
  for (const auto& [folder, staging] : folders_) {
    if (staging.empty()) continue;
    if (::rename(WithoutSlash(staging).c_str(), WithoutSlash(folder).c_str()) == 0) continue;
    std::vector<FileFailure> lost = MoveInto(staging, folder);
    failures.insert(failures.end(), lost.begin(), lost.end());
  }
  folders_.clear();
  return failures;
}

// The slow way, for a folder that appeared while its twin was filled.
std::vector<FileFailure> StagedFolders::MoveInto(const std::string& staging,
                                                 const std::string& folder) {
  std::vector<FileFailure> failures;
  const Status made = CreateDirectories(folder);
  std::error_code error;
  for (fs::directory_iterator it(staging, error); !error && it != fs::directory_iterator();
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    Status status = made;
    if (status) status = RenameFile(staging + name, folder + name);
    if (!status)
      failures.push_back({folder + name, Status::ErrorAt(folder + name, 0, status.message())});
  }
  if (error) failures.push_back({folder, Status::ErrorAt(staging, 0, error.message())});
  if (failures.empty()) ::rmdir(WithoutSlash(staging).c_str());
  return failures;
}

}  // namespace cardwise
