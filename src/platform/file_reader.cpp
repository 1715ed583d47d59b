#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cardwise {

FileReader::~FileReader() {
  if (fd_ >= 0) ::close(fd_);
}

Status FileReader::Open(const std::string& path) {
  if (fd_ >= 0) ::close(fd_);
  path_ = path;
  size_ = 0;
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return Failed(errno);
  struct stat info {};
  if (::fstat(fd_, &info) != 0) return Failed(errno);
  if (S_ISDIR(info.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    return Failed(EISDIR);
  }
  size_ = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
  return Status::Ok();
}

Status FileReader::ReadPart(std::size_t from, std::size_t length, std::string& contents) const {
  contents.resize(length);
  std::size_t used = 0;
  while (used < length) {
    const long got = ReadAt(contents.data() + used, length - used, from + used);
    if (got < 0) {
      contents.clear();
      return Failed(errno);
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  contents.resize(used);
  return Status::Ok();
}

Status FileReader::ReadLines(std::size_t from, std::size_t to,
                             const std::function<void(std::string_view)>& take,
                             std::size_t pieceSize) const {
  std::string buffer;
  std::size_t held = 0;  // the bytes of a line begun in the last piece, at the buffer's start
  for (std::size_t at = from; at < to;) {
    const std::size_t want = std::min(pieceSize, to - at);
    if (buffer.size() < held + want) buffer.resize(held + want);
    const long got = ReadAt(buffer.data() + held, want, at);
    if (got < 0) return Failed(errno);
    if (got == 0) break;
    at += static_cast<std::size_t>(got);
    const std::size_t used = held + static_cast<std::size_t>(got);
    const std::size_t lineEnd = std::string_view(buffer.data(), used).rfind('\n');
    if (lineEnd == std::string_view::npos) {
      held = used;
      continue;
    }
    take(std::string_view(buffer.data(), lineEnd + 1));
    held = used - lineEnd - 1;
    std::memmove(buffer.data(), buffer.data() + lineEnd + 1, held);
  }
  if (held > 0) take(std::string_view(buffer.data(), held));
  return Status::Ok();
}

long FileReader::ReadAt(char* into, std::size_t length, std::size_t offset) const {
  if (fd_ < 0) {
    errno = EBADF;
    return -1;
  }
  for (;;) {
    const ssize_t got = ::pread(fd_, into, length, static_cast<off_t>(offset));
    if (got >= 0 || errno != EINTR) return got;
  }
}

Status FileReader::Failed(int error) const {
  return Status::ErrorAt(path_, 0, std::strerror(error));
}

}  // namespace cardwise
