#include "results/divisions.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "records/text.h"

namespace cardwise {

namespace {

// Handicaps are far below this; a larger limit would be written in another form than it is read.
constexpr double kMaxLimit = 999;

// A number as the limits are written: an optional sign, digits, and a "." with digits.
std::optional<double> ParseLimit(std::string_view text) {
  std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  const std::size_t digits = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9')
    ++i;
  if (i == digits) return std::nullopt;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
      ++i;
    if (i == fraction) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const std::string_view number = text.substr(text[0] == '+' ? 1 : 0);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || std::abs(value) > kMaxLimit) return std::nullopt;
  return value;
}

// Divisions are named by one letter, A to Z.
constexpr std::size_t kMaxDivisionLimits = 25;

long Tenths(double value) {
  return std::lround(value * 10);
}

}  // namespace

std::optional<std::vector<double>> ParseDivisions(std::string_view text) {
  std::vector<double> limits;
  if (TrimView(text).empty()) return limits;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(',', start);
    const std::optional<double> limit = ParseLimit(TrimView(text.substr(start, end - start)));
    if (!limit || (!limits.empty() && *limit <= limits.back())) return std::nullopt;
    limits.push_back(*limit);
    if (limits.size() > kMaxDivisionLimits) return std::nullopt;
    if (end == std::string_view::npos) return limits;
    start = end + 1;
  }
}

std::string DivisionsText(const std::vector<double>& limits) {
  std::string text;
  for (const double limit : limits) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, limit);
    if (!text.empty()) text += ',';
    text.append(buffer, result.ptr);
  }
  return text;
}

int DivisionOf(const std::vector<double>& limits, double hcp) {
  int division = 0;
  while (division < static_cast<int>(limits.size()) &&
         Tenths(hcp) > Tenths(limits[static_cast<std::size_t>(division)]))
    ++division;
  return division;
}

std::string DivisionLetter(int division) {
  return std::string(1, static_cast<char>('A' + division));
}

std::optional<double> ResultHandicap(const ResultFields& line, const Database& database) {
  if (const Round* round = database.Rounds.FindRecord(line.RoundID)) return round->Hcp;
  if (const Player* player = database.Players.FindRecord(line.PlayerID)) return player->Hcp;
  return std::nullopt;
}

std::string ResultDivision(const Event& event, const std::string& line, const Database& database) {
  if (event.Divisions.empty()) return {};
  const std::optional<double> hcp = ResultHandicap(ResultFields::Parse(line), database);
  return hcp ? DivisionLetter(DivisionOf(event.Divisions, *hcp)) : std::string();
}

}  // namespace cardwise
