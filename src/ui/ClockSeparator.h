#pragma once
// The clock's separator LblTime(1): the blinking ":" in the clock's font, or
// the beginner's "∞", which the Chinese font draws as two small rings. The
// "∞" comes from a font with a proper glyph, sized as wide as a two-digit
// field of the clock and centred on the separator's place, over the minute
// and second fields, which are empty then.

#include "ui/ControlWidgets.h"

namespace varelo {

class ClockSeparator : public CaptionLabel {
  Q_OBJECT

 public:
  ClockSeparator(const QString& name, const QFont& clockFont, QWidget* parent);
  void Render(const ControlState& state) override;

 private:
  QFont clockFont_;
  QFont infinityFont_;
};

}  // namespace varelo
