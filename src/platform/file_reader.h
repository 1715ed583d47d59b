#pragma once
// A file open for reading, read a part or a piece at a time. Each read names its position, so
// threads may read one FileReader at once, and every part read comes from the same file even
// when it is replaced meanwhile (as the programs' saves replace theirs).

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace cardwise {

class FileReader {
 public:
  FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  ~FileReader();

  // Opens the file; a missing file or a folder is an error.
  Status Open(const std::string& path);
  // The size the file had when it was opened.
  std::size_t Size() const { return size_; }

  // Up to `length` bytes from byte `from` (fewer at the end of the file).
  Status ReadPart(std::size_t from, std::size_t length, std::string& contents) const;

  // Reads from byte `from` to byte `to` (to the end of the file for npos) about `pieceSize`
  // bytes at a time, handing `take` whole lines only: a piece up to its last "\n" (the rest
  // goes with the next one), the last line of the range even without one. Only a piece is held
  // in memory at a time, where reading the whole file would hold all of it: a federation's
  // rounds are 50 MB.
  Status ReadLines(std::size_t from, std::size_t to,
                   const std::function<void(std::string_view)>& take,
                   std::size_t pieceSize = kPieceSize) const;

  static constexpr std::size_t kPieceSize = std::size_t{1} << 20;

 private:
  // Bytes at `offset` into `into`: the count read, 0 at the end, -1 on an error (in errno).
  long ReadAt(char* into, std::size_t length, std::size_t offset) const;
  Status Failed(int error) const;

  std::string path_;
  int fd_ = -1;
  std::size_t size_ = 0;
};

}  // namespace cardwise
