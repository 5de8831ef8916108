#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Fonts.h"

namespace varelo {

void SetUpApplication(QApplication& app) {
  // The desktop entry's name: on Wayland the window's app id, so a dock
  // links the window to the entry (on X11 the entry names the window's class).
  QGuiApplication::setDesktopFileName(QStringLiteral(VARELO_APP_ID));
  InstallFontSubstitutions();
  QFont font(QStringLiteral("宋体"));
  font.setPointSize(9);
  QApplication::setFont(font);

  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtTexts);
}

}  // namespace varelo
