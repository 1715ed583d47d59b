#include "results/startup.h"

#include "platform/files.h"
#include "records/text.h"

namespace cardwise {

namespace {

struct Folder {
  std::string TSettings::*Dir;
  const char* Shipped;  // the sub-folder of the shipped files it gets when new, or nullptr
};

const Folder kFolders[] = {
    {&TSettings::DataDir, "demo/"},
    {&TSettings::TemplateDir, "template/"},
    {&TSettings::HtmlRootDir, nullptr},
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
  if (const std::string exe = ExecutablePath(); !exe.empty()) {
    const std::string installed = DirectoryOf(exe) + "../share/cardwise/";
    if (DirectoryExists(installed)) return installed;
  }
#ifdef CARDWISE_SOURCE_DATA
  const std::string source = IncludeTrailingSlash(CARDWISE_SOURCE_DATA);
  if (DirectoryExists(source)) return source;
#endif
  return {};
}

Status PrepareFolders(const TSettings& settings) {
  return PrepareFolders(settings, ShippedFilesDir());
}

Status PrepareFolders(const TSettings& settings, const std::string& shippedDir) {
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
