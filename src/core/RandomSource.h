#pragma once
// The program's single uniform generator on [0, 1).
//
// Values are derived from the raw 64-bit state with fixed arithmetic, so a
// given seed yields the same sequence with every compiler and standard
// library. Mission levels rely on that: re-seeding with -N must give the same
// first value on every machine, because it picks the level's givens.

#include <cstdint>
#include <optional>

namespace varelo {

class RandomSource {
 public:
  RandomSource();  // seeded from the clock

  // Re-seed from the clock. Consecutive calls never give the same seed, even
  // within one tick of the clock.
  void ReseedFromClock();

  // Re-seed reproducibly. Any integer works; the game uses negative numbers.
  void Reseed(std::int64_t seed);

  // From now on ReseedFromClock() takes this fixed value in place of the
  // clock, so a whole session can be replayed exactly (the random-play test).
  void PinClock(std::uint64_t clock) { pinnedClock_ = clock; }

  // Uniform on [0, 1) with 53 random bits.
  double Next();

  // Uniform on [0, 1) with 24 random bits: exact in single precision, so the
  // value never rounds up to 1.0f.
  float NextSingle();

  // A whole number in [0, bound), for bound >= 1.
  int NextBelow(int bound);

 private:
  std::uint64_t NextRaw();

  std::uint64_t state_ = 0;
  std::uint64_t reseeds_ = 0;
  std::optional<std::uint64_t> pinnedClock_;
};

}  // namespace varelo
