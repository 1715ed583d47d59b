// Events for pairs and teams: the allowances, the team's hole scores, the event keys and the
// ranked team results.

#include "results/team_results.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "results/recalc.h"
#include "results/tour_standings.h"
#include "support/temp_dir.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;
using Ints = std::vector<int>;

TEST(TeamScoringTest, PlayingHandicapsRoundHalfUpOnceAtTheEdges) {
  // Format, Best, course handicaps in member order, allowance, playing handicaps.
  const std::tuple<int, int, Ints, Ints, Ints> cases[] = {
      {kFourball, 1, {10, 9}, {}, {9, 8}},          // 8.5 up, 7.65
      {kFourball, 1, {3, -3}, {}, {3, -3}},         // 2.55, -2.55 (half up: -2.55 is -3)
      {kFourball, 1, {20, 10}, {90, 80}, {16, 9}},  // percentages from the lowest
      {kTeamBest, 1, {10, 14, 2}, {}, {8, 11, 2}},  // 75%: 7.5, 10.5, 1.5
      {kTeamBest, 2, {10, 14, 2}, {}, {9, 12, 2}},  // 85%: 8.5, 11.9, 1.7
      {kTeamBest, 3, {10, 14, 2, 0}, {}, {10, 14, 2, 0}},
      {kFoursomes, 1, {10, 11}, {}, {11}},      // 10.5
      {kFoursomes, 1, {-1, 0}, {}, {0}},        // -0.5 goes up
      {kGreensomes, 1, {10, 5}, {}, {7}},       // 3 + 4
      {kGreensomes, 1, {2, 1}, {}, {1}},        // 0.6 + 0.8 = 1.4
      {kGreensomes, 1, {9, 4}, {}, {6}},        // 2.4 + 3.6 = 6.0, rounded once
      {kScramble, 1, {20, 10}, {}, {7}},        // 3.5 + 3
      {kScramble, 1, {30, 10, 20}, {}, {10}},   // 3 + 4 + 3
      {kScramble, 1, {8, 12, 16, 4}, {}, {6}},  // 1 + 1.6 + 1.8 + 1.6 = 6.0
      {kScramble, 1, {8, 12, 16, 5}, {}, {6}},  // 1.25 + 1.6 + 1.8 + 1.6 = 6.25
  };
  for (const auto& [format, best, courseHcps, allowance, expected] : cases)
    EXPECT_EQ(PlayingHandicaps(format, best, courseHcps, allowance), expected)
        << TeamFormatName(format) << " best " << best << " first " << courseHcps[0];
}

TEST(TeamScoringTest, TeamHoleScoresCountTheBestAndSkipMissingScores) {
  const HoleScore none;
  // Scores, Best, higher wins, team score, counted.
  const std::tuple<std::vector<HoleScore>, int, bool, HoleScore, std::vector<bool>> cases[] = {
      {{5, 4}, 1, false, 4, {false, true}},
      {{none, 6}, 1, false, 6, {false, true}},         // better ball from the other
      {{none, none}, 1, false, none, {false, false}},  // no score: the total is incomplete
      {{2, 3}, 1, true, 3, {false, true}},
      {{0, none}, 1, true, 0, {true, false}},  // points: a score of 0 points is a score
      {{5, 4, none, 6}, 2, false, 9, {true, true, false, false}},
      {{5, none, none}, 2, false, none, {false, false, false}},
      {{2, none, none, 1}, 2, true, 3, {true, false, false, true}},
      {{-1, 0}, 1, false, -1, {true, false}},  // net scores below 1 count
  };
  for (const auto& [scores, best, higher, expected, counted] : cases) {
    std::vector<bool> marks;
    EXPECT_EQ(TeamHoleScore(scores, best, higher, &marks), expected);
    EXPECT_EQ(marks, counted);
  }
}

class TeamEventTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  TeamEventTest() {
    players_.LoadFromText("P.DAT",
                          "[A]\r\nID=A\r\nPlayer=Ann Ash\r\nHcp=10\r\n[B]\r\nID=B\r\nPlayer=Bo "
                          "Birch\r\nHcp=20\r\n[C]\r\nID=C\r\nHcp=10\r\n[D]\r\nID=D\r\nHcp=20\r\n");
  }

  // A card of par 4 and stroke indexes 1..18 with the scores given (0: hole not completed).
  static std::string Card(const std::string& player, int strokes, const std::string& score) {
    const std::string id = "260601-1000-" + player;
    return "[" + id + "]\r\nID=" + id + "\r\nPlayerID=" + player +
           "\r\nEventID=EV\r\nStrokes=" + std::to_string(strokes) + "\r\nScore=" + score +
           "\r\nCPar=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4\r\n"
           "CHcp=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n";
  }

  LoadReport LoadEvent(const std::string& keys) {
    return events_.LoadFromText("E.DAT", "[EV]\r\nID=EV\r\nMake=1\r\n" + keys);
  }

  std::vector<std::string> Calc() {
    Event& event = *events_.FindRecord("EV");
    EXPECT_TRUE(CalcEventResults(event, rounds_, players_, courses_).ok());
    return event.Results;
  }

  static constexpr const char* kFours = "4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4";
};

TEST_F(TeamEventTest, BadTeamKeysAreUnreadableLinesAndGoodOnesSaveAsRead) {
  const LoadReport report = LoadEvent(
      "Format=fourball\r\nBest=2\r\nAllowance=90,80\r\nTeam1=A,B;Early Birds\r\nTeam2=C,D\r\n"
      "Team3=A,C\r\nTeam4=C\r\nFormat=golf\r\nBest=5\r\nAllowance=half\r\nTeam5=,D\r\n");
  std::vector<std::string> messages;
  for (const LoadProblem& problem : report.Problems)
    messages.push_back(problem.Message);
  EXPECT_THAT(messages, ElementsAre("player A in two teams", "a team of 1 in a fourball event",
                                    "not a format", "not a number of scores from 1 to 4",
                                    "not whole percentages", "not a team"));
  const Event& event = *events_.FindRecord("EV");
  EXPECT_EQ(SectionText(event.ID, event.FileKeys()),
            "[EV]\r\nID=EV\r\nMake=1\r\nFormat=fourball\r\nBest=2\r\nAllowance=90,80\r\n"
            "Team1=A,B;Early Birds\r\nTeam2=C,D\r\n");
  EXPECT_TRUE(LoadEvent("Team1=A,B,C\r\nFormat=foursomes\r\n").Problems.size() == 1)
      << "a format read after its teams checks them";
}

TEST_F(TeamEventTest, FourballNetTiesGoToTheLowerHandicapThenTheCountBack) {
  // A and C play off 9 (85% of 10, half up), B and D off 17: with pars throughout each pair
  // nets the better ball of 3 on holes 1 to 17 and 4 on the 18th, 55.
  rounds_.LoadFromText("R.DAT", Card("A", 10, kFours) + Card("B", 20, kFours) +
                                    Card("C", 10, kFours) + Card("D", 20, kFours));
  LoadEvent("Type=1\r\nFormat=fourball\r\nTeam1=A,B\r\nTeam2=C,D\r\n");
  const std::string ab = "A+B;260601-1000-A+260601-1000-B;";
  const std::string cd = "C+D;260601-1000-C+260601-1000-D;";
  EXPECT_THAT(Calc(), UnorderedElementsAre("1;55;" + ab + "=", "1;55;" + cd + "="));

  // D now receives 21 (plays off 18, a stroke on the 18th) and A birdies the 18th: 54 each,
  // A+B playing off 26 against 27.
  rounds_.FindRecord("260601-1000-D")->Strokes = 21;
  rounds_.FindRecord("260601-1000-A")->Score.SetHoleValue(18, 3);
  EXPECT_THAT(Calc(), ElementsAre("1;54;" + ab + "Hcp", "2;54;" + cd));

  // Equal handicaps again, C birdies the 1st and B leaves the 18th: A's 3 still counts there,
  // and the last nine decide.
  rounds_.FindRecord("260601-1000-D")->Strokes = 20;
  rounds_.FindRecord("260601-1000-C")->Score.SetHoleValue(1, 3);
  rounds_.FindRecord("260601-1000-B")->Score.SetHoleValue(18, 0);
  EXPECT_THAT(Calc(), ElementsAre("1;54;" + ab + "Last 9", "2;54;" + cd));
}

