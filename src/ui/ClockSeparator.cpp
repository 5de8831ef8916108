#include "ui/ClockSeparator.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

#include "model/Twips.h"
#include "viewmodel/WindowLayout.h"

namespace varelo {

namespace {

const QString kInfinity = QStringLiteral("∞");

// DejaVu Sans (installed with the fonts the game needs) at the pixel size
// that draws its "∞" as wide as the clock's two digits.
QFont InfinityFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  constexpr int kProbeSize = 100;
  font.setPixelSize(kProbeSize);
  const double inked = QFontMetricsF(font).tightBoundingRect(kInfinity).width();
  const double wanted = ToPixels(metrics::kClockDigitsWidth);
  font.setPixelSize(std::max(1, int(std::ceil(kProbeSize * wanted / inked))));
  return font;
}

}  // namespace

ClockSeparator::ClockSeparator(const QString& name, const QFont& clockFont, QWidget* parent)
    : CaptionLabel(name, clockFont, Qt::AlignCenter, parent, Edge::Halo), clockFont_(clockFont),
      infinityFont_(InfinityFont()) {}

// The binder has just given the label its place. A wider "∞" grows it
// evenly to both sides, and the label moves so that the glyph, not the
// font's line, sits in the middle of the strip.
void ClockSeparator::Render(const ControlState& state) {
  CaptionLabel::Render(state);
  const bool infinity = state.text == kInfinity;
  const QFont& wanted = infinity ? infinityFont_ : clockFont_;
  if (font() != wanted) setFont(wanted);
  if (!infinity) return;
  const QRect place = geometry();
  const QFontMetricsF metrics(infinityFont_);
  const int width = std::max(place.width(), int(std::ceil(metrics.horizontalAdvance(kInfinity))) + 4);
  const double baseline = (place.height() - metrics.height()) / 2 + metrics.ascent();
  const double inkMiddle = baseline + metrics.tightBoundingRect(kInfinity).center().y();
  const int shift = int(std::lround(place.height() / 2.0 - inkMiddle));
  setGeometry(place.x() + place.width() / 2 - width / 2, place.y() + shift, width, place.height());
}

}  // namespace varelo
