#pragma once
// Dialogs place their controls at fixed twip positions, like the main window.

#include <QFont>
#include <QWidget>

#include "model/Twips.h"

namespace varelo {

inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

// A fixed client area, centred on the owner when the dialog opens.
inline void PlaceDialog(QWidget* dialog, int clientWidth, int clientHeight) {
  dialog->setFixedSize(ToPixels(clientWidth), ToPixels(clientHeight));
}

inline QFont DialogFont(double points, bool bold = false) {
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace varelo
