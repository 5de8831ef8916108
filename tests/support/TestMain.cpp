// Shared main of every test executable: a Qt application on the offscreen
// platform, and a settings folder of its own so no test touches the real
// user's settings.

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/Fonts.h"
#include "support/TempSettings.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir configRoot;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configRoot.path());
  varelo::testing::SetSettingsRoot(configRoot.path());

  QApplication app(argc, argv);
  varelo::InstallFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
