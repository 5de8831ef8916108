#include "viewmodel/WindowLayout.h"

#include <algorithm>
#include <cmath>

#include "core/Layout.h"
#include "model/Controls.h"
#include "viewmodel/BoardFit.h"
#include "viewmodel/GridGeometry.h"
#include "viewmodel/StartScreen.h"

namespace varelo {

namespace {

int Round(double twips) { return static_cast<int>(std::lround(twips)); }

void SetPlace(Controls& controls, const QString& name, int left, int top) {
  controls.setLeft(name, left);
  controls.setTop(name, top);
}

void LayOutTopBar(Controls& controls, const WindowSizes& sizes) {
  const int p = sizes.clientWidth;
  controls.setWidth(ctl::kPicTop, p);
  controls.setLeft(ctl::Lblts(0), 120);
  controls.setLeft(ctl::LblTop(0), 720);
  controls.setLeft(ctl::Lblts(1), 1800);
  controls.setLeft(ctl::LblTop(1), 2400);
  controls.setLeft(ctl::Lblts(2), p - 3495);
  controls.setLeft(ctl::Lblts(3), p - 1455);
  controls.setLeft(ctl::LblTop(2), p - 2415);
  controls.setLeft(ctl::LblTop(3), p - 855);
}

// The strip, its frame and the clock. The bar inside the
// strip follows the strip's width by itself (TimeBar).
void LayOutTimeBar(Controls& controls) {
  const QString strip = ctl::kPicture1;
  const int stripLeft = controls.left(ctl::LblTop(1)) + 1200;
  const int innerWidth = std::max(0, controls.left(ctl::Lblts(2)) - 360 - stripLeft);
  SetPlace(controls, strip, stripLeft, metrics::kTimeBarTop);
  controls.setWidth(ctl::kShape2, innerWidth);
  controls.setWidth(strip, innerWidth);

  const int colon = Round(innerWidth / 2.0 - metrics::kClockColonWidth / 2.0);
  controls.setLeft(ctl::LblTime(1), colon);
  controls.setLeft(ctl::LblTime(0), colon - 240);
  controls.setLeft(ctl::LblTime(2), colon + 120);
}

void LayOutSideControls(Controls& controls, const WindowSizes& sizes, const LayoutContext& context) {
  const int w = sizes.width;
  const int h = sizes.height;
  SetPlace(controls, ctl::kLbltishi, metrics::kHintLineLeft, metrics::kHintLineTop);
  controls.setWidth(ctl::kLbltishi, w - 345);

  const int iconLeft = w - (context.corrected ? 705 : 620);
  SetPlace(controls, ctl::kImgcol, iconLeft, Round(h / 2.0 - 1280));
  SetPlace(controls, ctl::kImgcle, iconLeft, Round(h / 2.0 - 480));

  const int buttonLeft = w - 1920;
  const int fromBottom[6] = {0, 1755, 3195, 2715, 2235, 1755};
  for (int i = 1; i <= 5; ++i) SetPlace(controls, ctl::Command(i), buttonLeft, h - fromBottom[i]);

  SetPlace(controls, ctl::kImgpt, buttonLeft + 360, controls.top(ctl::Command(1)) - 480);
}

}  // namespace

// The boxes of the buttons and icons at the right, wherever the mode shows
// them, and the pointer's bob above the restart button: a grid that keeps
// clear of all of them never moves when a mode shows or hides one.
std::vector<TwipRect> SideControlBoxes(const Controls& controls) {
  std::vector<TwipRect> boxes;
  for (int i = 1; i <= 5; ++i)
    boxes.push_back(
        {controls.left(ctl::Command(i)), controls.top(ctl::Command(i)), metrics::kButtonWidth, metrics::kButtonHeight});
  for (const QString name : {QString(ctl::kImgcol), QString(ctl::kImgcle)}) {
    boxes.push_back({controls.left(name), controls.top(name), metrics::kIconSize, metrics::kIconSize});
  }
  const QString pointer = ctl::kImgpt;
  boxes.push_back({controls.left(pointer), controls.top(ctl::Command(1)) - 600, metrics::kIconSize, 600});
  return boxes;
}

double PlaceGrids(Controls& controls, const WindowSizes& sizes, int comboOrder, const GridExtents& extents) {
  BoardSpace space;
  space.clientWidth = sizes.clientWidth;
  space.clientHeight = sizes.clientHeight;
  space.outerWidth = sizes.width;
  space.commandLeft = controls.left(ctl::Command(1));
  space.topBar = metrics::kTopBarHeight;
  space.sideControls = SideControlBoxes(controls);
  const BoardPlacement placement = FitBoard(space, comboOrder, extents);
  for (int grid : GridsInPlay(comboOrder)) {
    const QPoint origin = placement.origins[grid];
    SetPlace(controls, ctl::PicMis(grid), origin.x(), origin.y());
  }
  return placement.scale;
}

double ApplyResize(Controls& controls, const WindowSizes& sizes, const LayoutContext& context) {
  LayOutTopBar(controls, sizes);
  LayOutTimeBar(controls);
  LayOutSideControls(controls, sizes, context);
  const double scale = PlaceGrids(controls, sizes, context.comboOrder, context.extents);
  startscreen::LayOut(controls, sizes.width, sizes.height, context.noticeShown);
  return scale;
}

}  // namespace varelo
