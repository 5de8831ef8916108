#include "game/ShowLayout.h"

#include "core/Board.h"
#include "model/Cursors.h"
#include "model/GameState.h"

namespace varelo {

void ShowLayout(Board& board, GameState& state, Cursors& cursors) {
  const int order = board.comboOrder();
  if (order >= 2) {
    board.setBackground(1, 81, colours::kSharedCorner);
    board.setBackground(2, 1, colours::kSharedCorner);
  }
  if (order == 3) {
    board.setBackground(2, 9, colours::kSharedCorner);
    board.setBackground(3, 73, colours::kSharedCorner);
  }
  for (int grid : GridsInPlay(order)) cursors.setTracking(grid, true);
  state.setGameOn(true);
  state.setBoardShown(true);
}

void LeaveLayout(GameState& state, Cursors& cursors) {
  state.setGameOn(false);
  for (int grid = 0; grid < kGridCount; ++grid) cursors.setTracking(grid, false);
}

}  // namespace varelo
