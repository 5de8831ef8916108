#include "game/TimeTable.h"

namespace varelo {

std::optional<ClockFace> ClockFaceFor(int nd, int order) {
  if (nd < 1 || nd > 4) return std::nullopt;
  if (nd == 1) return ClockFace{std::nullopt, ClockSign::Infinity};

  static const int kMinutes[3][3] = {{10, 15, 20}, {7, 12, 10}, {5, 10, 6}};
  static const int kSeconds[3][3] = {{0, 0, 0}, {30, 30, 0}, {0, 0, 0}};
  const int column = order == 2 ? 1 : order == 3 ? 2 : 0;
  return ClockFace{60 * kMinutes[nd - 2][column] + kSeconds[nd - 2][column], ClockSign::Colon};
}

void ShowDifficulty(GameState& state, int nd, int order) {
  const auto face = ClockFaceFor(nd, order);
  if (!face) return;
  state.setDifficulty(nd);
  state.setClock(*face);
}

}  // namespace varelo