TEST_F(TeamEventTest, OneBallTeamsPlayOffTheTeamHandicapOnTheFirstMembersCard) {
  // Greensomes: A 10 and B from Hcp 20 with no card: 6 + 8 = 14 strokes, on indexes 1..14.
  rounds_.LoadFromText("R.DAT", Card("A", 10, kFours));
  LoadEvent("Type=2\r\nFormat=greensomes\r\nTeam1=A,B;Ash & Birch\r\n");
  EXPECT_THAT(Calc(), ElementsAre("1;50;A+B;260601-1000-A;"));
  std::vector<TeamCard> cards;
  ASSERT_TRUE(BuildTeamCards(*events_.FindRecord("EV"), rounds_, players_, courses_, cards).ok());
  EXPECT_EQ(cards[0].PlayingHcpText(), "14");
  EXPECT_EQ(TeamDisplayName(cards[0].Members, players_), "Ash & Birch");
  EXPECT_EQ(TeamDisplayName(Team{{"A", "X"}, ""}, players_), "Ann Ash / X");
}

TEST_F(TeamEventTest, RecalcLeavesAnEventWithAnUnknownMemberAndListsItsTeam) {
  testing::TempDir dir;
  rounds_.LoadFromText("R.DAT", Card("A", 10, kFours) + Card("B", 20, kFours));
  const std::string file =
      "[E2]\r\nID=E2\r\nType=0\r\nMake=1\r\nFormat=fourball\r\nTeam1=A,B\r\nTeam2=C,X\r\n"
      "1=1;99;old\r\n[EV]\r\nID=EV\r\nType=0\r\nMake=1\r\nFormat=fourball\r\nTeam1=A,B\r\n";
  events_.LoadFromFile(dir.Write("E.DAT", file));
  const BatchReport report = RecalcAllEvents(database_, dir.File("E.DAT"));
  EXPECT_THAT(
      report.Messages(),
      ElementsAre(dir.File("E.DAT") + ": unknown player ID X: Team2=C,X (E2 left as it was)"));
  EXPECT_THAT(events_.FindRecord("E2")->Results, ElementsAre("1;99;old"));
  EXPECT_THAT(dir.Read("E.DAT"), HasSubstr("1=1;99;old\r\n"));
  EXPECT_THAT(dir.Read("E.DAT"), HasSubstr("Team1=A,B\r\n1=1;72;A+B;"));
}

TEST_F(TeamEventTest, ATourCreditsEveryMemberWithTheTeamsPlace) {
  rounds_.LoadFromText("R.DAT", Card("A", 10, kFours) + Card("B", 20, kFours) +
                                    Card("C", 10, "5,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4") +
                                    Card("D", 20, "5,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4"));
  LoadEvent("Type=0\r\nFormat=fourball\r\nTeam1=C,D\r\nTeam2=A,B\r\n");
  Calc();
  tours_.LoadFromText("T.DAT", "[T]\r\nID=T\r\nType=3\r\nEvents=EV\r\n");
  Tour& tour = *tours_.FindRecord("T");
  CalcTour(tour, database_);
  std::vector<std::string> lines;
  for (const StandingLine& line : tour.Standings)
    lines.push_back(line.Text);
  // F1 points: 25 for the winning pair, 20 for the second.
  EXPECT_THAT(lines, ElementsAre("1;25;1;B;=", "1;25;1;A;=", "3;20;1;D;=", "3;20;1;C;="));
}

}  // namespace
}  // namespace cardwise
