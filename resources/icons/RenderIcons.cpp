// Writes the program icon as the PNG sizes of the hicolor theme, drawn by the
// game's own picture code, so a launcher shows what the window shows.
//   varelo-render-icons OUT_DIR NAME SIZE...
// gives OUT_DIR/<SIZE>x<SIZE>/apps/NAME.png for each size.

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

#include "look/Pictures.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage: varelo-render-icons OUT_DIR NAME SIZE...\n");
    return 2;
  }
  for (int i = 3; i < args.size(); ++i) {
    bool ok = false;
    const int side = args[i].toInt(&ok);
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(side);
    const QPixmap icon = ok ? varelo::pictures::Render(varelo::pictures::kIcon, QSize(side, side)) : QPixmap();
    if (icon.isNull() || !QDir().mkpath(folder) || !icon.save(folder + u'/' + args[2] + QStringLiteral(".png"))) {
      std::fprintf(stderr, "varelo-render-icons: cannot write the %s px icon\n", qPrintable(args[i]));
      return 1;
    }
  }
  return 0;
}
