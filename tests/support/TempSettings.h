#pragma once
// Settings isolation for tests: every TempSettings gets an application name
// nobody used before, so its store starts empty, in the test's own folder.

#include <QString>

#include "settings/SettingsStore.h"
#include "support/QtPrinters.h"

namespace varelo::testing {

void SetSettingsRoot(const QString& path);
QString SettingsRoot();

class TempSettings {
 public:
  TempSettings();
  const QString& applicationName() const { return name_; }
  SettingsStore& store() { return store_; }
  // A second, independent store on the same file, as a later run would see it.
  SettingsStore Reopen() const { return SettingsStore(name_); }

 private:
  QString name_;
  SettingsStore store_;
};

}  // namespace varelo::testing
