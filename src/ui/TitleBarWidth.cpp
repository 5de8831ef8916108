#include "ui/TitleBarWidth.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace varelo {

namespace {
// The icon and three buttons, and one more for the gaps a manager leaves
// between and around them and its label's own margins (openbox's default
// theme cut "Varelo" to "V...o" with four).
constexpr int kSquaresBesideTitle = 5;
}  // namespace

int TitleBarWidth(const QString& title, const QWidget* framedWindow) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setBold(true);
  int bar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
  int border = 0;
  if (framedWindow) {
    const QRect frame = framedWindow->frameGeometry();
    const QRect inner = framedWindow->geometry();
    const int side = inner.left() - frame.left();
    const int top = inner.top() - frame.top();
    if (top > side) {  // a title bar above the border
      border = side;
      bar = top - side;
    }
  }
  return QFontMetrics(font).horizontalAdvance(title) + kSquaresBesideTitle * bar + 2 * border;
}

}  // namespace varelo
