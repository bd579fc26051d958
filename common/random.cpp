#include "common/random.h"

#include <atomic>
#include <chrono>

namespace common {

namespace {

// A strong 64-bit mix, so that nearby clock readings give unrelated seeds.
std::uint64_t mixed(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// The clock, mixed with a count of readings so two readings in one clock tick still differ.
std::uint64_t clockSeed() {
  static std::atomic<std::uint64_t> readings{0};
  const auto now =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  const auto steady =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return mixed(now ^ mixed(steady ^ mixed(readings.fetch_add(1) + 1)));
}

}  // namespace

Random::Random() : state_(clockSeed()) {}

Random::Random(std::uint64_t seed) : state_(seed) {}

std::uint64_t Random::draw64() {
  // mixed() steps the counter's value by the golden ratio before mixing it.
  const std::uint64_t value = mixed(state_);
  state_ += 0x9E3779B97F4A7C15ull;
  return value;
}

double Random::next() {
  // The top 53 bits as a fraction: every value a multiple of 2^-53, never 1.
  return static_cast<double>(draw64() >> 11) * 0x1.0p-53;
}

int Random::below(int n) {
  if (n <= 0) return 0;
  // Multiply and keep the high half, rejecting the few draws that would favour small results.
  const auto range = static_cast<std::uint64_t>(n);
  unsigned __int128 product = static_cast<unsigned __int128>(draw64()) * range;
  auto low = static_cast<std::uint64_t>(product);
  if (low < range) {
    const std::uint64_t threshold = (0 - range) % range;
    while (low < threshold) {
      product = static_cast<unsigned __int128>(draw64()) * range;
      low = static_cast<std::uint64_t>(product);
    }
  }
  return static_cast<int>(product >> 64);
}

void Random::reseedFromClock() { state_ ^= clockSeed(); }

void Random::seed(std::uint64_t seed) { state_ = seed; }

}  // namespace common
