#include "results/result_line.h"

#include <algorithm>
#include <array>

#include "records/text.h"

namespace cardwise {

namespace {

constexpr int kFields = 5;
// As far as ExtractField looks into a line.
constexpr std::size_t kFieldTextLimit = 255;

struct SplitLine {
  std::array<std::string, kFields> Fields;
  std::string Extra;
  int Present = 1;
};

SplitLine Split(std::string_view line) {
  SplitLine split;
  for (int n = 0; n < kFields; ++n)
    split.Fields[n] = ExtractFieldView(line, n + 1, ';');
  const std::string_view looked = line.substr(0, kFieldTextLimit);
  std::size_t at = 0;
  for (int separators = 0; separators < kFields; ++separators, ++at) {
    at = looked.find(';', at);
    if (at == std::string_view::npos) return split;
    split.Present = std::min(separators + 2, kFields);
  }
  split.Extra = line.substr(at - 1);
  return split;
}

// A field that is set counts even where the line read had none, so a line made from fields
// gets all it needs; the fields after the last one set are left out, as a short line has none.
std::string Join(const std::array<const std::string*, kFields>& fields, const std::string& extra,
                 int present) {
  int count = extra.empty() ? present : kFields;
  for (int n = count; n < kFields; ++n)
    if (!fields[n]->empty()) count = n + 1;
  std::string line = *fields[0];
  for (int n = 1; n < count; ++n)
    line += ';' + *fields[n];
  return count == kFields ? line + extra : line;
}

}  // namespace

ResultFields ResultFields::Parse(std::string_view line) {
  SplitLine split = Split(line);
  auto& f = split.Fields;
  return {std::move(f[0]), std::move(f[1]),        std::move(f[2]), std::move(f[3]),
          std::move(f[4]), std::move(split.Extra), split.Present};
}

std::string_view ResultFields::PlaceOf(std::string_view line) {
  return ExtractFieldView(line, 1, ';');
}

std::string_view ResultFields::ResultOf(std::string_view line) {
  return ExtractFieldView(line, 2, ';');
}

std::string_view ResultFields::PlayerIDOf(std::string_view line) {
  return ExtractFieldView(line, 3, ';');
}

std::string ResultFields::Text() const {
  return Join({&Place, &Result, &PlayerID, &RoundID, &Note}, Extra, Present);
}

StandingFields StandingFields::Parse(std::string_view line) {
  SplitLine split = Split(line);
  auto& f = split.Fields;
  return {std::move(f[0]), std::move(f[1]),        std::move(f[2]), std::move(f[3]),
          std::move(f[4]), std::move(split.Extra), split.Present};
}

std::string StandingFields::Text() const {
  return Join({&Place, &Total, &Events, &PlayerID, &Note}, Extra, Present);
}

}  // namespace cardwise
