#pragma once
// Where the main window opens and what it remembers when it closes: state,
// outer size and position in the keys "st", "lf", "tp", "wi", "he" (twips).

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

namespace varelo {

class SettingsStore;

struct StartPlacement {
  bool maximised = false;
  std::optional<int> width;  // outer size, twips
  std::optional<int> height;
  std::optional<int> left;  // outer position, twips
  std::optional<int> top;
};

// The start-up rules: a window that does not fit the screen, or a stored
// state other than 0, opens maximised; a stored size counts only from
// 8250 x 7950 up; a stored position only in the normal state.
StartPlacement PlanStartPlacement(const SettingsStore& settings, bool fitsScreen);

// The window's outer rectangle moved, and cut where it is larger, so that
// it lies wholly on the screen that holds most of it, or in the middle of
// the first screen when none holds any of it: no title bar or border out of
// reach, whatever the store held. `screens` are the screens' available areas.
QRect WhollyOnScreen(const QRect& window, const QList<QRect>& screens);

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
