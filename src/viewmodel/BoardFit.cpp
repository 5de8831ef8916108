#include "viewmodel/BoardFit.h"

#include <algorithm>
#include <cmath>

#include "core/Layout.h"
#include "viewmodel/GridGeometry.h"
#include "viewmodel/WindowLayout.h"

namespace varelo {

namespace {

int Round(double twips) { return static_cast<int>(std::lround(twips)); }

bool Overlap(const TwipRect& a, const TwipRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool Clear(const BoardSpace& space, const BoardPlacement& placement, int comboOrder, const GridExtents& extents) {
  for (int grid : GridsInPlay(comboOrder)) {
    const TwipRect drawn = DrawnRect(placement, grid, extents);
    if (drawn.left < 0 || drawn.top < space.topBar || drawn.right() > space.clientWidth ||
        drawn.bottom() > space.clientHeight)
      return false;
    for (const TwipRect& control : space.sideControls)
      if (Overlap(drawn, control)) return false;
  }
  return true;
}

}  // namespace

GridExtents GridExtents::Default() {
  return {GridGeometry::Build(GridKind::Main, kDesignFrameTerm, false).boardRect(),
          GridGeometry::Build(GridKind::Further, kDesignFrameTerm, false).boardRect()};
}

BoardPlacement PlaceAtScale(const BoardSpace& space, int comboOrder, double scale) {
  const GridConstants& main = ConstantsOf(GridKind::Main);
  const GridConstants& further = ConstantsOf(GridKind::Further);
  const double cw = space.clientWidth, ch = space.clientHeight, s = scale;
  const double iw = further.containerWidth * s, ih = further.containerHeight * s;
  const int tb = space.topBar;
  constexpr int kHintLine = metrics::kHintLineHeight;
  constexpr int kStepX = 4130, kStepY = 4220;

  BoardPlacement placement;
  placement.scale = scale;
  auto chain = [&](double left, double top) {
    const QPoint first(Round(left), Round(top));
    placement.origins[1] = first;
    placement.origins[2] = first + QPoint(Round(kStepX * s), Round(kStepY * s));
    placement.origins[3] = first + QPoint(Round(2 * kStepX * s), 0);
  };
  if (comboOrder == 2) {
    const double left = space.outerWidth > 12030 ? cw / 2 - iw : space.commandLeft / 2.0 - iw + 250 * s;
    chain(left, ch / 2 - ih + tb + kHintLine - 100 * s);
  } else if (comboOrder == 3) {
    chain(cw / 2 - iw / 2 - iw + 320 * s, ch / 2 - ih + tb + kHintLine - 200 * s);
  } else {
    const double w = main.containerWidth * s, h = main.containerHeight * s;
    const double left = space.outerWidth > 9750 ? cw / 2 - w / 2 : space.commandLeft / 2.0 - w / 2;
    placement.origins[0] = QPoint(Round(left), Round(ch / 2 - h / 2 + tb));
  }
  return placement;
}

BoardPlacement FitBoard(const BoardSpace& space, int comboOrder, const GridExtents& extents) {
  const BoardPlacement full = PlaceAtScale(space, comboOrder, 1);
  if (Clear(space, full, comboOrder, extents)) return full;
  // Each rule moves a grid by a fixed amount plus a multiple of the factor,
  // so what fits at one factor fits at every smaller one.
  double fits = 0.1, fails = 1;
  for (int i = 0; i < 24; ++i) {
    const double middle = (fits + fails) / 2;
    if (Clear(space, PlaceAtScale(space, comboOrder, middle), comboOrder, extents))
      fits = middle;
    else
      fails = middle;
  }
  return PlaceAtScale(space, comboOrder, fits);
}

QPoint KeepDraggedGridInside(QPoint wanted, const TwipRect& drawn, double scale, const BoardSpace& space) {
  const int left = static_cast<int>(std::floor(drawn.left * scale));
  const int top = static_cast<int>(std::floor(drawn.top * scale));
  const int right = static_cast<int>(std::ceil(drawn.right() * scale));
  const int bottom = static_cast<int>(std::ceil(drawn.bottom() * scale));
  // Where the space is too small for the grid, its top left corner stays in.
  auto keep = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
  return {keep(wanted.x(), -left, space.clientWidth - right),
          keep(wanted.y(), space.topBar - top, space.clientHeight - bottom)};
}

TwipRect DrawnRect(const BoardPlacement& placement, int grid, const GridExtents& extents) {
  const TwipRect& r = grid == 0 ? extents.main : extents.further;
  const double s = placement.scale;
  const QPoint origin = placement.origins[grid];
  const int left = origin.x() + static_cast<int>(std::floor(r.left * s));
  const int top = origin.y() + static_cast<int>(std::floor(r.top * s));
  return {left, top, origin.x() + static_cast<int>(std::ceil(r.right() * s)) - left,
          origin.y() + static_cast<int>(std::ceil(r.bottom() * s)) - top};
}

}  // namespace varelo
