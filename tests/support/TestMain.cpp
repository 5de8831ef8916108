// Shared main of every test executable: a Qt application on the offscreen
// platform, and a settings folder of its own so no test touches the real
// user's settings. The offscreen screen is a common laptop's, 1366 x 768,
// where the window opens at its design size as on the player's desktop
// (offscreen's own default, 800 x 600, is smaller than that).

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/Fonts.h"
#include "support/TempSettings.h"

namespace {

// "offscreen" with a screen of its own; any other platform as it is.
void ChooseLaptopScreen(const QTemporaryDir& dir) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return;
  const QString path = dir.filePath(QStringLiteral("screen.json"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  // No window manager frames an offscreen window; the window manager's
  // frame is tested on a virtual display.
  file.write(R"({"windowFrameMargins": false,
                 "screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                              "logicalDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
}

}  // namespace

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir configRoot;
  ChooseLaptopScreen(configRoot);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configRoot.path());
  varelo::testing::SetSettingsRoot(configRoot.path());

  QApplication app(argc, argv);
  varelo::InstallFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
