#include "settings/AppPaths.h"

#include <QCoreApplication>

namespace varelo {

AppPaths AppPaths::FromApplication() { return AppPaths{QCoreApplication::applicationDirPath()}; }

}  // namespace varelo
