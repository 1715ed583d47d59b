#include "results/tour.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "records/text.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

Tour TourOf(const std::string& events) {
  Tour tour;
  tour.Events = events;
  return tour;
}

TEST(TourEventsTest, CommonCourseIgnoresMissingEventsAndEventsWithoutCourse) {
  const testing::TempDir dir;
  EventList events;
  events.LoadFromFile(
      dir.Write("EVENTS.DAT",
                "[A1]\nID=A1\nCourseID=MILL\n[A2]\nID=A2\nCourseID=MILL\n[B1]\nID=B1\n"
                "CourseID=OAKS\n[N1]\nID=N1\n[G1]\nID=G1\nCourseID=GONE\n"));
  CourseList courses;
  courses.LoadFromFile(dir.Write("COURSES.DAT", "[MILL]\nID=MILL\n[OAKS]\nID=OAKS\n"));
  const std::pair<std::string, std::string> cases[] = {
      {"A1;A2;", "MILL"}, {"N1;A1;X9;A2;N1;", "MILL"},
      {"A1;B1;", ""},     {"A1;N1;B1;", ""},
      {"N1;", ""},        {"G1;", ""}};
  for (const auto& [list, expected] : cases) {
    const Course* course = TourOf(list).CommonCourse(events, courses);
    EXPECT_EQ(course ? course->ID : "", expected) << list;
  }
}

// The event list as a check list: "A* B C*" lists A, B and C, A and C checked.
std::vector<EventCheck> ChecksOf(const std::string& items) {
  std::vector<EventCheck> checks;
  std::istringstream words(items);
  for (std::string item; words >> item;) {
    const bool checked = item.ends_with('*');
    if (checked) item.pop_back();
    checks.push_back({item, checked});
  }
  return checks;
}

TEST(TourEventsTest, CheckedEventsKeepTheirWeightsAndTheTourItsOrder) {
  const struct {
    const char *Events, *Weights, *Checks, *ThenEvents, *ThenWeights;
  } cases[] = {
      // Nothing changed: the tour's order is not the list's, and stays.
      {"SPR;STB;CC;", "1;1;2", "CC* LD SPR* STB*", "SPR;STB;CC;", "1;1;2"},
      {"E1;", "1;2;3", "E1*", "E1;", "1;2;3"},
      {"E1;E2;", "", "E1* E2*", "E1;E2;", ""},
      // Unchecked events leave with their weight, newly checked ones come last with 1.
      {"SPR;STB;CC;", "1;1;2", "CC* LD SPR* STB", "SPR;CC;", "1;2"},
      {"SPR;STB;CC;", "1;1;2", "CC* LD* SPR* STB*", "SPR;STB;CC;LD;", "1;1;2;1"},
      {"E3;E1;", "", "E1* E2* E3*", "E3;E1;E2;", ""},
      {"", "", "E1* E2 E3*", "E1;E3;", ""},
      {"E1;E2;", "2;3", "E1 E2", "", ""},
      // Events that had no weight still have none.
      {"E3;E1;", "2", "E1* E2* E3*", "E3;E1;E2;", "2;;1"},
      {"E1;E2;E3;", "2;3", "E1 E2* E3*", "E2;E3;", "3"},
      {"E1;E2;E3;", "2;;4", "E1* E2* E3", "E1;E2;", "2;"},
      // An event the list no longer has stays in its place.
      {"GONE;E1;E2;", "5;6;7", "E1 E2* E3*", "GONE;E2;E3;", "5;7;1"},
  };
  for (const auto& c : cases) {
    Tour tour = TourOf(c.Events);
    tour.Weights = c.Weights;
    SetCheckedEvents(tour, ChecksOf(c.Checks));
    EXPECT_EQ(tour.Events, c.ThenEvents) << c.Events << " / " << c.Checks;
    EXPECT_EQ(tour.Weights, c.ThenWeights) << c.Events << " / " << c.Checks;
  }
}

TEST(TourFileTest, ReadsAndWritesItsKeysByteForByteWithNtotFromTheStandings) {
  const testing::TempDir dir;
  const std::string text =
      "[ST]\r\nID=ST\r\nTour=Summer Tour\r\nEvents=E1;E2;\r\nMandatoryEvents=E2\r\n"
      "Weights=1;2\r\nHeader=tour.htm\r\nDir=summer\r\nType=0\r\nNtot=9\r\nWorst=1\r\n"
      "1=1;140;2;JS;\r\n2=\r\n3=3;150;2;AB;=\r\n";
  TourList list;
  list.LoadFromFile(dir.Write("TOURS.DAT", text));
  ASSERT_TRUE(list.SaveAll(dir.File("AGAIN.DAT")));
  EXPECT_EQ(dir.Read("AGAIN.DAT"), ReplaceAll("Ntot=9", "Ntot=3", text));
  EXPECT_EQ(list.CopyToClipboard(0),
            "[ST]\r\nID=ST\r\nTour=Summer Tour\r\nEvents=E1;E2;\r\nMandatoryEvents=E2\r\n"
            "Weights=1;2\r\nHeader=tour.htm\r\nType=0\r\n");
  // Reloading stops at the first empty line.
  ASSERT_TRUE(ReloadRecord(list.RecordAt(0), dir.File("TOURS.DAT")));
  EXPECT_EQ(list.RecordAt(0).Standings.size(), 1u);

  list.LoadFromFile(dir.Write("BAD.DAT", "[T]\nID=T\nType=x\nNtot=y\nWorst=2\n"));
  const Tour& bad = *list.FindRecord("T");
  EXPECT_EQ(std::make_tuple(bad.Type, bad.Ntot, bad.Worst), std::make_tuple(-1, 0, 2))
      << "numbers that are not whole read as their defaults";
}

}  // namespace
}  // namespace cardwise
