// The program's random numbers.

#include "common/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using common::Random;

std::vector<double> draws(Random& random, int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(random.next());
  return values;
}

TEST(Random, AFixedSeedGivesAFixedSequence) {
  Random a(12345), b(12345), c(54321);
  const auto first = draws(a, 50);
  EXPECT_EQ(first, draws(b, 50));
  EXPECT_NE(first, draws(c, 50));
  a.seed(12345);
  EXPECT_EQ(draws(a, 50), first);
}

TEST(Random, DrawsStayInRangeAndSpreadOverIt) {
  Random random(7);
  int buckets[10] = {};
  for (int i = 0; i < 20000; ++i) {
    const double x = random.next();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    ++buckets[static_cast<int>(x * 10)];
  }
  for (int count : buckets) EXPECT_NEAR(count, 2000, 300);

  const struct {
    int n, highest;
  } cases[] = {{1, 0}, {2, 1}, {12, 11}, {1000, 999}, {0, 0}, {-5, 0}};
  for (const auto& c : cases) {
    bool sawHighest = false, sawZero = false;
    for (int i = 0; i < 20000; ++i) {
      const int k = random.below(c.n);
      ASSERT_GE(k, 0) << c.n;
      ASSERT_LE(k, c.highest) << c.n;
      sawHighest |= k == c.highest;
      sawZero |= k == 0;
    }
    EXPECT_TRUE(sawHighest && sawZero) << c.n;
  }
}

TEST(Random, ClockSeedsDifferEvenWithinOneTick) {
  Random a, b;
  EXPECT_NE(draws(a, 4), draws(b, 4));
}

TEST(Random, ReseedingFromTheClockDoesNotRestartTheSequence) {
  Random plain(99), reseeded(99);
  const auto before = draws(plain, 10);
  EXPECT_EQ(draws(reseeded, 10), before);
  reseeded.reseedFromClock();
  const auto after = draws(reseeded, 10);
  EXPECT_NE(after, draws(plain, 10));
  Random fresh(99);
  EXPECT_NE(after, draws(fresh, 10));  // not back at the start of the seed's sequence
}

}  // namespace
