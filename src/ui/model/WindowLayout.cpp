#include "ui/model/WindowLayout.h"

#include <algorithm>
#include <cmath>

#include "game/Controls.h"
#include "settings/LenientNumber.h"
#include "ui/model/GridGeometry.h"
#include "ui/model/StartScreen.h"

namespace varelo {

namespace {

int Round(double twips) { return static_cast<int>(std::lround(twips)); }

void SetPlace(Controls& controls, const QString& name, int left, int top) {
  controls.setLeft(name, left);
  controls.setTop(name, top);
}

void LayOutTopBar(Controls& controls, const WindowSizes& sizes) {
  const int p = sizes.clientWidth;
  controls.setWidth(QStringLiteral("PicTop"), p);
  controls.setLeft(ctl::Lblts(0), 120);
  controls.setLeft(ctl::LblTop(0), 720);
  controls.setLeft(ctl::Lblts(1), 1800);
  controls.setLeft(ctl::LblTop(1), 2400);
  controls.setLeft(ctl::Lblts(2), p - 3495);
  controls.setLeft(ctl::Lblts(3), p - 1455);
  controls.setLeft(ctl::LblTop(2), p - 2415);
  controls.setLeft(ctl::LblTop(3), p - 855);
}

// Steps 3 and 4: the strip, its frame and the clock. The bar inside the
// strip follows the strip's width by itself (TimeBar).
void LayOutTimeBar(Controls& controls) {
  const QString strip = QStringLiteral("Picture1");
  const int stripLeft = controls.left(ctl::LblTop(1)) + 1200;
  const int innerWidth = std::max(0, controls.left(ctl::Lblts(2)) - 360 - stripLeft);
  SetPlace(controls, strip, stripLeft, metrics::kTimeBarTop);
  controls.setWidth(QStringLiteral("Shape2"), innerWidth);
  controls.setWidth(strip, innerWidth);

  const int colon = Round(innerWidth / 2.0 - metrics::kClockColonWidth / 2.0);
  controls.setLeft(ctl::LblTime(1), colon);
  controls.setLeft(ctl::LblTime(0), colon - 240);
  controls.setLeft(ctl::LblTime(2), colon + 120);
}

void LayOutSideControls(Controls& controls, const WindowSizes& sizes, const LayoutContext& context) {
  const int w = sizes.width;
  const int h = sizes.height;
  SetPlace(controls, QStringLiteral("Lbltishi"), metrics::kHintLineLeft, metrics::kHintLineTop);
  controls.setWidth(QStringLiteral("Lbltishi"), w - 345);

  const int iconLeft = w - (context.corrected ? 705 : 620);
  SetPlace(controls, QStringLiteral("Imgcol"), iconLeft, Round(h / 2.0 - 1280));
  SetPlace(controls, QStringLiteral("Imgcle"), iconLeft, Round(h / 2.0 - 480));

  const int buttonLeft = w - 1920;
  const int fromBottom[6] = {0, 1755, 3195, 2715, 2235, 1755};
  for (int i = 1; i <= 5; ++i) SetPlace(controls, ctl::Command(i), buttonLeft, h - fromBottom[i]);

  SetPlace(controls, QStringLiteral("Imgpt"), buttonLeft + 360, controls.top(ctl::Command(1)) - 480);
}

}  // namespace

void PlaceGrids(Controls& controls, const WindowSizes& sizes, int comboOrder) {
  const double cw = sizes.clientWidth;
  const double ch = sizes.clientHeight;
  const double commandLeft = controls.left(ctl::Command(1));
  const GridConstants& main = ConstantsOf(GridKind::Main);
  const GridConstants& further = ConstantsOf(GridKind::Further);
  const int tb = metrics::kTopBarHeight;
  const int hl = metrics::kHintLineHeight;

  auto placeChain = [&](double left, double top, int count) {
    constexpr int kStepX = 4130, kStepY = 4220;
    SetPlace(controls, ctl::PicMis(1), Round(left), Round(top));
    SetPlace(controls, ctl::PicMis(2), Round(left) + kStepX, Round(top) + kStepY);
    if (count == 3) SetPlace(controls, ctl::PicMis(3), Round(left) + 2 * kStepX, Round(top));
  };

  if (comboOrder == 2) {
    const double top = ch / 2 - further.containerHeight + tb + hl - 100;
    const double left = sizes.width > 12030 ? cw / 2 - further.containerWidth
                                            : commandLeft / 2 - further.containerWidth + 250;
    placeChain(left, top, 2);
  } else if (comboOrder == 3) {
    const double top = ch / 2 - further.containerHeight + tb + hl - 200;
    const double left = cw / 2 - further.containerWidth / 2.0 - further.containerWidth + 320;
    placeChain(left, top, 3);
  } else {
    const double top = ch / 2 - main.containerHeight / 2.0 + tb;
    const double left = sizes.width > 9750 ? cw / 2 - main.containerWidth / 2.0
                                           : commandLeft / 2 - main.containerWidth / 2.0;
    SetPlace(controls, ctl::PicMis(0), Round(left), Round(top));
  }
}

void ApplyResize(Controls& controls, const WindowSizes& sizes, const LayoutContext& context) {
  LayOutTopBar(controls, sizes);
  LayOutTimeBar(controls);
  LayOutSideControls(controls, sizes, context);
  PlaceGrids(controls, sizes, context.comboOrder);
  startscreen::LayOut(controls, sizes.width, sizes.height, context.noticeShown);
}

}  // namespace varelo
