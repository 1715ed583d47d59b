#include "web/publish.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>

#include <unistd.h>

#include "platform/digest.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/status_sink.h"
#include "records/text.h"
#include "web/publish_manifest.h"

namespace cardwise {

namespace {

constexpr std::string_view kShellCharacters = "`~!#$&*()|\\{}[];'\"<>?";
constexpr std::size_t kItemWidth = 11;  // rsync's "%i": ">f+++++++++", "*deleting  "
constexpr std::string_view kListName = ".cardwise-files";
constexpr std::string_view kFetchedSealName = ".cardwise-seal-fetched";
const char* const kRsh = "--rsh=ssh -o BatchMode=yes";
const char* const kItemFormat = "--out-format=%i %l %n";

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

Status CheckPublishing(const AppSettings& settings) {
  if (Status status = CheckPublishTarget(settings.PublishTo); !status) return status;
  if (!DirectoryExists(settings.HtmlRootDir))
    return Status::ErrorAt(settings.HtmlRootDir, 0, "no such folder: make the pages first");
  if (IsLocal(settings.PublishTo) && InsideSite(settings.PublishTo, settings.HtmlRootDir))
    return Refused(settings.PublishTo, "it lies inside the web root");
  return Status::Ok();
}

std::string InSite(const AppSettings& settings, std::string_view name) {
  return IncludeTrailingSlash(settings.HtmlRootDir) + std::string(name);
}

// The seal's path at the target: "host:" is a home folder, to which no "/" is added.
std::string SealAtTarget(const AppSettings& settings) {
  const std::string& target = settings.PublishTo;
  const bool bare = target.ends_with('/') || target.ends_with(':');
  return target + (bare ? "" : "/") + std::string(kSealName);
}

Status RunRsync(const AppSettings& settings, const std::vector<std::string>& args,
                PublishReport& report) {
  ProcessOutcome outcome;
  const auto onLine = [&report](std::string_view line) {
    std::string name;
    if (AddPublishedItem(line, report, name)) ShowStatus(name);
  };
  if (Status status = RunProcess(args, onLine, outcome); !status)
    return Status::Error(status.message() + " (install the package rsync to publish)");
  if (outcome.ExitCode != 0)
    return Status::Error("publishing to " + settings.PublishTo +
                         " failed: " + RsyncMessage(outcome));
  return Status::Ok();
}

// One small file copied with rsync, so that a server's target needs nothing else. A seal has
// always the same size and may be written within the second of the last one: rsync must not
// skip it by its quick check.
bool CopyOneFile(const std::string& from, const std::string& to) {
  ProcessOutcome outcome;
  const Status status = RunProcess(
      {"rsync", "--times", "--ignore-times", kRsh, "--", from, to}, [](std::string_view) {},
      outcome);
  return status && outcome.ExitCode == 0;
}

// The seal at the target ("" when it has none or cannot be reached): a folder's read where it
// is, a server's fetched with rsync.
std::string FetchSeal(const AppSettings& settings) {
  std::string seal;
  if (IsLocal(settings.PublishTo)) {
    if (FileExists(SealAtTarget(settings))) (void)ReadWholeFile(SealAtTarget(settings), seal);
  } else {
    const std::string fetched = InSite(settings, kFetchedSealName);
    if (CopyOneFile(SealAtTarget(settings), fetched)) (void)ReadWholeFile(fetched, seal);
    (void)DeleteFile(fetched);
  }
  while (!seal.empty() && seal.back() == '\n')
    seal.pop_back();
  return seal;
}

bool TargetMatches(const AppSettings& settings, const PublishManifest& manifest) {
  return manifest.Target == settings.PublishTo && manifest.Deleted == settings.PublishDelete &&
         !manifest.Seal.empty() && FetchSeal(settings) == manifest.Seal;
}

// The paths that differ from the record, in a list for rsync, deleted after the run; `ran`
// tells whether there were any.
Status SendChanges(const AppSettings& settings, const SiteFiles& published, const SiteFiles& now,
                   bool dryRun, PublishReport& report, bool& ran) {
  const SiteChanges changes = CompareSites(published, now);
  std::string list;
  for (const std::string& path : changes.Changed)
    list += path + "\n";
  if (settings.PublishDelete)
    for (const std::string& path : DeletionRoots(changes, now))
      list += path + "\n";
  ran = !list.empty();
  if (!ran) return Status::Ok();
  const std::string listFile = InSite(settings, kListName);
  if (Status status = WriteFileAtomically(listFile, list); !status) return status;
  Status status = RunRsync(settings, ChangedFilesArguments(settings, listFile, dryRun), report);
  (void)DeleteFile(listFile);
  return status;
}

// A new seal at the target, then the record that names it: should either step fail, the
// seals differ and the next run compares everything.
Status SealTarget(const AppSettings& settings, std::int64_t scanned, SiteFiles files) {
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  const std::string seal = DigestHex(
      ContentDigest(settings.PublishTo + std::to_string(now) + std::to_string(::getpid())));
  const std::string local = InSite(settings, kSealName);
  if (Status status = WriteFileAtomically(local, seal + "\n"); !status) return status;
  const bool sealed = IsLocal(settings.PublishTo)
                          ? WriteFileAtomically(SealAtTarget(settings), seal + "\n").ok()
                          : CopyOneFile(local, SealAtTarget(settings));
  if (!sealed)
    return Status::Error("publishing to " + settings.PublishTo + " failed: the seal " +
                         std::string(kSealName) + " could not be written there");
  return WritePublishManifest(
      settings.HtmlRootDir,
      PublishManifest{settings.PublishTo, settings.PublishDelete, seal, scanned, std::move(files)});
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
                                   "--exclude=/.cardwise-*",
                                   kRsh,
                                   kItemFormat};
  if (settings.PublishDelete) args.push_back("--delete");
  if (dryRun) args.push_back("--dry-run");
  args.insert(args.end(), {"--", IncludeTrailingSlash(settings.HtmlRootDir), settings.PublishTo});
  return args;
}

// The listed files differ by content: rsync's quick check by size and time is not asked.
// --files-from implies --relative: each listed path lands at the same place in the target.
// Folders the list names come from the deletion roots, which --force lets rsync remove whole;
// without implied folders, the parent of a deleted folder is not looked up in the site.
std::vector<std::string> ChangedFilesArguments(const AppSettings& settings,
                                               const std::string& listFile, bool dryRun) {
  std::vector<std::string> args = {"rsync",
                                   "--links",
                                   "--times",
                                   "--ignore-times",
                                   "--no-implied-dirs",
                                   "--files-from=" + listFile,
                                   kRsh,
                                   kItemFormat};
  if (settings.PublishDelete) args.insert(args.end(), {"--delete-missing-args", "--force"});
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

Status PublishSite(const AppSettings& settings, const PublishOptions& options,
                   PublishReport& report) {
  report = PublishReport();
  if (Status status = CheckPublishing(settings); !status) return status;
  ShowStatus("Publishing to " + settings.PublishTo + " ...");
  std::optional<PublishManifest> manifest = ReadPublishManifest(settings.HtmlRootDir);
  const bool trusted = !options.Verify && manifest && TargetMatches(settings, *manifest);
  report.ComparedAll = !trusted;
  if (options.DryRun && !trusted)
    return RunRsync(settings, PublishArguments(settings, true), report);
  const std::int64_t scanned = FileClockNow();
  // Both sides of the ?: are lvalues: with a temporary on one side, the record would be copied.
  const SiteFiles none;
  SiteFiles files;
  if (Status status = ScanSite(settings.HtmlRootDir, manifest ? manifest->Files : none,
                               manifest ? manifest->Scanned : 0, files);
      !status)
    return status;
  bool ran = true;
  Status status = trusted
                      ? SendChanges(settings, manifest->Files, files, options.DryRun, report, ran)
                      : RunRsync(settings, PublishArguments(settings, false), report);
  if (!status || options.DryRun) return status;
  // A target left as it was keeps its seal; the record changes only when a page was written
  // again with the same bytes (its new time spares reading it next time).
  if (ran) {
    status = SealTarget(settings, scanned, std::move(files));
  } else if (files != manifest->Files) {
    manifest->Files = std::move(files);
    manifest->Scanned = scanned;
    status = WritePublishManifest(settings.HtmlRootDir, *manifest);
  }
  if (status) ShowStatus("Published to " + settings.PublishTo + ".");
  return status;
}

}  // namespace cardwise
