#include "results/cards.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace cardwise {
namespace {

TEST(CardsTest, EachCardMarksTheStrokesPerHoleAndNamesTheNextPlayerAsMarker) {
  PlayerList players;
  CourseList courses;
  RoundList rounds;
  EventList events;
  TourList tours;
  const Database database{players, courses, rounds, events, tours};
  for (const auto& [id, hcp] : {std::pair{"A", 20.0f}, {"B", -1.0f}, {"C", 5.0f}}) {
    auto player = std::make_unique<Player>();
    player->ID = id;
    player->Name = std::string("Player ") + id;
    player->Hcp = hcp;
    players.Add(std::move(player));
  }
  auto course = std::make_unique<Course>();
  course->ID = "C1";
  course->Hcp.FromText("7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4", 1, ',');
  courses.Add(std::move(course));
  Event event;
  event.ID = "EV";
  event.CourseID = "C1";
  event.Type = kStrokesNet;
  std::string missing;
  EXPECT_FALSE(EventCards(event, database, missing));
  EXPECT_EQ(missing, "event EV has no draw");

  event.Draw = {{480, 1, {"A", "B"}}, {490, 10, {"C"}}};
  const std::vector<Card> cards = *EventCards(event, database, missing);
  ASSERT_EQ(cards.size(), 3u);
  EXPECT_EQ(cards[0].Marker, "Player B");
  EXPECT_EQ(cards[1].Marker, "Player A");
  EXPECT_EQ(cards[2].Marker, "");
  EXPECT_EQ(cards[2].Tee, "10");
  const std::vector<CardRow>& rows = cards[0].Rows;
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[4].Caption, "Strokes");
  EXPECT_EQ(rows[4].Cells[3], std::string(kStrokeBullet) + kStrokeBullet);  // index 1 of 20
  EXPECT_EQ(rows[4].Cells[12], kStrokeBullet);                              // index 18: one
  EXPECT_EQ(rows[6].Caption, "Nett");
  EXPECT_EQ(cards[1].Rows[4].Cells[12], "-");  // a plus handicap gives back on index 18
  EXPECT_EQ(cards[1].Strokes, "-1");
}

}  // namespace
}  // namespace cardwise
