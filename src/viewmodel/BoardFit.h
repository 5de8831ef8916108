#pragma once
// Where the grids of a layout go and how large they are drawn. The layout's
// rules place the grid containers from the window's size; when the window is
// too small for them, the grids are drawn smaller by one factor, placed by
// the same rules on the smaller sizes. The factor is 1 wherever the rules
// leave every grid clear of the window's edges, of the top bar and of the
// buttons and icons at the right; below that it is the largest factor for
// which they do. All twips.

#include <QPoint>

#include <array>
#include <vector>

#include "core/CellMath.h"
#include "model/Twips.h"

namespace varelo {

// What each kind of grid draws, in its container's coordinates at factor 1.
struct GridExtents {
  TwipRect main;
  TwipRect further;
  // The extents of the grids as built for the design frame.
  static GridExtents Default();
};

struct BoardSpace {
  int clientWidth = 0;
  int clientHeight = 0;
  int outerWidth = 0;                  // W: the grids of one grid and of order 2 centre on the client area
  int commandLeft = 0;                 // left of the button column, for the layouts that centre left of it
  int topBar = 0;                      // height of the top bar, which the grids stay below
  std::vector<TwipRect> sideControls;  // the buttons and icons the grids keep clear of
};

struct BoardPlacement {
  double scale = 1;
  std::array<QPoint, kGridCount> origins{};  // container origins of the grids of the order
};

// The containers of `comboOrder`'s grids at `scale`, by the layout's rules.
BoardPlacement PlaceAtScale(const BoardSpace& space, int comboOrder, double scale);

// The largest factor up to 1 at which the placed grids keep clear, and
// their places; the smallest factor tried when nothing fits.
BoardPlacement FitBoard(const BoardSpace& space, int comboOrder, const GridExtents& extents);

// The place nearest to `wanted` for a dragged grid's container at which what
// the grid draws (`drawn`, in its container's twips at factor 1) stays wholly
// inside the client area and below the top bar.
QPoint KeepDraggedGridInside(QPoint wanted, const TwipRect& drawn, double scale, const BoardSpace& space);

// What a grid draws in window coordinates, placed as `placement` has it.
TwipRect DrawnRect(const BoardPlacement& placement, int grid, const GridExtents& extents);

}  // namespace varelo
