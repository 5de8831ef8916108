#pragma once
// The resize rules of the main window: every position is computed from the
// window's size, the combination order and the clock, and written into the
// control model, which the widgets render. Nothing here is laid out by a
// toolkit, so the rules are testable without a window.

#include "viewmodel/BoardFit.h"

namespace varelo {

class Controls;

// Fixed sizes of the laid-out controls, twips.
namespace metrics {
inline constexpr int kTopBarHeight = 255;  // PicTop
inline constexpr int kHintLineLeft = 120;  // Lbltishi
inline constexpr int kHintLineTop = 240;
inline constexpr int kHintLineHeight = 375;
inline constexpr int kButtonWidth = 1215;  // Command1..Command5
inline constexpr int kButtonHeight = 375;
inline constexpr int kIconSize = 480;   // Imgcol, Imgcle, Imgpt: 32 x 32 pixels
inline constexpr int kTimeBarTop = 15;  // Picture1 inside PicTop
inline constexpr int kTimeBarHeight = 225;
inline constexpr int kClockDigitsWidth = 240;  // LblTime(0), LblTime(2)
inline constexpr int kClockColonWidth = 120;   // LblTime(1)
// The window's first size, without its frame: every layout, in play and in
// solve mode, fits it at its full size (914 x 634 client pixels at least,
// with the menu bar above), with a margin, and it fits a 1366 x 768 screen
// with a panel. Smaller windows draw the grids smaller.
inline constexpr int kDesignWidth = 14100;
inline constexpr int kDesignHeight = 10200;
// Below this outer size the window cannot be dragged (550 x 530 pixels).
inline constexpr int kMinimumWidth = 8250;
inline constexpr int kMinimumHeight = 7950;
}  // namespace metrics

// W, H: the window's outer size; CW, CH: its client area. All twips.
struct WindowSizes {
  int width = metrics::kDesignWidth;
  int height = metrics::kDesignHeight;
  int clientWidth = metrics::kDesignWidth;
  int clientHeight = metrics::kDesignHeight;
};

struct LayoutContext {
  int comboOrder = 0;                            // 0, 2 or 3
  bool corrected = false;                        // "win7修正" is "yes"
  bool noticeShown = false;                      // the start screen's entry 2 serves as a notice
  GridExtents extents = GridExtents::Default();  // what the grids draw
};

// The whole resize handler except painting the background: top bar, clock,
// hint line, tool icons, buttons, pointer, grid containers and start screen.
// Returns the factor the grids are drawn at (1 when the window holds them).
double ApplyResize(Controls& controls, const WindowSizes& sizes, const LayoutContext& context);

// The grid containers of the given order alone, kept clear of the
// top bar and the controls at the right (laid out before); their factor.
double PlaceGrids(Controls& controls, const WindowSizes& sizes, int comboOrder,
                  const GridExtents& extents = GridExtents::Default());

}  // namespace varelo
