#include "web/site_file_line.h"

#include <charconv>
#include <iterator>

#include <sys/stat.h>

#include "platform/digest.h"

namespace cardwise {

namespace {

// A number followed by a tab, taken off the front of `rest`.
template <typename Number>
bool TakeNumber(std::string_view& rest, Number& number) {
  const char* end = rest.data() + rest.size();
  const auto [stop, error] = std::from_chars(rest.data(), end, number);
  if (error != std::errc() || stop == end || *stop != '\t') return false;
  rest.remove_prefix(static_cast<std::size_t>(stop - rest.data()) + 1);
  return true;
}

}  // namespace

void AppendSiteFileLine(std::string& text, std::string_view path, const SiteFile& file) {
  // Written in place: a record is a hundred thousand such lines.
  char fields[96];
  char* end = WriteDigestHex(file.Digest, fields);
  *end++ = '\t';
  end = std::to_chars(end, std::end(fields), file.Size).ptr;
  *end++ = '\t';
  end = std::to_chars(end, std::end(fields), file.Time).ptr;
  *end++ = '\t';
  text.append(fields, end);
  text += path;
  text += '\n';
}

std::optional<std::pair<std::string_view, SiteFile>> ParseSiteFileLine(std::string_view line) {
  SiteFile file;
  const std::optional<std::uint64_t> digest = ParseDigestHex(line.substr(0, 16));
  if (!digest || line.size() < 18 || line[16] != '\t') return std::nullopt;
  file.Digest = *digest;
  std::string_view rest = line.substr(17);
  if (!TakeNumber(rest, file.Size) || !TakeNumber(rest, file.Time) || rest.empty())
    return std::nullopt;
  return std::pair{rest, file};
}

std::optional<SiteFile> LookAtFile(const std::string& path) {
  struct stat facts {};
  if (::stat(path.c_str(), &facts) != 0 || !S_ISREG(facts.st_mode)) return std::nullopt;
  return SiteFile{static_cast<std::uintmax_t>(facts.st_size), Nanoseconds(facts.st_mtim), 0};
}

std::int64_t Nanoseconds(const struct timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace cardwise
