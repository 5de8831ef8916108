#pragma once
// How wide a window must be for a window manager to show its whole title.
// The title bar holds, beside the text, the window icon and three buttons
// (minimise, maximise, close), each about a square of the bar's height, and
// gaps between them worth about one square more; the
// text is drawn in the platform's title font, which window managers
// commonly make bold. The bar's height and border are taken from a window
// the window manager has framed; without one, from the style.

class QString;
class QWidget;

namespace varelo {

int TitleBarWidth(const QString& title, const QWidget* framedWindow);

}  // namespace varelo
