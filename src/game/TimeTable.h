#pragma once
// Difficulties and their time limits. The limit depends on the difficulty
// and the order; the order-3 column does not grow from the order-2 column
// for the two harder difficulties.

#include <QString>

#include <optional>

#include "model/GameState.h"

namespace varelo {

// The clock a game of difficulty `nd` (1..4) and board order (0 or 1 for a
// single grid, 2, 3) starts with; none when `nd` is not a difficulty.
std::optional<ClockFace> ClockFaceFor(int nd, int order);

// The difficulty and its clock for an order; an `nd` outside 1..4 leaves
// both as they were.
void ShowDifficulty(GameState& state, int nd, int order);

}  // namespace varelo
