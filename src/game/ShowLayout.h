#pragma once
// ShowOrder2Layout / ShowOrder3Layout, and the single grid's counterpart:
// paint the shared corners, start the cursor glide of each grid in play and
// draw the game. A game start and solve mode share it.

namespace varelo {

class Board;
class Cursors;
class GameState;

void ShowLayout(Board& board, GameState& state, Cursors& cursors);
// The game's grids leave play: no glide follows the pointer, nothing drawn.
void LeaveLayout(GameState& state, Cursors& cursors);

}  // namespace varelo
