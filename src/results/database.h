#pragma once
// The five record lists together: what the program loads at start-up from the data folder, in
// the order players, courses, rounds, events, tours.

#include <array>
#include <string>

#include "records/course.h"
#include "records/player.h"
#include "records/record_io.h"
#include "records/round.h"
#include "results/event.h"
#include "results/tour.h"
#include "settings/settings.h"

namespace cardwise {

struct Database {
  PlayerList& Players;
  CourseList& Courses;
  RoundList& Rounds;
  EventList& Events;
  TourList& Tours;
};

// The process-wide lists.
Database ProcessDatabase();

enum DataKind { kPlayersFile, kCoursesFile, kRoundsFile, kEventsFile, kToursFile, kDataKinds };

// The path of each data file: the data folder followed by the file name setting.
std::string DataFilePath(const AppSettings& settings, DataKind kind);
// The knockouts' file: the data folder followed by KnockoutFName. Kept apart from the five: it
// exists only once a knockout is made, and only the knockout commands, window and pages read it.
std::string KnockoutFilePath(const AppSettings& settings);
// "players", "courses", "rounds", "events", "tours".
const char* DataKindName(DataKind kind);

using LoadReports = std::array<LoadReport, kDataKinds>;

// Loads the five data files into the lists (which are not emptied first), in start-up order.
LoadReports LoadDatabase(Database database, const AppSettings& settings);
// Empties the five lists.
void ClearDatabase(Database database);

}  // namespace cardwise
