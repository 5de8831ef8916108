#include "game/ShowLayout.h"

#include "core/Board.h"
#include "model/Controls.h"
#include "model/Cursors.h"

namespace varelo {

void ShowLayout(Board& board, Controls& controls, Cursors& cursors) {
  const int order = board.comboOrder();
  if (order >= 2) {
    board.setBackground(1, 81, colours::kSharedCorner);
    board.setBackground(2, 1, colours::kSharedCorner);
  }
  if (order == 3) {
    board.setBackground(2, 9, colours::kSharedCorner);
    board.setBackground(3, 73, colours::kSharedCorner);
  }
  for (int grid : GridsInPlay(order)) {
    cursors.setTracking(grid, true);
    controls.setVisible(ctl::PicMis(grid), true);
  }
}

}  // namespace varelo
