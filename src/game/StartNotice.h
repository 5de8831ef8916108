#pragma once
// The notice that borrows the start screen's third entry: "Loading..." while
// a game is set up and "Pause" while the Options dialog holds a game. The
// session says which notice shows (the start screen draws its caption);
// this object alone colours, places and gives the entry back, so a resize
// of the window, which lays the start screen out afresh, leaves it alone.

#include "model/Session.h"

namespace varelo {

class Controls;
class GameState;

class StartNotice {
 public:
  using Kind = Notice;

  StartNotice(Controls& controls, GameState& state) : controls_(controls), state_(state) {}

  // In the entry's own place.
  void ShowLoading();
  // Centred across the client area (twips), a third of the way down, or
  // higher where the Options dialog would cover it.
  void ShowPause(int clientWidth, int clientHeight);
  // The top of the dialog that holds the game, in client twips, and the
  // notice's height as drawn: the pause notice stays above the dialog until
  // it is hidden.
  void KeepPauseAbove(int top, int noticeHeight);
  // The entry goes back to the start screen: hidden, in its normal colour.
  void Hide();

  Kind kind() const;
  // After a resize: the pause notice stays centred.
  void FollowResize(int clientWidth, int clientHeight);

 private:
  static constexpr int kNoLimit = 1 << 30;
  static constexpr int kGapAboveDialog = 120;  // 8 pixels

  void Show(Kind kind);

  Controls& controls_;
  GameState& state_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int lowestTop_ = kNoLimit;
};

}  // namespace varelo
