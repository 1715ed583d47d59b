#include "results/demo_data.h"

#include "platform/files.h"
#include "platform/ini_file.h"
#include "records/text.h"
#include "results/startup.h"

namespace cardwise {

namespace {

struct DemoFile {
  DataKind Kind;
  std::string AppSettings::*FName;
  const char* DemoName;
  const char* UnloadKey;
};

// In the order the lists are switched.
const DemoFile kDemoFiles[] = {
    {kRoundsFile, &AppSettings::RoundFName, kDemoRoundFName, "Round"},
    {kPlayersFile, &AppSettings::PlayerFName, "DEMOP.DAT", "Player"},
    {kCoursesFile, &AppSettings::CourseFName, "DEMOC.DAT", "Course"},
    {kEventsFile, &AppSettings::EventFName, "DEMOE.DAT", "Event"},
    {kToursFile, &AppSettings::TourFName, "DEMOT.DAT", "Tour"},
};

// The keys of "DemoUnload" in the order they are written.
const DataKind kUnloadKeyOrder[] = {kRoundsFile, kCoursesFile, kEventsFile, kPlayersFile,
                                    kToursFile};
constexpr const char* kWebRootKey = "HtmlRootDir";
// The knockouts have a demo file name of their own, but no shipped file: none is copied.
constexpr const char* kDemoKnockoutFName = "DEMOK.DAT";
constexpr const char* kKnockoutUnloadKey = "Knockout";

const DemoFile& FileOf(DataKind kind) {
  for (const DemoFile& file : kDemoFiles)
    if (file.Kind == kind) return file;
  return kDemoFiles[0];
}

Status WriteUnloadSection(const AppSettings& settings, const std::string& settingsFile) {
  // A first start has no settings file yet, and perhaps no folder for it either.
  if (const std::string folder = DirectoryOf(settingsFile); !folder.empty())
    CreateDirectories(folder);
  return IniUpdate(settingsFile, [&](IniFile& ini) {
    for (DataKind kind : kUnloadKeyOrder) {
      const DemoFile& file = FileOf(kind);
      ini.WriteString(kDemoUnloadSection, file.UnloadKey, settings.*file.FName);
    }
    ini.WriteString(kDemoUnloadSection, kKnockoutUnloadKey, settings.KnockoutFName);
    ini.WriteString(kDemoUnloadSection, kWebRootKey, settings.HtmlRootDir);
  });
}

// A data folder made before the demo data were shipped, or chosen in the settings later, has
// none of them: the missing ones are copied in, so that the switch never leads to empty lists.
Status CopyMissingDemoFiles(const AppSettings& settings, const std::string& shippedDir) {
  for (const DemoFile& file : kDemoFiles) {
    const std::string target = settings.DataDir + file.DemoName;
    if (FileExists(target)) continue;
    if (shippedDir.empty())
      return Status::ErrorAt(target, 0,
                             "no demo file, and the program's shipped files were not found");
    const std::string source = IncludeTrailingSlash(shippedDir) + "demo/" + file.DemoName;
    if (!FileExists(source))
      return Status::ErrorAt(target, 0, "no demo file, and " + source + " is not there either");
    if (Status copied = CopyFile(source, target); !copied)
      return Status::Error("the demo files could not be copied into the data folder: " +
                           copied.message());
  }
  return Status::Ok();
}

LoadReport ReloadList(Database database, DataKind kind, const std::string& path) {
  const auto reload = [&path](auto& list) {
    list.Clear();
    return list.LoadFromFile(path);
  };
  switch (kind) {
    case kPlayersFile:
      return reload(database.Players);
    case kCoursesFile:
      return reload(database.Courses);
    case kRoundsFile:
      return reload(database.Rounds);
    case kEventsFile:
      return reload(database.Events);
    default:
      return reload(database.Tours);
  }
}

void ReloadAll(Database database, const AppSettings& settings, DemoSwitch& result) {
  for (const DemoFile& file : kDemoFiles)
    result.Reports[file.Kind] = ReloadList(database, file.Kind, DataFilePath(settings, file.Kind));
}

}  // namespace

DemoSwitch LoadDemo(Database database, AppSettings& settings, const std::string& settingsFile) {
  return LoadDemo(database, settings, settingsFile, ShippedFilesDir());
}

DemoSwitch LoadDemo(Database database, AppSettings& settings, const std::string& settingsFile,
                    const std::string& shippedDir) {
  DemoSwitch result;
  if (result.Outcome = CopyMissingDemoFiles(settings, shippedDir); !result.Outcome) return result;
  if (settings.RoundFName != kDemoRoundFName) {
    result.Outcome = WriteUnloadSection(settings, settingsFile);
    if (!result.Outcome) return result;
  }
  settings.HtmlRootDir = DefaultDemoWebRoot();
  for (const DemoFile& file : kDemoFiles)
    settings.*file.FName = file.DemoName;
  settings.KnockoutFName = kDemoKnockoutFName;
  ReloadAll(database, settings, result);
  return result;
}

DemoSwitch UnloadDemo(Database database, AppSettings& settings, const std::string& settingsFile) {
  DemoSwitch result;
  IniFile ini;
  if (result.Outcome = ini.Load(settingsFile); !result.Outcome) return result;
  for (const DemoFile& file : kDemoFiles)
    settings.*file.FName = ini.ReadString(kDemoUnloadSection, file.UnloadKey, settings.*file.FName);
  settings.KnockoutFName =
      ini.ReadString(kDemoUnloadSection, kKnockoutUnloadKey, settings.KnockoutFName);
  settings.HtmlRootDir = ini.ReadString(kDemoUnloadSection, kWebRootKey, settings.HtmlRootDir);
  ReloadAll(database, settings, result);
  return result;
}

}  // namespace cardwise
