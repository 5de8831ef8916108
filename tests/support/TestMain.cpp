// Shared main of every test executable: a Qt application on the offscreen
// platform (only a core one for the tests of the rules, which link no
// window), and a settings folder of its own so no test touches the real
// user's settings. The offscreen screen is a common laptop's, 1366 x 768,
// where the window opens at its design size as on the player's desktop
// (offscreen's own default, 800 x 600, is smaller than that).

#ifdef VARELO_TESTS_WITHOUT_WINDOW
#include <QCoreApplication>
#else
#include <QApplication>
#endif
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#ifndef VARELO_TESTS_WITHOUT_WINDOW
#include "app/Fonts.h"
#endif
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

// A Qt warning is a fault the tests should not talk past, so it stops the
// test, except for what the platform says of itself and what the picture
// readers say of the broken pictures the bad-input tests feed them.
// VARELO_WARNINGS_PASS=1 lets a run show them all instead.
bool Expected(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtWarningMsg && type != QtCriticalMsg) return true;
  if (QLatin1String(context.category ? context.category : "").startsWith(QLatin1String("qt.gui.imageio"))) return true;
  static const char* const kPlatformNotes[] = {
      "This plugin does not support",  // offscreen has no raise(), no grab of the keyboard, ...
  };
  for (const char* note : kPlatformNotes)
    if (message.startsWith(QLatin1String(note))) return true;
  // xcb's note on a window shown again before the X server's unmap reached
  // it (a tray restore a few milliseconds after the hide): its own race with
  // the server, harmless, and only as often as the machine is slow.
  if (message.contains(QLatin1String("setNetWmStateOnUnmappedWindow() called on mapped window"))) return true;
  return false;
}

void StopOnWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  if (type == QtFatalMsg) std::abort();
  static const bool pass = qEnvironmentVariableIntValue("VARELO_WARNINGS_PASS") == 1;
  if (!pass && !Expected(type, context, message)) {
    std::fprintf(stderr, "A Qt warning stops the test (VARELO_WARNINGS_PASS=1 lets it pass).\n");
    std::abort();
  }
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(StopOnWarnings);
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir configRoot;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configRoot.path());
  varelo::testing::SetSettingsRoot(configRoot.path());

#ifdef VARELO_TESTS_WITHOUT_WINDOW
  QCoreApplication app(argc, argv);
#else
  ChooseLaptopScreen(configRoot);
  QApplication app(argc, argv);
  varelo::InstallFontSubstitutions();
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
