#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away. Tests write their files here and never touch the user's real folders.

#include <string>
#include <string_view>

namespace cardwise::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, ending with "/".
  const std::string& Path() const { return path_; }
  // Path() + name.
  std::string File(std::string_view name) const;
  // Writes the bytes to Path() + name and returns that path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The bytes of Path() + name ("" when missing).
  std::string Read(std::string_view name) const;

 private:
  std::string path_;
};

// Sets an environment variable for the life of the object and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, const char* value);  // nullptr unsets
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  bool had_ = false;
  std::string old_;
};

}  // namespace cardwise::testing
