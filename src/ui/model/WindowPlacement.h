#pragma once
// Where the main window opens and what it remembers when it closes: state,
// outer size and position in the keys "st", "lf", "tp", "wi", "he" (twips).

#include <QRect>
#include <QSize>

#include <optional>

namespace varelo {

class SettingsStore;

struct StartPlacement {
  bool maximised = false;
  std::optional<int> width;  // outer size, twips
  std::optional<int> height;
  std::optional<int> left;   // outer position, twips
  std::optional<int> top;
};

// The start-up rules: a window that does not fit the screen, or a stored
// state other than 0, opens maximised; a stored size counts only from
// 8250 x 7950 up; a stored position only in the normal state.
StartPlacement PlanStartPlacement(const SettingsStore& settings, bool fitsScreen);

// A stored geometry no screen can hold (a damaged or hand-edited store) must
// not lose the window: a size larger than the screen is cut to the screen,
// and a stored edge that would leave no part of the window on the screen is
// not applied. `screen` is the available area and `current` the window's
// size before the plan, both in twips; an empty `screen` changes nothing.
StartPlacement KeepOnScreen(StartPlacement plan, const QRect& screen, const QSize& current);

enum class ShownState { Normal, Minimised, Maximised };

struct OuterGeometry {
  int left = 0;  // twips
  int top = 0;
  int width = 0;
  int height = 0;
};

// The close rules: maximised saves only "st" = "2", minimised saves nothing,
// normal saves the geometry and "st" = "0".
void SaveClosingPlacement(SettingsStore& settings, ShownState state, const OuterGeometry& geometry);

}  // namespace varelo
