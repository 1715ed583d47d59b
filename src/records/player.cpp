#include "records/player.h"

#include "platform/codepage.h"
#include "records/numbers.h"

namespace cardwise {

namespace {

// Reads a handicap: a number with "," or "." as decimal point, 0 when there is none.
FieldResult ReadHcp(std::string_view value, float& hcp) {
  const std::optional<float> number = ParseSingle(value);
  hcp = number.value_or(0);
  return number || value.empty() ? FieldResult::Ok() : FieldResult::Bad("not a number");
}

void AddIfSet(std::vector<KeyValue>& keys, const char* key, const std::string& value) {
  if (!value.empty()) keys.emplace_back(key, value);
}

}  // namespace

FieldResult TPlayer::ReadField(std::string_view key, std::string_view value) {
  if (key == "ID")
    ID = value;
  else if (key == "Player")
    Player = value;
  else if (key == "Alias")
    Alias = value;
  else if (key == "Hcp")
    return ReadHcp(value, Hcp);
  else if (key == "Phone")
    Phone = value;
  else if (key == "Club")
    Club = value;
  else if (key == "Email")
    Email = value;
  else if (key == "URL")
    URL = value;
  else
    return FieldResult::Unknown();
  return FieldResult::Ok();
}

void TPlayer::MakeID() {
  if (ID.empty()) ID = Initials(Player, 2);
}

std::vector<KeyValue> TPlayer::FileKeys() const {
  std::vector<KeyValue> keys{{"ID", ID}};
  AddIfSet(keys, "Player", Player);
  if (Hcp != 0) keys.emplace_back("Hcp", FormatOneDecimal(Hcp));
  AddIfSet(keys, "Phone", Phone);
  AddIfSet(keys, "Club", Club);
  AddIfSet(keys, "Email", Email);
  AddIfSet(keys, "URL", URL);
  return keys;
}

std::vector<KeyValue> TPlayer::ClipboardKeys() const {
  return {{"ID", ID},       {"Player", Player}, {"Hcp", FormatOneDecimal(Hcp)},
          {"Phone", Phone}, {"Email", Email},   {"URL", URL},
          {"Club", Club}};
}

void TPlayer::ReloadFrom(const IniFile& file, const std::string& section) {
  ID = file.ReadString(section, "ID", "");
  Player = file.ReadString(section, "Player", "");
  ReadHcp(file.ReadString(section, "Hcp", "0"), Hcp);
  Phone = file.ReadString(section, "Phone", Phone);
  Club = file.ReadString(section, "Club", Club);
  Email = file.ReadString(section, "Email", Email);
  URL = file.ReadString(section, "URL", URL);
}

void TPlayer::PasteFrom(const ClipboardText& clip) {
  Player = clip.Value("Player");
  ReadHcp(clip.Value("Hcp"), Hcp);
  Phone = clip.Value("Phone");
  Email = clip.Value("Email");
  URL = clip.Value("URL");
  Club = clip.Value("Club");
}

bool TPlayer::MatchesName(std::string_view name) const {
  if (name.empty()) return false;
  return SameText(Player, name) || SameText(Alias, name);
}

std::string TPlayer::HcpText() const {
  return FormatOneDecimal(Hcp);
}

void TPlayer::Clear() {
  *this = TPlayer();
}

bool TPlayerList::MarkUsed(std::string_view id) {
  TPlayer* player = FindRecord(id);
  if (!player) return false;
  const bool was = player->Used;
  player->Used = true;
  return was;
}

TPlayerList& Players() {
  static TPlayerList list;
  return list;
}

}  // namespace cardwise
