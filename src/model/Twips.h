#pragma once
// Every position and size of the window is kept in twips; screen pixels
// convert here and nowhere else, at a fixed 15 twips per logical pixel. Qt's
// device-pixel ratio then maps logical pixels to the screen, so a 2x screen
// shows the same layout, only sharper.

#include <cmath>

namespace varelo {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero, so a twip position
// and its negative land symmetrically.
constexpr int ToPixels(double twips) {
  const double pixels = twips / kTwipsPerPixel;
  return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// A rectangle in twips; `contains` is closed on all four edges, as the hit
// test of the cursor glide wants it.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int right() const { return left + width; }
  constexpr int bottom() const { return top + height; }
  constexpr bool contains(int x, int y) const { return x >= left && x <= right() && y >= top && y <= bottom(); }
  constexpr TwipRect translated(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
  constexpr bool operator==(const TwipRect&) const = default;
};

struct TwipLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  constexpr bool operator==(const TwipLine&) const = default;
};

}  // namespace varelo
