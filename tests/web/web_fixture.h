#pragma once
// A small club for the page tests: settings whose folders lie in a temporary folder, five
// lists filled in memory, and a web context dated 2026-06-15. Tests add or change records as
// they need; helpers make records in one line.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/locale_formats.h"
#include "results/database.h"
#include "support/temp_dir.h"
#include "support/test_database.h"
#include "web/page.h"
#include "web/site.h"

namespace cardwise::testing {

class WebTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  WebTest();
  ~WebTest() override;

  Player& AddPlayer(std::string_view id, std::string_view name, float hcp = 0);
  Course& AddCourse(std::string_view id, std::string_view name, std::string_view par,
                    std::string_view hcp = "");
  // A round of the player on the course; the card copies the course's par and index.
  Round& AddRound(std::string_view playerID, std::string_view courseID, DateTime date,
                  std::string_view scores, std::string_view eventID = "");
  Event& AddEvent(std::string_view id, std::string_view name, int type,
                  std::string_view courseID = "", DateTime date = 0);
  Tour& AddTour(std::string_view id, std::string_view name, int type, std::string_view events);

  // Opens a page at `path` below the web root with no templates.
  void OpenPage(std::string_view path = "players/x.htm", bool inYearFolder = false);
  // The body written since OpenPage (the head lines left out).
  std::string Body() const;
  // The lines of the body, without their line ends.
  std::vector<std::string> BodyLines() const;

  TempDir dir_;
  AppSettings settings_;
  WebContext context_{settings_, database_, 0};
  Page page_;
  std::size_t bodyStart_ = 0;
};

// The date-time of that day and time of day.
DateTime Day(int year, int month, int day, int hour = 10, int minute = 30);

}  // namespace cardwise::testing
