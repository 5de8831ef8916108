// Random play in the real window: for each seed a stream of at least 20 000
// events across every mode, the invariants checked after each one. A failure
// names its seed and event; VARELO_RANDOM_PLAY_SEED (with
// VARELO_RANDOM_PLAY_EVENTS, VARELO_RANDOM_PLAY_TRACE=1 to list the events)
// replays it alone.

#include <iostream>
#include <vector>

#include "RandomPlayer.h"

namespace varelo::testing {
namespace {

constexpr int kEventsPerSeed = 20000;

std::vector<std::uint64_t> SeedsToPlay() {
  bool given = false;
  const auto seed = qEnvironmentVariable("VARELO_RANDOM_PLAY_SEED").toULongLong(&given);
  if (given) return {seed};
  return {1, 2, 3, 1999, 20240611, 86420};
}

int EventsToPlay() {
  bool given = false;
  const int events = qEnvironmentVariableIntValue("VARELO_RANDOM_PLAY_EVENTS", &given);
  return given && events > 0 ? events : kEventsPerSeed;
}

class RandomPlayTest : public RandomPlayer, public ::testing::WithParamInterface<std::uint64_t> {};

TEST_P(RandomPlayTest, KeepsEveryInvariant) {
  Start(GetParam());
  Play(EventsToPlay());
  std::cout << Summary().toStdString() << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlayTest, ::testing::ValuesIn(SeedsToPlay()));

}  // namespace
}  // namespace varelo::testing
