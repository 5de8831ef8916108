// The Options dialog's pictures for the documentation: over a paused game,
// alone, and with the boss key unchecked.

#include <QPainter>

#include "dialogs/OptionsDialogFixture.h"
#include "game/TopBarSlide.h"

namespace varelo {
namespace {

using testing::OptionsDialogTest;

TEST_F(OptionsDialogTest, ScreenshotsOverAPausedGame) {
  Open();
  ResizeTo(900, 680);
  game().Click(ctl::kSjms);
  for (int i = 0; i < 6; ++i) game().topBar().SlideInTick();
  Settle();
  WithDialog([&](OptionsDialog& d) {
    for (int i = 0; i < 6; ++i) game().topBar().SlideOutTick();
    Settle();
    QImage shot = window->grab().toImage();
    EXPECT_TRUE(shot.save(testing::ScreenshotPath(QStringLiteral("options-paused-window"))));
    {
      QPainter painter(&shot);
      const QPoint at = d.mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0));
      painter.drawPixmap(at, d.grab());
    }
    EXPECT_TRUE(shot.save(testing::ScreenshotPath(QStringLiteral("options-over-paused-game"))));
    EXPECT_TRUE(d.grab().save(testing::ScreenshotPath(QStringLiteral("options"))));
    QTest::mouseClick(Check(d, "Check2"), Qt::LeftButton);
    QTest::mouseClick(Check(d, "Check2"), Qt::LeftButton);
    EXPECT_TRUE(d.grab().save(testing::ScreenshotPath(QStringLiteral("options-boss-key-off"))));
    d.reject();
  });
}

}  // namespace
}  // namespace varelo
