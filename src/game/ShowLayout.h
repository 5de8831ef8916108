#pragma once
// ShowOrder2Layout / ShowOrder3Layout, and the single grid's counterpart:
// paint the shared corners, start the cursor glide of each grid in play and
// show its container. A game start and solve mode share it.

namespace varelo {

class Board;
class Controls;
class Cursors;

void ShowLayout(Board& board, Controls& controls, Cursors& cursors);

}  // namespace varelo
