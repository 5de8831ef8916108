// The libFuzzer entry of one target, chosen at build time by
// VARELO_FUZZ_TARGET (a function of targets/FuzzTargets.h).

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "targets/FuzzTargets.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // The settings target writes stores of its own: keep them, and anything
  // else Qt writes, away from the user's folders. Both live to the end.
  QStandardPaths::setTestModeEnabled(true);
  static QTemporaryDir settingsRoot;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsRoot.path());
  static QCoreApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  varelo::fuzz::VARELO_FUZZ_TARGET({data, size});
  return 0;
}
