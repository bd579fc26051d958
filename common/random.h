#pragma once
// The program's one source of random numbers: uniform draws in [0, 1).

#include <cstdint>

namespace common {

class Random {
 public:
  Random();                             // seeded from the clock
  explicit Random(std::uint64_t seed);  // fixed sequence, for tests
  double next();                        // uniform in [0, 1)
  int below(int n);                     // uniform whole number in [0, n); 0 when n <= 0
  void reseedFromClock();               // mixes the clock into the state; does not restart it
  void seed(std::uint64_t seed);        // restarts a fixed sequence

 private:
  std::uint64_t draw64();  // the next 64 random bits
  // A counter stepped by a fixed odd amount and mixed on the way out: a re-seed is one XOR, so
  // re-seeding before every draw of a large roster costs next to nothing.
  std::uint64_t state_ = 0;
};

}  // namespace common
