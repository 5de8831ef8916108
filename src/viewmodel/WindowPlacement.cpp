#include "viewmodel/WindowPlacement.h"

#include <algorithm>
#include <limits>

#include <QList>

#include "settings/LenientNumber.h"
#include "settings/SettingsStore.h"
#include "viewmodel/WindowLayout.h"

namespace varelo {

namespace {

std::optional<int> StoredNumber(const SettingsStore& settings, SettingKey key, int atLeast) {
  const QString text = settings.Read(key);
  if (text.isEmpty()) return std::nullopt;
  const int value = ParseInt(text);
  if (value < atLeast) return std::nullopt;
  return value;
}

bool StoredMaximised(const SettingsStore& settings) { return ParseNumber(settings.Read(SettingKey::WindowState)) != 0; }

}  // namespace

StartPlacement PlanStartPlacement(const SettingsStore& settings, bool fitsScreen) {
  StartPlacement plan;
  plan.maximised = !fitsScreen;
  if (StoredMaximised(settings)) {
    plan.maximised = true;
    return plan;
  }
  plan.width = StoredNumber(settings, SettingKey::WindowWidth, metrics::kMinimumWidth);
  plan.height = StoredNumber(settings, SettingKey::WindowHeight, metrics::kMinimumHeight);
  constexpr int kAnyPosition = std::numeric_limits<int>::min();
  plan.left = StoredNumber(settings, SettingKey::WindowLeft, kAnyPosition);
  plan.top = StoredNumber(settings, SettingKey::WindowTop, kAnyPosition);
  return plan;
}

QRect WhollyOnScreen(const QRect& window, const QList<QRect>& screens) {
  if (screens.isEmpty()) return window;
  auto area = [](const QRect& r) { return r.isEmpty() ? 0LL : static_cast<long long>(r.width()) * r.height(); };
  QRect screen = screens.first();
  long long most = 0;
  for (const QRect& candidate : screens) {
    const long long shared = area(candidate.intersected(window));
    if (shared > most) {
      most = shared;
      screen = candidate;
    }
  }
  QRect placed(window.topLeft(), window.size().boundedTo(screen.size()));
  // A place no screen shows (a spoilt store) says nothing: the middle.
  if (most == 0) placed.moveCenter(screen.center());
  placed.moveLeft(std::clamp(placed.left(), screen.left(), screen.left() + screen.width() - placed.width()));
  placed.moveTop(std::clamp(placed.top(), screen.top(), screen.top() + screen.height() - placed.height()));
  return placed;
}

void SaveClosingPlacement(SettingsStore& settings, ShownState state, const OuterGeometry& geometry) {
  switch (state) {
    case ShownState::Maximised: settings.Write(SettingKey::WindowState, QStringLiteral("2")); break;
    case ShownState::Minimised: break;
    case ShownState::Normal:
      settings.Write(SettingKey::WindowLeft, geometry.left);
      settings.Write(SettingKey::WindowTop, geometry.top);
      settings.Write(SettingKey::WindowWidth, geometry.width);
      settings.Write(SettingKey::WindowHeight, geometry.height);
      settings.Write(SettingKey::WindowState, QStringLiteral("0"));
      break;
  }
}

}  // namespace varelo
