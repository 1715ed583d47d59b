#include "results/event_teams.h"

#include <algorithm>

#include "platform/codepage.h"
#include "records/numbers.h"
#include "records/text.h"

namespace cardwise {

namespace {

constexpr const char* kFormatNames[] = {"",          "fourball",   "team",
                                        "foursomes", "greensomes", "scramble"};
constexpr int kMostInAnyTeam = 4;

// The text between separators, trimmed; the pieces of an empty text are none.
std::vector<std::string> Pieces(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  if (TrimView(text).empty()) return pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    pieces.push_back(Trim(text.substr(start, end - start)));
    if (end == std::string_view::npos) return pieces;
    start = end + 1;
  }
}

}  // namespace

const char* TeamFormatName(int format) {
  return format >= kIndividual && format <= kScramble ? kFormatNames[format] : "";
}

std::optional<int> TeamFormatFrom(std::string_view name) {
  for (int format = kIndividual; format <= kScramble; ++format)
    if (SameText(TrimView(name), kFormatNames[format])) return format;
  return std::nullopt;
}

bool MembersHaveCards(int format) {
  return format == kFourball || format == kTeamBest;
}

int FewestMembers(int format) {
  return format == kTeamBest ? 3 : 2;
}

int MostMembers(int format) {
  return format == kTeamBest || format == kScramble || format == kIndividual ? kMostInAnyTeam : 2;
}

std::optional<Team> Team::Parse(std::string_view text) {
  const std::size_t semicolon = text.find(';');
  Team team;
  team.Members = Pieces(text.substr(0, semicolon), ',');
  if (semicolon != std::string_view::npos) team.Name = Trim(text.substr(semicolon + 1));
  if (team.Members.empty() || team.Members.size() > kMostInAnyTeam) return std::nullopt;
  for (const std::string& id : team.Members)
    if (id.empty() || id.find('+') != std::string::npos) return std::nullopt;
  return team;
}

std::string Team::Text() const {
  std::string text;
  for (const std::string& id : Members)
    text += (text.empty() ? "" : ",") + id;
  if (!Name.empty()) text += ";" + Name;
  return text;
}

bool Team::HasMember(std::string_view playerID) const {
  for (const std::string& id : Members)
    if (SameText(id, playerID)) return true;
  return false;
}

std::optional<std::vector<int>> ParseAllowance(std::string_view text) {
  std::vector<int> percentages;
  for (const std::string& piece : Pieces(text, ',')) {
    const std::optional<int> value = ParseWholeNumber(piece);
    if (!value || *value < 0 || *value > 200) return std::nullopt;
    percentages.push_back(*value);
  }
  return percentages;
}

std::string TeamProblem(int format, const Team& team, const std::vector<Team>& earlier) {
  const int size = static_cast<int>(team.Members.size());
  if (size < FewestMembers(format) || size > MostMembers(format))
    return std::string("a team of ") + std::to_string(size) + " in a " +
           (format == kIndividual ? "team" : TeamFormatName(format)) + " event";
  for (std::size_t i = 0; i < team.Members.size(); ++i) {
    bool twice = false;
    for (const Team& other : earlier)
      twice = twice || other.HasMember(team.Members[i]);
    for (std::size_t j = 0; j < i; ++j)
      twice = twice || SameText(team.Members[j], team.Members[i]);
    if (twice) return "player " + team.Members[i] + " in two teams";
  }
  return {};
}

std::string JoinedIDs(const std::vector<std::string>& ids) {
  std::string joined;
  for (const std::string& id : ids)
    joined += (joined.empty() ? "" : "+") + id;
  return joined;
}

std::vector<std::string> SplitIDs(std::string_view field) {
  return Pieces(field, '+');
}

bool HasJoinedID(std::string_view field, std::string_view id) {
  const std::vector<std::string> ids = SplitIDs(field);
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace cardwise
