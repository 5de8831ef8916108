#include "viewmodel/GridGeometry.h"

#include <cmath>

namespace varelo {

namespace {

constexpr GridConstants kMain{5890, 6190, 615, 435, 1005, 36,  15,  -175, -120, 225, 630, 705,
                              660,  750,  620, 710, 660,  750, 667, 665,  640,  620, 630, 650};
constexpr GridConstants kFurther{4700, 4810, 495, 435, 1005, 24,  150, -70, -120, 130, 500, 560,
                                 520,  550,  490, 580, 520,  560, 510, 510, 517,  510, 510, 500};

bool StartsBoxColumn(int n) { return n % 9 == 4 || n % 9 == 7; }
bool StartsBoxRow(int n) { return n == 28 || n == 55; }

// Lays out items 1..81 from the template at index 0: along a row from the
// previous item, a new row from the item above.
template <typename Rects>
void LayOutFromTemplate(Rects& rects, int columnPitch, int columnPitchAtBox, int rowPitch, int rowPitchAtBox) {
  for (int n = 1; n <= 81; ++n) {
    if (n % 9 == 1 && n > 9) {
      rects[n] = rects[n - 9];
      rects[n].top += StartsBoxRow(n) ? rowPitchAtBox : rowPitch;
    } else {
      rects[n] = rects[n - 1];
      rects[n].left += StartsBoxColumn(n) ? columnPitchAtBox : columnPitch;
    }
  }
}

}  // namespace

const GridConstants& ConstantsOf(GridKind kind) { return kind == GridKind::Main ? kMain : kFurther; }

GridGeometry GridGeometry::Build(GridKind kind, int frameTerm, bool corrected) {
  GridGeometry g;
  g.kind_ = kind;
  const GridConstants& c = ConstantsOf(kind);
  const int correction = corrected ? kFrameCorrection : 0;

  const int x0 = c.labelBaseX - c.labelWidth - frameTerm + correction;
  const int y0 = c.labelBaseY;
  g.labels_[0] = {x0, y0, c.labelWidth, c.labelHeight};
  g.squares_[0] = {x0 + c.squareOffsetX, y0 + c.squareOffsetY, c.squareSize, c.squareSize};
  LayOutFromTemplate(g.labels_, c.labelColumnPitch, c.labelColumnPitchAtBox, c.labelRowPitch, c.labelRowPitchAtBox);
  LayOutFromTemplate(g.squares_, c.squareColumnPitch, c.squareColumnPitchAtBox, c.squareRowPitch,
                     c.squareRowPitchAtBox);

  const auto& s = g.squares_;
  auto horizontal = [](int y, int from, int to) { return TwipLine{from, y, to, y}; };
  auto vertical = [](int x, int from, int to) { return TwipLine{x, from, x, to}; };
  g.lines_[1] = horizontal(s[19].top + c.boxLineOffsetA, s[19].left, s[27].right() + 10);
  g.lines_[2] = horizontal(s[46].top + c.boxLineOffsetB, s[46].left, s[54].right() + 10);
  g.lines_[3] = vertical(s[3].left + c.verticalLineOffset, s[3].top - 30, s[75].top + c.innerLineEnd);
  g.lines_[4] = vertical(s[6].left + c.verticalLineOffset, s[6].top - 30, s[78].top + c.innerLineEnd);
  g.lines_[5] = vertical(s[1].left, s[1].top - 30, s[73].top + c.edgeLineEnd);
  g.lines_[6] = vertical(s[9].left + c.verticalLineOffset, s[9].top - 30, s[81].top + c.edgeLineEnd);
  g.lines_[7] = horizontal(s[1].top - 30, s[1].left, s[9].right() + 10);
  g.lines_[8] = horizontal(s[73].top + c.bottomEdgeOffset, s[73].left, s[81].right() + 10);
  return g;
}

bool GridGeometry::Inside(int x, int y) const {
  return x > lines_[5].x1 && x < lines_[6].x1 && y > lines_[7].y1 && y < lines_[8].y1;
}

int GridGeometry::HitTest(int x, int y, int current) const {
  for (int n = 1; n <= 81; ++n)
    if (squares_[n].contains(x, y)) return n;
  return current;
}

std::pair<TwipLine, TwipLine> GridGeometry::CrossLines(int n) const {
  const TwipRect& s = squares_[n];
  auto at = [](int origin, int extent, double fraction) {
    return static_cast<int>(std::lround(origin + fraction * extent));
  };
  const int x3 = at(s.left, s.width, 0.3), x7 = at(s.left, s.width, 0.7);
  const int y3 = at(s.top, s.height, 0.3), y7 = at(s.top, s.height, 0.7);
  return {TwipLine{x3, y3, x7, y7}, TwipLine{x3, y7, x7, y3}};
}

TwipRect GridGeometry::boardRect() const {
  constexpr int kMargin = 2 * kTwipsPerPixel;
  const int left = lines_[5].x1 - kMargin, right = lines_[6].x1 + kMargin;
  const int top = lines_[7].y1 - kMargin, bottom = lines_[8].y1 + kMargin;
  return {left, top, right - left, bottom - top};
}

}  // namespace varelo
