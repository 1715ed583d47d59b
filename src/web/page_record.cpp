#include "web/page_record.h"

#include "platform/files.h"

namespace cardwise {

namespace {

constexpr std::string_view kHeading = "cardwise-pages 1";

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

// A line of the record: the file with the digest of the page's inputs.
bool PageRecord::ReadLine(std::string_view line) {
  const auto parsed = ParseSiteFileLine(line);
  if (!parsed) return false;
  before_.insert_or_assign(std::string(parsed->first), parsed->second);
  return true;
}

std::optional<SiteFile> PageRecord::Current(const std::string& path, std::uint64_t inputs) const {
  if (!path.starts_with(root_)) return std::nullopt;
  const auto found = before_.find(std::string_view(path).substr(root_.size()));
  if (found == before_.end() || found->second.Digest != inputs) return std::nullopt;
  const std::optional<SiteFile> file = LookAtFile(path);
  if (!file || file->Size != found->second.Size || file->Time != found->second.Time)
    return std::nullopt;
  return found->second;
}

void PageRecord::Note(const std::string& path, std::uint64_t inputs, std::optional<SiteFile> kept) {
  now_.insert_or_assign(path, Noted{inputs, kept});
}

void PageRecord::Forget(const std::string& path) {
  now_.erase(path);
}

Status PageRecord::Save() const {
  std::string text(kHeading);
  text += "\n";
  for (const auto& [path, noted] : now_) {
    std::optional<SiteFile> file = noted.Kept ? noted.Kept : LookAtFile(path);
    if (!file || !path.starts_with(root_)) continue;
    file->Digest = noted.Inputs;
    AppendSiteFileLine(text, std::string_view(path).substr(root_.size()), *file);
  }
  return WriteFileAtomically(root_ + std::string(kPageRecordName), text);
}

}  // namespace cardwise
