#include "web/site_writer.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "records/text.h"

namespace cardwise {

namespace {

constexpr const char* kUnsafePage = "not written: its folder or name leads outside the web root";
constexpr const char* kUnsafeTemplate =
    "not written: its header or footer template lies outside the template folder";

}  // namespace

bool IsSafeTemplateName(const std::string& name) {
  return name.empty() || IsSafePathPart(name);
}

HeaderChoice StdHeaderChoice(const AppSettings& settings) {
  return {StdHeaderPath(settings), IsSafeTemplateName(settings.StdHeader)};
}

SiteWriter::SiteWriter(const WebContext& context, MakePagesReport& report)
    : context_(context),
      settings_(context.Settings),
      report_(report),
      footer_(StdFooterPath(context.Settings)),
      footerSafe_(IsSafeTemplateName(context.Settings.StdFooter)),
      record_(IncludeTrailingSlash(context.Settings.HtmlRootDir)),
      inputs_(context) {}

std::optional<std::string> SiteWriter::Admit(const PageLocation& location, bool headerSafe) {
  const std::string path = PagePath(settings_, location);
  if (!IsSafeLocation(location)) return Refuse(path, kUnsafePage);
  if (!headerSafe || !footerSafe_) return Refuse(path, kUnsafeTemplate);
  return path;
}

bool SiteWriter::Keeps(const std::string& path, bool updateAll) {
  if (updateAll) return false;
  return made_.contains(path) || CountKept(path);
}

void SiteWriter::ListSiteFolders() {
  const std::string root = IncludeTrailingSlash(settings_.HtmlRootDir);
  ListingOf(root);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(root, error))
    if (entry.is_directory(error)) ListingOf(root + entry.path().filename().string() + "/");
}

bool SiteWriter::KeepsChecked(const std::string& path, std::uint64_t inputs,
                              std::optional<SiteFile> kept) {
  const bool keeps = kept.has_value();
  record_.Note(path, inputs, std::move(kept));
  if (!keeps) return false;
  Plan(path);
  CountKept(path);
  return true;
}

void SiteWriter::Queue(const std::string& path) {
  if (const Status status = page_.Finish(footer_); !status) {
    record_.Forget(path);
    Report(path, status.message());
  } else {
    queue_.Push(path, page_.TakeContents());
  }
}

void SiteWriter::Finish() {
  Flush();
  if (const Status status = record_.Save(); !status) report_.Skipped.push_back(status.message());
}

void SiteWriter::Flush() {
  for (const PageWritten& page : queue_.Drain()) {
    if (!page.Outcome) {
      record_.Forget(page.Path);
      Report(page.Path, page.Outcome.message());
    } else if (written_.insert(page.Path).second) {
      ++report_.Written;
    }
  }
}

// Whether the file was there when the run first looked into its folder: one listing per folder
// instead of a look-up per page (the planning asks for every round's pages). Such a page counts
// as kept, once however often it is asked for. A page this run writes is in made_ before anyone
// asks for it again.
bool SiteWriter::CountKept(std::string_view path) {
  const std::size_t slash = path.rfind('/') + 1;  // 0 without a folder
  Names& listing = ListingOf(path.substr(0, slash));
  const auto file = listing.find(path.substr(slash));
  if (file == listing.end()) return false;
  if (!file->second) ++report_.Kept;
  file->second = true;
  return true;
}

// The names of the folder's files (the folder's path ends with "/"), listed when first asked.
SiteWriter::Names& SiteWriter::ListingOf(std::string_view folder) {
  auto listing = listings_.find(folder);
  if (listing != listings_.end()) return listing->second;
  listing = listings_.emplace(folder, Names()).first;
  std::vector<std::string> names = FileNamesIn(listing->first);
  listing->second.reserve(names.size());
  for (std::string& name : names)
    listing->second.emplace(std::move(name), false);
  return listing->second;
}

std::nullopt_t SiteWriter::Refuse(const std::string& path, const char* why) {
  Report(path, path + ": " + why);
  return std::nullopt;
}

// Each page is reported once, however often the walk comes back to it.
void SiteWriter::Report(const std::string& path, const std::string& message) {
  if (reported_.insert(path).second) report_.Skipped.push_back(message);
}

}  // namespace cardwise
