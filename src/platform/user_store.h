#pragma once
// The per-user store of window positions, check boxes and custom colours: an INI-syntax file
// (by default $XDG_CONFIG_HOME/Hollowfen/cardwise.ini). What a registry would call a key is a
// section here: the program's key is the section "cardwise", its sub-key "CustomColors" the
// section "CustomColors". Integers and 0/1 booleans are stored as decimal text.

#include <string>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/status.h"

namespace cardwise {

class UserStore {
 public:
  explicit UserStore(std::string path) : path_(std::move(path)) {}

  // $XDG_CONFIG_HOME/Hollowfen/cardwise.ini, with ~/.config when XDG_CONFIG_HOME is unset
  // (an empty or relative value counts as unset).
  static std::string DefaultPath();

  // Reads the store, creating its folder and an empty file when they are missing.
  Status Open();
  // Writes the store back atomically. Fails without writing when Open() did not succeed, so
  // that a store that could not be read is never replaced by what little was written since.
  Status Close();

  bool ValueExists(std::string_view key, std::string_view name) const;
  // A value that is not a whole number reads as `fallback`.
  int ReadInteger(std::string_view key, std::string_view name, int fallback) const;
  bool ReadBool(std::string_view key, std::string_view name, bool fallback) const;
  std::string ReadString(std::string_view key, std::string_view name,
                         std::string_view fallback) const;

  void WriteInteger(std::string_view key, std::string_view name, int value);
  void WriteBool(std::string_view key, std::string_view name, bool value);
  void WriteString(std::string_view key, std::string_view name, std::string_view value);

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  IniFile file_;
  bool opened_ = false;
};

}  // namespace cardwise
