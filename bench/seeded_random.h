#pragma once
// The random source of the database generator. The engine's sequence is fixed by the language
// standard, but the standard distributions are not, so the draws are made here by plain
// arithmetic: the same seed gives the same database with any standard library.

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace cardwise::bench {

class SeededRandom {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}

  std::uint32_t Next() { return static_cast<std::uint32_t>(engine_()); }

  // A whole number from low to high, both included (low when high is below low).
  int Uniform(int low, int high) {
    if (high <= low) return low;
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<int>(Next() % span);
  }
  double Real() { return Next() / 4294967296.0; }  // [0, 1)
  bool Chance(double p) { return Real() < p; }

  // Nearly normal: the sum of four uniform draws, scaled to unit variance.
  double Normal(double mean, double deviation) {
    const double sum = Real() + Real() + Real() + Real();
    return mean + (sum - 2.0) * 1.7320508075688772 * deviation;
  }

  // Exponentially distributed with the given mean.
  double Exponential(double mean) { return -std::log(1.0 - Real()) * mean; }

  // An index drawn with the given weights (all at least 0, not all 0).
  int Weighted(const std::vector<double>& weights) {
    double total = 0;
    for (double w : weights)
      total += w;
    double r = Real() * total;
    for (std::size_t i = 0; i < weights.size(); ++i) {
      if (r < weights[i]) return static_cast<int>(i);
      r -= weights[i];
    }
    return static_cast<int>(weights.size()) - 1;
  }

  template <class T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i)
      std::swap(items[i - 1], items[static_cast<std::size_t>(Uniform(0, static_cast<int>(i) - 1))]);
  }

 private:
  std::mt19937 engine_;
};

}  // namespace cardwise::bench
