#include "web/publish.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "platform/files.h"
#include "platform/process.h"
#include "platform/status_sink.h"
#include "records/text.h"

namespace cardwise {

namespace {

constexpr std::string_view kShellCharacters = "`~!#$&*()|\\{}[];'\"<>?";
constexpr std::size_t kItemWidth = 11;  // rsync's "%i": ">f+++++++++", "*deleting  "

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

Status Refused(std::string_view target, const std::string& why) {
  return Status::Error("publish target " + Quoted(target) + " refused: " + why);
}

// rsync's message without its trailing line end; its exit code when it said nothing.
std::string RsyncMessage(const ProcessOutcome& outcome) {
  std::string text = outcome.ErrorText;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    text.pop_back();
  if (text.empty()) text = "exit status " + std::to_string(outcome.ExitCode);
  return text;
}

bool IsItem(std::string_view item) {
  if (item.starts_with("*deleting")) return true;
  return std::string_view("<>ch.").find(item[0]) != std::string_view::npos &&
         std::string_view("fdLDS").find(item[1]) != std::string_view::npos;
}

// rsync reads a target with ":" before any "/" as a server's.
bool IsLocal(const std::string& target) {
  const std::size_t colon = target.find(':');
  return colon == std::string::npos || target.find('/') < colon;
}

// A folder target within the web root would receive the site, itself included, on every run.
bool InsideSite(const std::string& target, const std::string& root) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path site = fs::weakly_canonical(fs::absolute(root, error), error);
  const fs::path place = fs::weakly_canonical(fs::absolute(target, error), error);
  if (error) return false;
  auto [inSite, inPlace] = std::mismatch(site.begin(), site.end(), place.begin(), place.end());
  return inSite == site.end() || (std::next(inSite) == site.end() && inSite->empty());
}

}  // namespace

Status CheckPublishTarget(std::string_view target) {
  if (target.empty()) return Status::Error("no publish target is set (PublishTo in [Web])");
  if (target.front() == '-') return Refused(target, "it begins with \"-\"");
  for (char c : target) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte == 0x7f)
      return Refused(target, "it holds a space or a control character");
    if (kShellCharacters.find(c) != std::string_view::npos)
      return Refused(target,
                     "it holds " + Quoted(std::string(1, c)) + ", which a shell would interpret");
  }
  return Status::Ok();
}

// No shell sits between us and rsync, and "--" ends its options: a web root beginning with
// "-" is a path like any other. ssh's batch mode fails where it would prompt.
std::vector<std::string> PublishArguments(const AppSettings& settings, bool dryRun) {
  std::vector<std::string> args = {"rsync",
                                   "--recursive",
                                   "--links",
                                   "--times",
                                   "--checksum",
                                   "--exclude=*.tmp[0-9]*-[0-9]*",
                                   "--rsh=ssh -o BatchMode=yes",
                                   "--out-format=%i %l %n"};
  if (settings.PublishDelete) args.push_back("--delete");
  if (dryRun) args.push_back("--dry-run");
  args.insert(args.end(), {"--", IncludeTrailingSlash(settings.HtmlRootDir), settings.PublishTo});
  return args;
}

// "%i %l %n": the item, the file's size and its path.
bool AddPublishedItem(std::string_view line, PublishReport& report, std::string& name) {
  if (line.size() < kItemWidth + 3 || line[kItemWidth] != ' ') return false;
  const std::string_view item = line.substr(0, kItemWidth);
  std::string_view rest = line.substr(kItemWidth + 1);
  std::uintmax_t size = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), size);
  if (!IsItem(item) || error != std::errc() || end == rest.data() + rest.size() || *end != ' ')
    return false;
  name = std::string(rest.substr(static_cast<std::size_t>(end - rest.data()) + 1));
  if (item.starts_with("*deleting")) {
    if (!name.ends_with('/')) ++report.FilesDeleted;
  } else if (item[1] == 'f' && (item[0] == '<' || item[0] == '>')) {
    ++report.FilesSent;
    report.BytesSent += size;
  }
  return true;
}

Status PublishSite(const AppSettings& settings, bool dryRun, PublishReport& report) {
  report = PublishReport();
  if (Status status = CheckPublishTarget(settings.PublishTo); !status) return status;
  if (!DirectoryExists(settings.HtmlRootDir))
    return Status::ErrorAt(settings.HtmlRootDir, 0, "no such folder: make the pages first");
  if (IsLocal(settings.PublishTo) && InsideSite(settings.PublishTo, settings.HtmlRootDir))
    return Refused(settings.PublishTo, "it lies inside the web root");
  ShowStatus("Publishing to " + settings.PublishTo + " ...");
  ProcessOutcome outcome;
  const auto onLine = [&report](std::string_view line) {
    std::string name;
    if (AddPublishedItem(line, report, name)) ShowStatus(name);
  };
  if (Status status = RunProcess(PublishArguments(settings, dryRun), onLine, outcome); !status)
    return Status::Error(status.message() + " (install the package rsync to publish)");
  if (outcome.ExitCode != 0)
    return Status::Error("publishing to " + settings.PublishTo +
                         " failed: " + RsyncMessage(outcome));
  ShowStatus("Published to " + settings.PublishTo + ".");
  return Status::Ok();
}

}  // namespace cardwise
