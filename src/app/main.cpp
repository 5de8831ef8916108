// Entry point of the game.

#include <QApplication>
#include <QMainWindow>

#include "app/Fonts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  varelo::InstallFontSubstitutions();

  // The main window arrives with the window subsystem; until then the game
  // opens an empty window under its title.
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Varelo"));
  window.resize(11600 / 15, 8700 / 15);
  window.show();
  return app.exec();
}
