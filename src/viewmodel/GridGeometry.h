#pragma once
// The geometry of one grid view in twips, in its container's coordinates:
// the 81 cell squares, the digit labels, the box and border lines. Grid 0
// (the main grid) has its own set of constants; grids 1-4 share another.
// Built once per view, so the views, the cursor glide and the tests all read
// the same numbers.

#include <array>
#include <utility>

#include "model/Twips.h"

namespace varelo {

enum class GridKind { Main, Further };

inline GridKind KindOfGrid(int grid) { return grid == 0 ? GridKind::Main : GridKind::Further; }

struct GridConstants {
  int containerWidth;
  int containerHeight;
  int squareSize;
  int labelWidth;
  int labelHeight;
  int digitPointSize;  // "Comic Sans MS", bold
  int labelBaseX;
  int labelBaseY;
  int squareOffsetX;
  int squareOffsetY;
  int squareColumnPitch, squareColumnPitchAtBox;
  int squareRowPitch, squareRowPitchAtBox;
  int labelColumnPitch, labelColumnPitchAtBox;
  int labelRowPitch, labelRowPitchAtBox;
  int boxLineOffsetA, boxLineOffsetB;
  int verticalLineOffset;
  int innerLineEnd, edgeLineEnd;
  int bottomEdgeOffset;
};

const GridConstants& ConstantsOf(GridKind kind);

// The two terms that shift every element sideways: B, one side of the main
// window's frame, and F, the frame correction ("win7修正").
inline constexpr int kFrameCorrection = 70;
// Qt knows no frame thickness before a window is first shown, and the grid
// views are built before that; the layout was drawn for a 4-pixel frame.
inline constexpr int kDesignFrameTerm = 60;

class GridGeometry {
 public:
  GridGeometry() = default;
  static GridGeometry Build(GridKind kind, int frameTerm, bool corrected);

  GridKind kind() const { return kind_; }
  const GridConstants& constants() const { return ConstantsOf(kind_); }
  int containerWidth() const { return constants().containerWidth; }
  int containerHeight() const { return constants().containerHeight; }

  // n = 1..81; index 0 is the template the others are laid out from.
  const TwipRect& square(int n) const { return squares_[n]; }
  const TwipRect& label(int n) const { return labels_[n]; }
  // Line1..Line4 box lines, Line5 left, Line6 right, Line7 top, Line8 bottom.
  const TwipLine& line(int i) const { return lines_[i]; }

  // What the view draws: the border lines with the board's dark margin of
  // two pixels around them, which also holds the box lines' width.
  TwipRect boardRect() const;

  // Strictly between the border lines (Line5 < x < Line6, Line7 < y < Line8).
  bool Inside(int x, int y) const;
  // The first square whose closed rectangle holds the point, else `current`
  // (the point lies in a gap between squares or outside).
  int HitTest(int x, int y, int current) const;
  // The conflict cross over square n: the middle two fifths, corner to corner.
  std::pair<TwipLine, TwipLine> CrossLines(int n) const;

 private:
  GridKind kind_ = GridKind::Main;
  std::array<TwipRect, 82> squares_{};
  std::array<TwipRect, 82> labels_{};
  std::array<TwipLine, 9> lines_{};
};

}  // namespace varelo
