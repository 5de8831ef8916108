// Start-up placement from the stored keys, and what closing stores.

#include <gtest/gtest.h>

#include "support/TempSettings.h"
#include "viewmodel/VirtualKeys.h"
#include "viewmodel/WindowPlacement.h"

namespace varelo {
namespace {

TEST(WindowPlacementTest, EmptyStoreOpensAtDesignSizeNotMaximised) {
  testing::TempSettings settings;
  const StartPlacement plan = PlanStartPlacement(settings.store(), true);
  EXPECT_FALSE(plan.maximised);
  EXPECT_FALSE(plan.width);
  EXPECT_FALSE(plan.height);
  EXPECT_FALSE(plan.left);
  EXPECT_FALSE(plan.top);
  EXPECT_TRUE(PlanStartPlacement(settings.store(), false).maximised);
}

TEST(WindowPlacementTest, StoredSizesCountFromTheMinimumUp) {
  testing::TempSettings settings;
  settings.store().Write(SettingKey::WindowWidth, QStringLiteral("8000"));
  settings.store().Write(SettingKey::WindowHeight, QStringLiteral("7950"));
  settings.store().Write(SettingKey::WindowLeft, QStringLiteral("-300"));
  settings.store().Write(SettingKey::WindowTop, QStringLiteral("450"));
  StartPlacement plan = PlanStartPlacement(settings.store(), true);
  EXPECT_FALSE(plan.width);
  EXPECT_EQ(plan.height, 7950);
  EXPECT_EQ(plan.left, -300);
  EXPECT_EQ(plan.top, 450);
  settings.store().Write(SettingKey::WindowWidth, QStringLiteral("9000"));
  EXPECT_EQ(PlanStartPlacement(settings.store(), true).width, 9000);
}

TEST(WindowPlacementTest, AStoredStateOtherThanZeroMaximisesAndIgnoresTheGeometry) {
  testing::TempSettings settings;
  settings.store().Write(SettingKey::WindowWidth, QStringLiteral("9000"));
  settings.store().Write(SettingKey::WindowLeft, QStringLiteral("100"));
  settings.store().Write(SettingKey::WindowState, QStringLiteral("2"));
  const StartPlacement plan = PlanStartPlacement(settings.store(), true);
  EXPECT_TRUE(plan.maximised);
  EXPECT_FALSE(plan.width);
  EXPECT_FALSE(plan.left);
}

TEST(WindowPlacementTest, ClosingStoresTheNormalGeometryOnly) {
  testing::TempSettings settings;
  SettingsStore& store = settings.store();
  SaveClosingPlacement(store, ShownState::Normal, {150, 300, 12000, 9000});
  EXPECT_EQ(store.Read(SettingKey::WindowLeft), QStringLiteral("150"));
  EXPECT_EQ(store.Read(SettingKey::WindowTop), QStringLiteral("300"));
  EXPECT_EQ(store.Read(SettingKey::WindowWidth), QStringLiteral("12000"));
  EXPECT_EQ(store.Read(SettingKey::WindowHeight), QStringLiteral("9000"));
  EXPECT_EQ(store.Read(SettingKey::WindowState), QStringLiteral("0"));

  SaveClosingPlacement(store, ShownState::Maximised, {0, 0, 30000, 20000});
  EXPECT_EQ(store.Read(SettingKey::WindowState), QStringLiteral("2"));
  EXPECT_EQ(store.Read(SettingKey::WindowWidth), QStringLiteral("12000"));

  store.Write(SettingKey::WindowState, QStringLiteral("0"));
  SaveClosingPlacement(store, ShownState::Minimised, {1, 2, 9999, 9999});
  EXPECT_EQ(store.Read(SettingKey::WindowLeft), QStringLiteral("150"));
  EXPECT_EQ(store.Read(SettingKey::WindowState), QStringLiteral("0"));
}

TEST(VirtualKeysTest, KeysMapToTheCodesOfTheKeyboardMap) {
  EXPECT_EQ(VirtualKeyOf(Qt::Key_5, Qt::NoModifier), 53);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_5, Qt::KeypadModifier), 101);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_0, Qt::KeypadModifier), 96);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Percent, Qt::ShiftModifier), 53);  // Shift+5
  EXPECT_EQ(VirtualKeyOf(Qt::Key_ParenRight, Qt::ShiftModifier), 48);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Backspace, Qt::NoModifier), 8);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Escape, Qt::NoModifier), 27);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Left, Qt::NoModifier), 37);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Down, Qt::NoModifier), 40);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_F6, Qt::NoModifier), 117);
  EXPECT_EQ(ModifierBitsOf(Qt::ShiftModifier | Qt::KeypadModifier), 1);
  EXPECT_EQ(ModifierBitsOf(Qt::ControlModifier | Qt::AltModifier), 6);
}

}  // namespace
}  // namespace varelo
