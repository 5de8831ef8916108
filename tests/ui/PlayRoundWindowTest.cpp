// What a round of real play found, in the real window: digits typed while
// the cursor frame glides, the dragged board kept in the window, the pause
// notice in sight above the Options dialog, start-screen captions readable
// on a bright picture.

#include <QDialog>
#include <QLabel>
#include <QTest>

#include "SolveWindowDriver.h"
#include "core/RuleChecks.h"
#include "model/Controls.h"
#include "viewmodel/WindowLayout.h"

namespace varelo {
namespace {

class PlayRoundWindowTest : public testing::SolveWindowTest {
 protected:
  QWidget* Canvas() { return window->centralWidget(); }

  // An empty cell `distance` cells from `from` along its row or column (or
  // both), with a digit that does not clash there; 0 when none is free.
  std::pair<int, int> FreeCellAway(int from, int distance, int turn) {
    const int row = (from - 1) / 9, column = (from - 1) % 9;
    const int moves[][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
    for (int m = 0; m < 8; ++m) {
      const auto [dr, dc] = moves[(m + turn) % 8];
      const int r = row + dr * distance, c = column + dc * distance;
      if (r < 0 || r > 8 || c < 0 || c > 8) continue;
      const int cell = r * 9 + c + 1;
      if (board().digit(0, cell) != 0 || game().checks().CountCandidates(cell) == 0) continue;
      return {cell, game().checks().candidates().at(0)};
    }
    return {0, 0};
  }
  void SendDrag(GridView* view, QPoint canvasPoint) {
    const QPoint global = Canvas()->mapToGlobal(canvasPoint);
    QMouseEvent move(QEvent::MouseMove, QPointF(view->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    Settle();
  }
  // The board lies wholly on the client area, below the top bar.
  void ExpectBoardInside(const QString& where) {
    const QRect board = window->gridView(0)->QWidget::geometry();
    EXPECT_TRUE(Canvas()->rect().contains(board)) << where.toStdString();
    EXPECT_GE(board.top(), ToPixels(metrics::kTopBarHeight)) << where.toStdString();
  }
};

// Moves of one to eight cells, each followed by a key at once or 20 to 60 ms
// later, while the frame is still on its way: every key lands on the cell
// under the pointer, with the normal checks.
TEST_F(PlayRoundWindowTest, EveryDigitTypedWhileTheFrameGlidesLandsUnderThePointer) {
  OpenActive();
  Trigger(ctl::kSjms);
  const int waits[] = {0, 20, 40, 60};
  int typed = 0;
  for (int i = 0; i < 32 && typed < 24; ++i) {
    const int from = game().cursors().state(0).currentCell;
    const auto [cell, digit] = FreeCellAway(from, 1 + i % 8, i);
    if (cell == 0) continue;
    MovePointer(Over(0, cell));
    QTest::qWait(waits[i % 4]);
    Key(static_cast<Qt::Key>(Qt::Key_0 + digit));
    ++typed;
    EXPECT_EQ(board().digit(0, cell), digit)
        << "move " << i << " to cell " << cell << " after " << waits[i % 4] << " ms";
    ASSERT_TRUE(board().gridEditable(0)) << "a digit that cannot clash was taken as a clash";
  }
  EXPECT_GE(typed, 16);

  // The erase key takes the same road.
  int written = 1;
  while (board().digit(0, written) == 0 || board().isFixed(0, written)) ++written;
  MovePointer(Over(0, written));
  QTest::qWait(20);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(board().digit(0, written), 0);
}

TEST_F(PlayRoundWindowTest, TheDraggedBoardStaysInTheWindowAndComesBack) {
  for (const QSize size : {QSize(1100, 760), QSize(550, 530)}) {
    SCOPED_TRACE(size.width());
    OpenActive();
    ResizeTo(size.width(), size.height());
    Trigger(ctl::kSjms);
    GridView* view = window->gridView(0);
    const QRect home = view->QWidget::geometry();
    const QPoint cell = view->cellRect(41).center().toPoint();
    QTest::mousePress(view, Qt::LeftButton, {}, cell);
    const QSize client = Canvas()->size();
    for (const QPoint to : {QPoint(0, 0), QPoint(client.width(), client.height()), QPoint(-900, 200),
                            QPoint(client.width() + 900, -900), QPoint(client.width() / 2, client.height() + 900)}) {
      SendDrag(view, to);
      ExpectBoardInside(QStringLiteral("dragged to %1,%2").arg(to.x()).arg(to.y()));
    }
    EXPECT_NE(view->QWidget::geometry(), home) << "the board still follows the drag";
    QTest::mouseRelease(view, Qt::LeftButton, {}, view->cellRect(41).center().toPoint());
    QTest::mouseDClick(view, Qt::LeftButton, {}, view->cellRect(41).center().toPoint());
    Settle();
    EXPECT_EQ(view->QWidget::geometry(), home) << "a double click puts it back";

    QTest::mousePress(view, Qt::LeftButton, {}, cell);
    SendDrag(view, QPoint(0, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, view->cellRect(41).center().toPoint());
    Trigger(ctl::kSjms);
    EXPECT_EQ(view->QWidget::geometry(), home) << "a new game puts it back";
    window.reset();
  }
}

// The dialog opens centred on the window; the notice stays above its top
// edge, centred across the window, at the design size, the smallest and a
// maximised one.
TEST_F(PlayRoundWindowTest, ThePauseNoticeShowsAboveTheOptionsDialog) {
  for (const QSize size :
       {QSize(ToPixels(metrics::kDesignWidth), ToPixels(metrics::kDesignHeight)), QSize(550, 530), QSize(1366, 768)}) {
    SCOPED_TRACE(size.width());
    OpenActive();
    ResizeTo(size.width(), size.height());
    Trigger(ctl::kSjms);
    QRect notice, dialogFrame;
    window->setDialogRunner([&](QDialog& dialog) {
      dialog.show();
      Settle();
      auto* label = Child<QLabel>(ctl::LblBegin(2));
      ASSERT_TRUE(label->isVisible());
      ASSERT_EQ(label->text(), texts::kPause);
      notice = QRect(label->mapToGlobal(QPoint(0, 0)), label->size());
      dialogFrame = dialog.frameGeometry();
      dialog.reject();
    });
    Trigger(ctl::kXuanxiang);
    EXPECT_LT(notice.bottom(), dialogFrame.top());
    EXPECT_GE(notice.top(), Canvas()->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_NEAR(notice.center().x(), Canvas()->mapToGlobal(Canvas()->rect().center()).x(), 2);
    window.reset();
  }
}

// Teal on white: without an edge no pixel of the caption is dark.
TEST_F(PlayRoundWindowTest, StartScreenCaptionsCarryADarkEdgeOnABrightPicture) {
  OpenActive();
  QImage white(64, 64, QImage::Format_RGB32);
  white.fill(Qt::white);
  window->setPlayerBackground(white);
  Settle();
  const QImage shot = window->grab().toImage();
  for (int entry : {0, 1, 3}) {
    auto* label = Child<QLabel>(ctl::LblBegin(entry));
    ASSERT_TRUE(label->isVisible());
    const QRect area(label->mapTo(window.get(), QPoint(0, 0)), label->size());
    int dark = 0, caption = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = shot.pixelColor(x, y);
        dark += c.red() < 40 && c.green() < 40 && c.blue() < 40;
        caption += c == QColor(0, 128, 128);
      }
    EXPECT_GT(dark, 50) << "entry " << entry;
    EXPECT_GT(caption, 50) << "entry " << entry << " keeps its colour";
  }
}

}  // namespace
}  // namespace varelo
