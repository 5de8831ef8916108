#include "support/TempSettings.h"

#include <QUuid>

namespace varelo::testing {

namespace {
QString& Root() {
  static QString root;
  return root;
}
QString FreshName() { return QStringLiteral("varelo-test-") + QUuid::createUuid().toString(QUuid::Id128); }
}  // namespace

void SetSettingsRoot(const QString& path) { Root() = path; }
QString SettingsRoot() { return Root(); }

TempSettings::TempSettings() : name_(FreshName()), store_(name_) {}

}  // namespace varelo::testing
