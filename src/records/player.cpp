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

FieldResult Player::ReadField(std::string_view key, std::string_view value) {
  if (key == "ID")
    ID = value;
  else if (key == "Player")
    Name = value;
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

void Player::MakeID() {
  if (ID.empty()) ID = Initials(Name, 2);
}

std::vector<KeyValue> Player::FileKeys() const {
  std::vector<KeyValue> keys{{"ID", ID}};
  AddIfSet(keys, "Player", Name);
  if (Hcp != 0) keys.emplace_back("Hcp", FormatOneDecimal(Hcp));
  AddIfSet(keys, "Phone", Phone);
  AddIfSet(keys, "Club", Club);
  AddIfSet(keys, "Email", Email);
  AddIfSet(keys, "URL", URL);
  return keys;
}

std::vector<KeyValue> Player::ClipboardKeys() const {
  return {{"ID", ID},       {"Player", Name}, {"Hcp", FormatOneDecimal(Hcp)},
          {"Phone", Phone}, {"Email", Email}, {"URL", URL},
          {"Club", Club}};
}

void Player::ReloadFrom(const IniFile& file, const std::string& section) {
  ID = file.ReadString(section, "ID", "");
  Name = file.ReadString(section, "Player", "");
  ReadHcp(file.ReadString(section, "Hcp", "0"), Hcp);
  Phone = file.ReadString(section, "Phone", Phone);
  Club = file.ReadString(section, "Club", Club);
  Email = file.ReadString(section, "Email", Email);
  URL = file.ReadString(section, "URL", URL);
}

void Player::PasteFrom(const ClipboardText& clip) {
  Name = clip.Value("Player");
  ReadHcp(clip.Value("Hcp"), Hcp);
  Phone = clip.Value("Phone");
  Email = clip.Value("Email");
  URL = clip.Value("URL");
  Club = clip.Value("Club");
}

bool Player::MatchesName(std::string_view name) const {
  if (name.empty()) return false;
  return SameText(Name, name) || SameText(Alias, name);
}

std::string Player::HcpText() const {
  return FormatOneDecimal(Hcp);
}

void Player::Clear() {
  *this = Player();
}

bool PlayerList::MarkUsed(std::string_view id) {
  Player* player = FindRecord(id);
  if (!player) return false;
  const bool was = player->Used;
  player->Used = true;
  return was;
}

PlayerList& Players() {
  static PlayerList list;
  return list;
}

}  // namespace cardwise
