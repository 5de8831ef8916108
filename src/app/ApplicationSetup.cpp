#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Fonts.h"

namespace varelo {

void SetUpApplication(QApplication& app) {
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
