#include "records/process_info.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <string_view>

#include "platform/codepage.h"
#include "platform/files.h"
#include "records/dates.h"
#include "records/text.h"

namespace cardwise {

namespace {

constexpr std::size_t kUserNameLimit = 6;
constexpr std::size_t kFullUserNameLimit = 18;
constexpr std::size_t kComputerNameLimit = 8;
constexpr std::size_t kProductNameLimit = 32;
constexpr std::size_t kVersionTextLimit = 24;

ProcessInfo& Instance() {
  static ProcessInfo info;
  return info;
}

std::string Cut(std::string text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
  return text;
}

// The first of the variables that is set and not empty.
std::string FirstEnv(std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) {
    std::string value = GetEnv(name);
    if (!value.empty()) return value;
  }
  return {};
}

// Length of the UTF-8 sequence starting at text[i], 0 when none starts there.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (lead < 0x80)
    length = 1;
  else if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceAt(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Names from the environment or the account database arrive as UTF-8 on this system; a name
// that is not valid UTF-8 is taken to be in the DOS code page of the legacy installations.
std::string NameText(std::string_view text) {
  return IsUtf8(text) ? Utf8ToWindows1252(text) : DosToWindows(text);
}

std::string AccountFullName() {
  const passwd* account = getpwuid(getuid());
  if (account == nullptr || account->pw_gecos == nullptr) return {};
  return account->pw_gecos;
}

// The short host name: a fully qualified name would be cut to a meaningless prefix.
std::string HostName() {
  char buffer[HOST_NAME_MAX + 1] = {};
  if (gethostname(buffer, sizeof buffer - 1) != 0) return {};
  const std::string_view name(buffer);
  return std::string(name.substr(0, name.find('.')));
}

std::string ProgramDirectory(const std::string& executable) {
  const std::string dir = DirectoryOf(executable);
  return dir.empty() ? std::string("./") : dir;
}

std::string BuildDate(const std::string& executable) {
  if (std::optional<DateTime> built = FileDateTime(executable)) {
    return FormatDateTime("yymmdd", *built);
  }
  return ShortDateText(Today());
}

void ApplyVersion(ProcessInfo& info, const std::string& productName, const std::string& version) {
  info.ProductName = Cut(Trim(productName), kProductNameLimit);
  info.VersionText = Cut("Ver. " + version + " Rel " + info.ExeBuildDate, kVersionTextLimit);
}

}  // namespace

ProcessInfo ReadProcessInfo() {
  ProcessInfo info;
  const std::string executable = ExecutablePath();
  info.ProgramDir = ProgramDirectory(executable);
  info.BaseName = "cardwise";
  const std::string temp = FirstEnv({"TEMP", "TMP", "TMPDIR"});
  info.TempDir = temp.empty() ? std::string("/tmp/") : IncludeTrailingSlash(temp);
  const std::string user = FirstEnv({"USER", "USR"});
  info.UserName = Cut(NameText(user.empty() ? std::string("USER") : user), kUserNameLimit);
  std::string fullName = GetEnv("USERNAME");
  if (fullName.empty()) fullName = AccountFullName();
  info.FullUserName = Cut(NameText(ExtractField(fullName, 1, ',')), kFullUserNameLimit);
  std::string computer = GetEnv("CNAME");
  if (computer.empty()) computer = HostName();
  info.ComputerName = Cut(NameText(computer), kComputerNameLimit);
  info.ExeBuildDate = BuildDate(executable);
  ApplyVersion(info, "Not Set Yet", "0.0");
  return info;
}

void InitProcessInfo() {
  Instance() = ReadProcessInfo();
}

const ProcessInfo& Process() {
  return Instance();
}

void SetVersion(const std::string& productName, const std::string& version) {
  ApplyVersion(Instance(), productName, version);
}

std::string VersionLine(std::string_view program) {
  return std::string(program) + " (" + Process().ProductName + ") " + Process().VersionText;
}

}  // namespace cardwise
