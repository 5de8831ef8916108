// Entry point of the game: the application, its fonts and translations, the
// settings store and the main window at its stored place.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Fonts.h"
#include "settings/SettingsStore.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Varelo"));
  varelo::InstallFontSubstitutions();
  QFont font(QStringLiteral("宋体"));
  font.setPointSize(9);
  QApplication::setFont(font);

  // Qt's own dialogs and buttons speak Chinese with the rest of the game.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  varelo::SettingsStore settings;
  varelo::MainWindow window(settings);
  QApplication::setWindowIcon(varelo::pictures::ProgramIcon());
  window.ShowAtStoredPlacement();
  return app.exec();
}
