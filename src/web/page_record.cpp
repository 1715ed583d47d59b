#include "web/page_record.h"

#include <sys/stat.h>
#include <charconv>

#include "platform/digest.h"
#include "platform/files.h"

namespace cardwise {

namespace {

constexpr std::string_view kHeading = "cardwise-pages 1";

struct Stamp {
  std::uintmax_t Size = 0;
  std::int64_t Time = 0;
};

std::optional<Stamp> StampOf(const std::string& path) {
  struct stat facts {};
  if (::stat(path.c_str(), &facts) != 0 || !S_ISREG(facts.st_mode)) return std::nullopt;
  return Stamp{
      static_cast<std::uintmax_t>(facts.st_size),
      static_cast<std::int64_t>(facts.st_mtim.tv_sec) * 1'000'000'000 + facts.st_mtim.tv_nsec};
}

template <typename Number>
bool TakeNumber(std::string_view& rest, Number& number) {
  const auto [stop, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  if (error != std::errc() || stop == rest.data() + rest.size() || *stop != '\t') return false;
  rest.remove_prefix(static_cast<std::size_t>(stop - rest.data()) + 1);
  return true;
}

}  // namespace

PageRecord::PageRecord(std::string root) : root_(std::move(root)) {
  Read();
}

// A record that cannot be read in full is dropped whole: its pages are made again.
void PageRecord::Read() {
  std::string text;
  if (!FileExists(root_ + std::string(kPageRecordName)) ||
      !ReadWholeFile(root_ + std::string(kPageRecordName), text) || !text.starts_with(kHeading))
    return;
  std::string_view rest(text);
  rest.remove_prefix(kHeading.size());
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    if (!line.empty() && !ReadLine(line)) {
      before_.clear();
      return;
    }
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
}

// "digest<TAB>size<TAB>time<TAB>path"
bool PageRecord::ReadLine(std::string_view line) {
  const std::size_t tab = line.find('\t');
  const std::optional<std::uint64_t> inputs = ParseDigestHex(line.substr(0, tab));
  if (!inputs || tab == std::string_view::npos) return false;
  std::string_view rest = line.substr(tab + 1);
  Entry entry{*inputs};
  if (!TakeNumber(rest, entry.Size) || !TakeNumber(rest, entry.Time) || rest.empty()) return false;
  before_.insert_or_assign(std::string(rest), entry);
  return true;
}

bool PageRecord::IsCurrent(const std::string& path, std::uint64_t inputs) const {
  if (!path.starts_with(root_)) return false;
  const auto found = before_.find(path.substr(root_.size()));
  if (found == before_.end() || found->second.Inputs != inputs) return false;
  const std::optional<Stamp> stamp = StampOf(path);
  return stamp && stamp->Size == found->second.Size && stamp->Time == found->second.Time;
}

void PageRecord::Note(const std::string& path, std::uint64_t inputs) {
  now_.insert_or_assign(path, inputs);
}

void PageRecord::Forget(const std::string& path) {
  now_.erase(path);
}

Status PageRecord::Save() const {
  std::string text(kHeading);
  text += "\n";
  for (const auto& [path, inputs] : now_) {
    const std::optional<Stamp> stamp = StampOf(path);
    if (!stamp || !path.starts_with(root_)) continue;
    text += DigestHex(inputs) + "\t" + std::to_string(stamp->Size) + "\t" +
            std::to_string(stamp->Time) + "\t" + path.substr(root_.size()) + "\n";
  }
  return WriteFileAtomically(root_ + std::string(kPageRecordName), text);
}

}  // namespace cardwise
