#include "look/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library, whose resource initialiser the
// linker would drop; registering them on first use keeps them.
static void RegisterPictures() { Q_INIT_RESOURCE(varelo); }

namespace varelo::pictures {

QPixmap Render(const QString& name, QSize size, qreal devicePixelRatio) {
  static const bool registered = (RegisterPictures(), true);
  Q_UNUSED(registered);
  QSvgRenderer renderer(QStringLiteral(":/pictures/") + name + QStringLiteral(".svg"));
  if (!renderer.isValid() || size.isEmpty()) return {};
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Render(kIcon, QSize(side, side)));
  return icon;
}

}  // namespace varelo::pictures
