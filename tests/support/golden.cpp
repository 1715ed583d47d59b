#include "support/golden.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace cardwise::testing {
namespace {

constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;

std::string Hex(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::string ReadBytes(const std::string& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

// The "digest path" lines of a golden text, the whole-list line left out.
DigestList ParseGolden(const std::string& text) {
  DigestList list;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t space = line.find(' ');
    if (line.empty() || line[0] == '#' || space == std::string::npos) continue;
    if (line.substr(space + 1) != "*") list[line.substr(space + 1)] = line.substr(0, space);
  }
  return list;
}

// The whole-list digest: every path and file digest in path order, each ended by a NUL.
std::string ListDigest(const DigestList& list) {
  std::uint64_t hash = Fnv1a64("");
  for (const auto& [path, digest] : list)
    hash = Fnv1a64(std::string_view(digest.data(), digest.size() + 1),
                   Fnv1a64(std::string_view(path.data(), path.size() + 1), hash));
  return Hex(hash);
}

}  // namespace

std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t hash) {
  for (const char c : bytes)
    hash = (hash ^ static_cast<unsigned char>(c)) * kFnvPrime;
  return hash;
}

void AddFolderDigests(const std::string& parent, const std::string& folder, DigestList& list) {
  const std::filesystem::path root = std::filesystem::path(parent) / folder;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    // The program's own records in the web root (".cardwise-*") are not part of the site.
    if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".cardwise-"))
      continue;
    const std::string relative = entry.path().lexically_relative(parent).generic_string();
    list[relative] = Hex(Fnv1a64(ReadBytes(entry.path().string())));
  }
}

std::string GoldenText(const DigestList& list) {
  std::string text =
      "# Regenerate deliberately, after a change meant to alter these files: "
      "CARDWISE_UPDATE_GOLDEN=1 ctest -R Golden\n";
  for (const auto& [path, digest] : list)
    text += digest + " " + path + "\n";
  return text + ListDigest(list) + " *\n";
}

std::string CompareWithGolden(const DigestList& list, const std::string& path) {
  const char* update = std::getenv("CARDWISE_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << GoldenText(list);
    return {};
  }
  const std::string stored = ReadBytes(path);
  if (stored == GoldenText(list)) return {};
  const DigestList golden = ParseGolden(stored);
  std::string differences;
  for (const auto& [file, digest] : list) {
    const auto found = golden.find(file);
    if (found == golden.end())
      differences += "added:   " + file + "\n";
    else if (found->second != digest)
      differences += "changed: " + file + "\n";
  }
  for (const auto& [file, digest] : golden)
    if (!list.contains(file)) differences += "missing: " + file + "\n";
  if (differences.empty()) differences = path + " is not as GoldenText writes it\n";
  return differences;
}

}  // namespace cardwise::testing
