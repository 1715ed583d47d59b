#pragma once
// A file of the web root as the program's records there (".cardwise-published",
// ".cardwise-pages") remember it: its size, its modification time and a digest, on a line
// "digest<TAB>size<TAB>time<TAB>path" (the path relative to the web root).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <time.h>

namespace cardwise {

struct SiteFile {
  std::uintmax_t Size = 0;
  std::int64_t Time = 0;  // modification time in nanoseconds since 1970
  std::uint64_t Digest = 0;
  bool operator==(const SiteFile&) const = default;
};

// Appends the line of the file, ended by "\n" (a record holds a line per page of the site).
void AppendSiteFileLine(std::string& text, std::string_view path, const SiteFile& file);
// The path and the file of a line without its end; nullopt for any other text.
std::optional<std::pair<std::string_view, SiteFile>> ParseSiteFileLine(std::string_view line);

// The size and time of the regular file at `path` (digest 0); nullopt for none.
std::optional<SiteFile> LookAtFile(const std::string& path);
// A time as SiteFile::Time.
std::int64_t Nanoseconds(const struct timespec& time);

}  // namespace cardwise
