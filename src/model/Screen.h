#pragma once
// The window drawn from the game value. Each function writes every control
// of one area from the Session alone, so any value shows the same whatever
// way play reached it; GameState runs them after each change of its value.
// Places, the hover light of the start entries and the time strip are not
// facts of the game and are drawn by the layout and their own parts.

namespace varelo {

class Controls;
struct Session;

// The mode, level, colour hint, difficulty and the clock.
void ShowTopBar(const Session& session, Controls& controls);
// The message line above the grids, in the player's chosen ink.
void ShowHintLine(const Session& session, Controls& controls);
// Restart or the four solve buttons, the writing tool and the eraser.
void ShowSideControls(const Session& session, Controls& controls);
// The containers of the grids in play.
void ShowGridContainers(const Session& session, Controls& controls);
// The entries, their open group, the level arrows and the notice.
void ShowStartScreen(const Session& session, Controls& controls);
// The game menu's items that a solve run or solve mode changes.
void ShowMenus(const Session& session, Controls& controls);

void ShowScreen(const Session& session, Controls& controls);

}  // namespace varelo
