// The program's generator: reproducible negative seeds, values in [0, 1),
// fresh clock seeds.

#include <gtest/gtest.h>

#include <set>

#include "core/RandomSource.h"

namespace varelo {
namespace {

TEST(RandomSource, ANegativeSeedAlwaysGivesTheSameFirstValue) {
  RandomSource a;
  RandomSource b;
  for (int level = 1; level <= 50; ++level) {
    a.ReseedFromClock();
    a.Next();  // whatever came before the re-seed does not matter
    a.Reseed(-level);
    b.Reseed(-level);
    EXPECT_EQ(a.NextSingle(), b.NextSingle()) << level;
  }
  // The values are pinned: the givens of mission levels 1..50 depend on them,
  // on every machine and with every compiler.
  a.Reseed(-1);
  EXPECT_EQ(a.NextSingle(), 0.646354198f);
  a.Reseed(-50);
  EXPECT_EQ(a.NextSingle(), 0.153905928f);
}

TEST(RandomSource, DifferentSeedsGiveDifferentStreams) {
  RandomSource r;
  std::set<float> firsts;
  for (int level = 1; level <= 1999; ++level) {
    r.Reseed(-level);
    firsts.insert(r.NextSingle());
  }
  EXPECT_GT(firsts.size(), 1990u);
}

TEST(RandomSource, ValuesStayInTheUnitIntervalAndSpreadEvenly) {
  RandomSource r;
  r.Reseed(-3);
  int buckets[10] = {};
  double sum = 0;
  constexpr int kDraws = 200000;
  for (int i = 0; i < kDraws; ++i) {
    const double x = r.Next();
    const float y = r.NextSingle();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    ASSERT_GE(y, 0.0f);
    ASSERT_LT(y, 1.0f);
    sum += x;
    buckets[r.NextBelow(10)]++;
  }
  EXPECT_NEAR(sum / kDraws, 0.5, 0.005);
  for (int b : buckets) EXPECT_NEAR(b, kDraws / 10, kDraws / 100);
}

TEST(RandomSource, ClockReseedsNeverRepeat) {
  // Re-seeding before each draw must not freeze the stream within one tick.
  RandomSource r;
  std::set<double> values;
  for (int i = 0; i < 1000; ++i) {
    r.ReseedFromClock();
    values.insert(r.Next());
  }
  EXPECT_EQ(values.size(), 1000u);
}

}  // namespace
}  // namespace varelo
