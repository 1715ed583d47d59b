#include "generator.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string_view>
#include <vector>

namespace cardwise::bench {

namespace {

const char* const kFirst[] = {"Anna", "Bo",    "Carl", "Dora", "Erik",   "Frida", "Gustav", "Hanna",
                              "Ivar", "Julia", "Karl", "Lena", "Magnus", "Nora",  "Olof",   "Petra",
                              "Rolf", "Sara",  "Tor",  "Ulla", "Viktor", "Wilma"};
const char* const kLast[] = {"Andersson", "Berg",  "Carlsson", "Dahl",     "Ek",
                             "Falk",      "Gran",  "Holm",     "Isaksson", "Jansson",
                             "Karlsson",  "Lind",  "Moberg",   "Nyberg",   "Olsson",
                             "Persson",   "Quist", "Rask",     "Sandberg"};
const char* const kClubs[] = {"Mill Brook GC", "Harbour Links", "Pine Valley Club", "Old Quarry GK",
                              "Northfield"};

template <class T, std::size_t N>
const T& Pick(const T (&items)[N], std::mt19937& random) {
  return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

std::string PlayerSection(int number, std::mt19937& random) {
  const std::string first = Pick(kFirst, random);
  const std::string last = Pick(kLast, random);
  const std::string id = first.substr(0, 1) + last.substr(0, 1) + std::to_string(number);
  std::string text = "[" + id + "]\r\nID=" + id + "\r\nPlayer=" + first + " " + last + "\r\n";
  const int tenths = std::uniform_int_distribution<int>(-30, 540)(random);
  if (tenths != 0) {
    char hcp[16];
    std::snprintf(hcp, sizeof hcp, "%2.1f", tenths / 10.0);
    text += "Hcp=" + std::string(hcp) + "\r\n";
  }
  if (number % 3 == 0) text += "Phone=555 " + std::to_string(1000 + number % 9000) + "\r\n";
  text += "Club=" + std::string(Pick(kClubs, random)) + "\r\n";
  if (number % 2 == 0) text += "Email=" + id + "@example.org\r\n";
  return text;
}

}  // namespace

std::string GeneratePlayersFile(int count, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<int> numbers(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    numbers[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(numbers.begin(), numbers.end(), random);
  std::string text;
  for (int number : numbers)
    text += PlayerSection(number, random);
  return text;
}

namespace {

using Card = std::array<int, 18>;

struct Course {
  std::string ID, Name;
  double CR = 0, Slope = 0;
  Card Par{}, Index{}, Len{};
};

struct Golfer {
  std::string ID, Name;
  double Hcp = 0;
  int Club = 0;  // the home course
};

const char* const kCourseIDs[] = {"MILLBGC", "HARBL", "PINEVC", "OLDQGC", "NORTGAC"};
const char* const kCourseNames[] = {"Mill Brook Golf Club", "Harbour Links", "Pine Valley Club",
                                    "Old Quarry Golf Course", "Northfield Golf and Country Club"};
const char* const kEvents[] = {"Monthly Medal", "Spring Cup", "Club Championship", "Seniors Open",
                               "Autumn Foursomes"};
const char* const kNotes[] = {"B", "W", "OB", "3P", "D", "S"};

int Uniform(int low, int high, std::mt19937& random) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

bool Chance(double p, std::mt19937& random) {
  return std::bernoulli_distribution(p)(random);
}

int HoleLength(int par, std::mt19937& random) {
  if (par == 3) return Uniform(110, 205, random);
  return par == 4 ? Uniform(290, 430, random) : Uniform(440, 545, random);
}

// A par-72 card: each nine holds five par 4s, two par 3s and two par 5s in random order; the
// odd stroke indexes go out, the even ones come in.
Course MakeCourse(int number, std::mt19937& random) {
  Course course;
  course.ID = kCourseIDs[number];
  course.Name = kCourseNames[number];
  for (int nine = 0; nine < 2; ++nine) {
    std::array<int, 9> pars = {4, 4, 4, 4, 4, 3, 3, 5, 5};
    std::array<int, 9> indexes = {1, 3, 5, 7, 9, 11, 13, 15, 17};
    std::shuffle(pars.begin(), pars.end(), random);
    std::shuffle(indexes.begin(), indexes.end(), random);
    for (int i = 0; i < 9; ++i) {
      const std::size_t hole = static_cast<std::size_t>(nine * 9 + i);
      course.Par[hole] = pars[static_cast<std::size_t>(i)];
      course.Index[hole] = indexes[static_cast<std::size_t>(i)] + nine;
      course.Len[hole] = HoleLength(course.Par[hole], random);
    }
  }
  course.CR = 69 + Uniform(0, 40, random) / 10.0;
  course.Slope = Uniform(115, 140, random);
  return course;
}

std::vector<Golfer> MakeGolfers(int count, std::mt19937& random) {
  std::vector<Golfer> golfers(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    Golfer& golfer = golfers[static_cast<std::size_t>(i)];
    const std::string first = Pick(kFirst, random);
    const std::string last = Pick(kLast, random);
    golfer.Name = first + " " + last;
    golfer.ID = first.substr(0, 1) + last.substr(0, 1) + std::to_string(i + 1);
    golfer.Hcp = Uniform(0, 360, random) / 10.0;
    golfer.Club = i % static_cast<int>(std::size(kCourseIDs));
  }
  return golfers;
}

void AddLine(std::string& text, std::string_view key, std::string_view value) {
  text.append(key).append("=").append(value).append("\r\n");
}

// Holes up to the last non-zero one joined by ","; empty when every hole is 0.
std::string HoleList(const Card& card) {
  std::size_t last = card.size();
  while (last > 0 && card[last - 1] == 0)
    --last;
  std::string text;
  for (std::size_t i = 0; i < last; ++i)
    text.append(i > 0 ? "," : "").append(std::to_string(card[i]));
  return text;
}

int Sum(const Card& card) {
  int sum = 0;
  for (int value : card)
    sum += value;
  return sum;
}

std::string OneDecimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%2.1f", value);
  return text;
}

// One player's card on one course: strokes around par by handicap, putts, greens in
// regulation and fairways hit off the tee of the par 4s and 5s.
struct Play {
  Card Score{}, Putts{}, Greens{}, Fairways{};
};

Play PlayCard(const Course& course, double hcp, std::mt19937& random) {
  Play play;
  std::normal_distribution<double> over(hcp / 18 + 0.2, 0.9);
  for (std::size_t h = 0; h < play.Score.size(); ++h) {
    const int par = course.Par[h];
    play.Score[h] =
        std::max(1, par + std::clamp(static_cast<int>(std::lround(over(random))), -2, 6));
    const int r = Uniform(1, 20, random);
    play.Putts[h] = std::clamp(r <= 3 ? 1 : r <= 16 ? 2 : 3, 1, std::max(1, play.Score[h] - 1));
    play.Greens[h] = play.Score[h] - play.Putts[h] <= par - 2 ? 1 : 0;
    play.Fairways[h] = par > 3 && Chance(0.6 - hcp / 100, random) ? 1 : 0;
  }
  return play;
}

std::string Notes(std::mt19937& random) {
  std::string text;
  for (int h = 0; h < 18; ++h) {
    if (h > 0) text += ';';
    if (Chance(0.2, random)) text += Pick(kNotes, random);
  }
  return text;
}

struct Day {
  std::chrono::year_month_day Date;
  bool Competition = false;
};

std::string DateText(const std::chrono::year_month_day& date, const char* pattern) {
  char text[16];
  std::snprintf(text, sizeof text, pattern, static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

void AddEvent(std::string& text, const Day& day, const Course& course, int club) {
  if (!day.Competition) return;
  const std::string yymmdd = DateText(day.Date, "%04d%02u%02u").substr(2);
  AddLine(text, "EventID", course.ID.substr(0, 4) + yymmdd);
  if (club == 0 && static_cast<unsigned>(day.Date.day()) <= 7) AddLine(text, "EventIDs", "MERIT");
  AddLine(text, "Event", kEvents[club]);
}

// The card's key lines: most cards have putts, and most of those greens and fairways too.
void AddCard(std::string& text, const Course& course, const Play& play, std::mt19937& random) {
  const bool putts = Chance(0.85, random);
  const bool detail = putts && Chance(0.9, random);
  AddLine(text, "Score", HoleList(play.Score));
  if (detail && Sum(play.Greens) > 0) AddLine(text, "Greens", HoleList(play.Greens));
  if (detail && Sum(play.Fairways) > 0) AddLine(text, "Fairways", HoleList(play.Fairways));
  if (putts) AddLine(text, "Putts", HoleList(play.Putts));
  AddLine(text, "CPar", HoleList(course.Par));
  AddLine(text, "CHcp", HoleList(course.Index));
  AddLine(text, "CLen", HoleList(course.Len));
  if (Chance(0.15, random)) {
    if (const std::string notes = Notes(random); notes != std::string(17, ';'))
      AddLine(text, "Stats", notes);
  }
  if (detail && Sum(play.Greens) > 0)
    AddLine(text, "TotalGreens", std::to_string(Sum(play.Greens)));
  if (detail && Sum(play.Fairways) > 0)
    AddLine(text, "TotalFairways", std::to_string(Sum(play.Fairways)));
  // A third of the cards without putts per hole still have the total.
  if (putts || Chance(0.35, random)) AddLine(text, "TotalPutts", std::to_string(Sum(play.Putts)));
}

std::string RoundSection(const Golfer& golfer, const Course& course, int club, const Day& day,
                         int teeMinutes, std::mt19937& random) {
  char start[16];
  std::snprintf(start, sizeof start, "%02d:%02d:00", teeMinutes / 60, teeMinutes % 60);
  const std::string id = DateText(day.Date, "%04d%02u%02u").substr(2) + "-" +
                         std::string(start, 2) + std::string(start + 3, 2) + "-" + golfer.ID;
  std::string text = "[" + id + "]\r\n";
  AddLine(text, "ID", id);
  AddLine(text, "PlayerID", golfer.ID);
  AddLine(text, "Player", golfer.Name);
  AddLine(text, "CourseID", course.ID);
  AddLine(text, "Course", course.Name);
  AddEvent(text, day, course, club);
  const double hcp = std::max(0.0, golfer.Hcp + Uniform(-15, 15, random) / 10.0);
  int strokes = static_cast<int>(std::lround(hcp * course.Slope / 113 + course.CR - 72));
  // A card saved without strokes gets the handicap rounded (half to even) as its strokes.
  if (strokes == 0) strokes = static_cast<int>(std::nearbyint(std::round(hcp * 10) / 10));
  if (hcp != 0) AddLine(text, "Hcp", OneDecimal(hcp));
  if (strokes != 0) AddLine(text, "Strokes", std::to_string(strokes));
  AddLine(text, "Date", DateText(day.Date, "%04d-%02u-%02u"));
  AddLine(text, "Start", start);
  AddCard(text, course, PlayCard(course, hcp, random), random);
  return text;
}

}  // namespace

std::string GenerateRoundsFile(int count, std::uint32_t seed) {
  std::mt19937 random(seed);
  const int clubs = static_cast<int>(std::size(kCourseIDs));
  std::vector<Course> courses;
  for (int i = 0; i < clubs; ++i)
    courses.push_back(MakeCourse(i, random));
  const std::vector<Golfer> golfers = MakeGolfers(std::max(40, count / 50), random);
  const int perDay = std::max(1, count / 4400);

  std::string text;
  std::chrono::sys_days date = std::chrono::year(2012) / 4 / 1;
  for (int made = 0; made < count; date += std::chrono::days(1)) {
    const Day day{std::chrono::year_month_day(date), Chance(0.35, random)};
    const int today = std::min(count - made, Uniform(perDay / 2, perDay * 3 / 2, random));
    // Groups of up to four from one club, every ten minutes from 08:00.
    for (int group = 0; group * 4 < today; ++group) {
      const int club = Uniform(0, clubs - 1, random);
      const int course = Chance(0.85, random) ? club : Uniform(0, clubs - 1, random);
      std::vector<std::size_t> players;
      while (static_cast<int>(players.size()) < std::min(4, today - group * 4)) {
        const std::size_t pick = static_cast<std::size_t>(
            Uniform(0, static_cast<int>(golfers.size()) / clubs - 1, random) * clubs + club);
        if (std::find(players.begin(), players.end(), pick) == players.end())
          players.push_back(pick);
      }
      // The order SaveToFile writes: by ID, so by player ID within one tee time.
      std::sort(players.begin(), players.end(),
                [&](std::size_t a, std::size_t b) { return golfers[a].ID < golfers[b].ID; });
      for (std::size_t p : players)
        text += RoundSection(golfers[p], courses[static_cast<std::size_t>(course)], club, day,
                             8 * 60 + group * 10, random);
    }
    made += today;
  }
  return text;
}

}  // namespace cardwise::bench
