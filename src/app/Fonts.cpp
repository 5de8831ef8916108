#include "app/Fonts.h"

#include <QFont>

namespace varelo {

void InstallFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei"));
  QFont::insertSubstitution(QStringLiteral("楷体_GB2312"), QStringLiteral("AR PL UKai CN"));
  QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

}  // namespace varelo
