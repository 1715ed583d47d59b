#include "platform/user_store.h"

#include <charconv>

#include "platform/env.h"
#include "platform/files.h"

namespace cardwise {

namespace {

std::string_view TrimmedBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

// The whole number the text holds, nothing else but surrounding blanks allowed.
std::optional<int> WholeNumber(std::string_view text) {
  text = TrimmedBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string UserStore::DefaultPath() {
  std::string base = EnvOr("XDG_CONFIG_HOME");
  if (base.empty() || base.front() != '/') base = EnvOr("HOME", "/") + "/.config";
  while (base.size() > 1 && base.back() == '/') {
    base.pop_back();
  }
  if (base == "/") base.clear();
  return base + "/Hollowfen/cardwise.ini";
}

Status UserStore::Open() {
  opened_ = false;
  Status status = CreateDirectories(DirectoryOf(path_));
  if (status && !FileExists(path_)) status = WriteFileAtomically(path_, {});
  if (status) status = file_.Load(path_);
  opened_ = status.ok();
  return status;
}

Status UserStore::Close() {
  if (!opened_) return Status::ErrorAt(path_, 0, "the store was not opened");
  return file_.SaveAs(path_);
}

bool UserStore::ValueExists(std::string_view key, std::string_view name) const {
  return file_.HasKey(key, name);
}

int UserStore::ReadInteger(std::string_view key, std::string_view name, int fallback) const {
  return WholeNumber(file_.ReadString(key, name, {})).value_or(fallback);
}

bool UserStore::ReadBool(std::string_view key, std::string_view name, bool fallback) const {
  return ReadInteger(key, name, fallback ? 1 : 0) != 0;
}

std::string UserStore::ReadString(std::string_view key, std::string_view name,
                                  std::string_view fallback) const {
  return file_.ReadString(key, name, fallback);
}

void UserStore::WriteInteger(std::string_view key, std::string_view name, int value) {
  file_.WriteString(key, name, std::to_string(value));
}

void UserStore::WriteBool(std::string_view key, std::string_view name, bool value) {
  file_.WriteString(key, name, value ? "1" : "0");
}

void UserStore::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  file_.WriteString(key, name, value);
}

}  // namespace cardwise
