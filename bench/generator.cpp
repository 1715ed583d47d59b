#include "generator.h"

#include <algorithm>
#include <random>
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

}  // namespace cardwise::bench
