#include "core/ColourHint.h"

#include <algorithm>
#include <cmath>

#include "core/Board.h"
#include "core/RandomSource.h"
#include "core/RuleChecks.h"
#include "settings/SettingsStore.h"

namespace varelo {

ColourHint::ColourHint(Board& board, RuleChecks& checks, RandomSource& random, const SettingsStore& settings)
    : board_(board), checks_(checks), random_(random), settings_(settings) {}

bool ColourHint::HintShown() const {
  if (board_.inSolveMode() || board_.comboOrder() > 0) return false;
  return settings_.preferences().colourHint;
}

void ColourHint::RefreshHints() {
  if (!HintShown()) return board_.setShadesShown(false);
  for (int n = 1; n <= kCellsPerGrid; ++n) {
    if (board_.digit(0, n) != 0 || board_.isFixed(0, n)) {
      board_.setShade(n, colours::kWhite);
      continue;
    }
    const int count = checks_.CountCandidates(n);
    const int cached = board_.candidateCache(n);
    if (cached != count || cached == Board::kCacheNewPuzzle) {
      PickHintColour(n, count);
      board_.setCandidateCache(n, count);
    }
  }
  board_.setShadesShown(true);
}

// One channel for count c: (trunc(30 r) + 30 (c - 1) + 50) * f, rounded to the
// nearest integer with halves to even, at most 255.
int ColourHint::Channel(int count, double factor) {
  const double base = std::trunc(30.0 * random_.Next()) + 30.0 * (count - 1) + 50.0;
  const double value = std::nearbyint(base * factor);  // default rounding: half to even
  return static_cast<int>(std::min(value, 255.0));
}

void ColourHint::PickHintColour(int n, int count) {
  // Both draws are made on every call, whatever the count.
  const int channels = static_cast<int>(2.0 * random_.Next()) + 1;
  const int hue = static_cast<int>(3.0 * random_.Next()) + 1;
  if (count == 0) return board_.setShade(n, colours::kWhite);
  if (count == 1) return board_.setShade(n, colours::kBlack);

  auto channel = [this, count](double factor) { return static_cast<std::uint8_t>(Channel(count, factor)); };
  Rgb colour;
  if (channels == 1) {
    const std::uint8_t v = channel(1.2);
    colour = hue == 1 ? Rgb{v, 0, 0} : hue == 2 ? Rgb{0, v, 0} : Rgb{0, 0, v};
  } else {
    const std::uint8_t v1 = channel(1.1);
    const std::uint8_t v2 = channel(1.1);
    colour = hue == 1 ? Rgb{0, v1, v2} : hue == 2 ? Rgb{v1, 0, v2} : Rgb{v1, v2, 0};
  }
  board_.setShade(n, colour);
}

}  // namespace varelo
