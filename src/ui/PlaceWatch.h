#pragma once
// Calls a function whenever a widget shows, moves or changes size, with the
// frame it then has on the screen.

#include <QRect>

#include <functional>

class QWidget;

namespace varelo {

// Installs itself on `widget` and lives as long as it.
void WatchPlace(QWidget& widget, std::function<void(const QRect& frame)> placed);

}  // namespace varelo
