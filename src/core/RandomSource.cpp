#include "core/RandomSource.h"

#include <chrono>

namespace varelo {

namespace {
// SplitMix64 (Steele, Lea, Flood 2014): one addition and a fixed mix per value.
constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

constexpr std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

RandomSource::RandomSource() { ReseedFromClock(); }

void RandomSource::ReseedFromClock() {
  if (pinnedClock_) {
    state_ = Mix(*pinnedClock_ ^ Mix(++reseeds_ * kGolden));
    return;
  }
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  // The reseed counter keeps two re-seeds within one clock tick apart.
  state_ = Mix(static_cast<std::uint64_t>(ticks) ^ Mix(static_cast<std::uint64_t>(wall)) ^ Mix(++reseeds_ * kGolden));
}

void RandomSource::Reseed(std::int64_t seed) { state_ = Mix(static_cast<std::uint64_t>(seed)); }

std::uint64_t RandomSource::NextRaw() {
  state_ += kGolden;
  return Mix(state_);
}

double RandomSource::Next() { return static_cast<double>(NextRaw() >> 11) * 0x1.0p-53; }

float RandomSource::NextSingle() { return static_cast<float>(NextRaw() >> 40) * 0x1.0p-24f; }

int RandomSource::NextBelow(int bound) { return static_cast<int>(Next() * bound); }

}  // namespace varelo
