#pragma once
// The resize rules of the main window: every position is computed from the
// window's size, the combination order and the clock, and written into the
// control model, which the widgets render. Nothing here is laid out by a
// toolkit, so the rules are testable without a window.

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
inline constexpr int kIconSize = 480;      // Imgcol, Imgcle, Imgpt: 32 x 32 pixels
inline constexpr int kTimeBarTop = 15;     // Picture1 inside PicTop
inline constexpr int kTimeBarHeight = 225;
inline constexpr int kClockDigitsWidth = 240;  // LblTime(0), LblTime(2)
inline constexpr int kClockColonWidth = 120;   // LblTime(1)
// The window's design size, from which the start screen's proportions come.
inline constexpr int kDesignWidth = 11600;
inline constexpr int kDesignHeight = 8700;
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
  int comboOrder = 0;       // 0, 2 or 3
  bool corrected = false;   // "win7修正" is "yes"
  bool noticeShown = false; // the start screen's entry 2 serves as a notice
};

// The whole resize handler except painting the background: top bar, clock,
// hint line, tool icons, buttons, pointer, grid containers and start screen.
void ApplyResize(Controls& controls, const WindowSizes& sizes, const LayoutContext& context);

// Step 10 alone: the grid containers of the given order.
void PlaceGrids(Controls& controls, const WindowSizes& sizes, int comboOrder);

}  // namespace varelo
