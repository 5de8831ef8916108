#include "ui/model/WindowPlacement.h"

#include <algorithm>
#include <limits>

#include "settings/LenientNumber.h"
#include "settings/SettingsStore.h"
#include "ui/model/WindowLayout.h"

namespace varelo {

namespace {

std::optional<int> StoredNumber(const SettingsStore& settings, SettingKey key, int atLeast) {
  const QString text = settings.Read(key);
  if (text.isEmpty()) return std::nullopt;
  const int value = ParseInt(text);
  if (value < atLeast) return std::nullopt;
  return value;
}

bool StoredMaximised(const SettingsStore& settings) {
  return ParseNumber(settings.Read(SettingKey::WindowState)) != 0;
}

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

StartPlacement KeepOnScreen(StartPlacement plan, const QRect& screen, const QSize& current) {
  if (screen.isEmpty() || plan.maximised) return plan;
  if (plan.width) plan.width = std::min(*plan.width, screen.width());
  if (plan.height) plan.height = std::min(*plan.height, screen.height());
  // In 64 bits: a stored edge may be near the end of the int range.
  auto overlaps = [](long long start, long long length, long long from, long long size) {
    return start < from + size && start + length > from;
  };
  if (plan.left && !overlaps(*plan.left, plan.width.value_or(current.width()), screen.left(), screen.width()))
    plan.left.reset();
  if (plan.top && !overlaps(*plan.top, plan.height.value_or(current.height()), screen.top(), screen.height()))
    plan.top.reset();
  return plan;
}

void SaveClosingPlacement(SettingsStore& settings, ShownState state, const OuterGeometry& geometry) {
  switch (state) {
    case ShownState::Maximised:
      settings.Write(SettingKey::WindowState, QStringLiteral("2"));
      break;
    case ShownState::Minimised:
      break;
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
