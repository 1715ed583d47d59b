#include "results/startup.h"

#include "platform/files.h"
#include "records/text.h"

namespace cardwise {

namespace {

struct Folder {
  std::string AppSettings::*Dir;
  const char* Shipped;  // the sub-folder of the shipped files it gets when new, or nullptr
};

const Folder kFolders[] = {
    {&AppSettings::DataDir, "demo/"},
    {&AppSettings::TemplateDir, "template/"},
    {&AppSettings::HtmlRootDir, nullptr},
};

// Folder settings are plain prefixes: the files go where the program will look for them.
void CopyShipped(const std::string& from, const std::string& prefix) {
  for (const std::string& name : FilesMatching(from, "*")) {
    if (name.starts_with('.')) continue;
    const std::string target = prefix + name;
    if (!FileExists(target)) CopyFile(from + name, target);
  }
}

}  // namespace

std::string ShippedFilesDir() {
  const std::string exe = ExecutablePath();
  if (!exe.empty()) {
    const std::string installed = DirectoryOf(exe) + "../share/cardwise/";
    if (DirectoryExists(installed)) return installed;
  }
#if defined(CARDWISE_SOURCE_DATA) && defined(CARDWISE_BUILD_DIR)
  // Only a program in its build folder takes the source tree's files: an installed program
  // whose files are missing must not quietly use whatever a source tree holds.
  const std::string source = IncludeTrailingSlash(CARDWISE_SOURCE_DATA);
  if (exe.starts_with(IncludeTrailingSlash(CARDWISE_BUILD_DIR)) && DirectoryExists(source))
    return source;
#endif
  return {};
}

Status PrepareFolders(const AppSettings& settings) {
  return PrepareFolders(settings, ShippedFilesDir());
}

Status PrepareFolders(const AppSettings& settings, const std::string& shippedDir) {
  for (const Folder& folder : kFolders) {
    const std::string& dir = settings.*folder.Dir;
    if (dir.empty()) return Status::Error("Unable to create directory");
    if (DirectoryExists(dir) || !CreateDirectories(dir)) continue;
    if (folder.Shipped && !shippedDir.empty())
      CopyShipped(IncludeTrailingSlash(shippedDir) + folder.Shipped, dir);
  }
  return Status::Ok();
}

}  // namespace cardwise
