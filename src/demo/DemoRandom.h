// The generator's own pseudo-random sequence (SplitMix64). The standard
// library's distributions differ between implementations; this one gives
// the same numbers everywhere, so a seed always makes the same database.
#pragma once

#include <cstdint>
#include <vector>

namespace promocionesQEX::demo {

class DemoRandom {
 public:
  explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // 0 .. count - 1; count must be positive.
  int below(int count) {
    return static_cast<int>(next() % static_cast<std::uint64_t>(count));
  }

  // low .. high, both included.
  int between(int low, int high) { return low + below(high - low + 1); }

  bool chance(int percent) { return below(100) < percent; }

  template <typename T>
  const T& pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(
        below(static_cast<int>(items.size())))];
  }

 private:
  std::uint64_t state_;
};

}  // namespace promocionesQEX::demo
