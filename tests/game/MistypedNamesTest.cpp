// A mistyped name is a fault found at once, in every build: the control
// model and the game's event routing stop the program instead of reading a
// default, writing nowhere or dropping a click.

#include <gtest/gtest.h>

#include "model/Controls.h"
#include "tests/game/GameHarness.h"

namespace varelo {
namespace {

using testing::GameHarness;

TEST(MistypedNamesDeathTest, AnUnknownControlOrHandlerStopsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Controls controls;
  EXPECT_DEATH(controls.text(QStringLiteral("Lbltishl")), "no control named \"Lbltishl\"");
  EXPECT_DEATH(controls.setVisible(QStringLiteral("Comand1"), true), "no control named \"Comand1\"");
  EXPECT_DEATH(
      {
        GameHarness h;
        h.game.Click(QStringLiteral("Comand1"));
      },
      "no handler for \"Comand1\"");
  EXPECT_DEATH(
      {
        GameHarness h;
        h.game.OnClick(QStringLiteral("sjms"), [](int) {});
      },
      "a second handler for \"sjms\"");
}

}  // namespace
}  // namespace varelo
