#include "results/database.h"

namespace cardwise {

Database ProcessDatabase() {
  return {Players(), Courses(), Rounds(), Events(), Tours()};
}

std::string DataFilePath(const AppSettings& settings, DataKind kind) {
  const std::string* names[] = {&settings.PlayerFName, &settings.CourseFName, &settings.RoundFName,
                                &settings.EventFName, &settings.TourFName};
  return settings.DataDir + *names[kind];
}

std::string KnockoutFilePath(const AppSettings& settings) {
  return settings.DataDir + settings.KnockoutFName;
}

const char* DataKindName(DataKind kind) {
  static const char* const names[] = {"players", "courses", "rounds", "events", "tours"};
  return names[kind];
}

LoadReports LoadDatabase(Database database, const AppSettings& settings) {
  return {
      database.Players.LoadFromFile(DataFilePath(settings, kPlayersFile)),
      database.Courses.LoadFromFile(DataFilePath(settings, kCoursesFile)),
      database.Rounds.LoadFromFile(DataFilePath(settings, kRoundsFile)),
      database.Events.LoadFromFile(DataFilePath(settings, kEventsFile)),
      database.Tours.LoadFromFile(DataFilePath(settings, kToursFile)),
  };
}

void ClearDatabase(Database database) {
  database.Players.Clear();
  database.Courses.Clear();
  database.Rounds.Clear();
  database.Events.Clear();
  database.Tours.Clear();
}

}  // namespace cardwise
