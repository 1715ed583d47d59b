#pragma once
// Digests of whole folders, compared with a list kept under tests/golden/: a check that a
// change of code leaves every byte of a set of files as it was. Each file's digest is a 64-bit
// FNV-1a of its bytes; the digest of the folder is one over the sorted relative paths and
// their contents, so that a renamed, added or missing file changes it as well.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace cardwise::testing {

// 64-bit FNV-1a of `bytes`, continued from `hash` (the offset basis by default).
std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t hash = 0xcbf29ce484222325ULL);

// The digests of the folders' regular files, as 16 hex digits by relative path ("/" between
// names, the folder's own name first: "Web/index.html").
using DigestList = std::map<std::string, std::string>;
void AddFolderDigests(const std::string& parent, const std::string& folder, DigestList& list);

// The golden file's text: one "digest path" line for each file, sorted by path, and a last
// line "digest *" over the whole list.
std::string GoldenText(const DigestList& list);

// Compares `list` with the golden file at `path`. An empty result means equal; otherwise it
// names every file added, missing or changed. With CARDWISE_UPDATE_GOLDEN=1 in the
// environment the file is rewritten with `list` instead and the result is empty.
std::string CompareWithGolden(const DigestList& list, const std::string& path);

}  // namespace cardwise::testing
