// The main window's pictures for the documentation: a single grid with colour
// hints, the hint line and the cross, and the two combination orders.

#include "core/Board.h"
#include "model/Controls.h"
#include "ui/GridView.h"
#include "ui/WindowFixture.h"

namespace varelo {
namespace {

using testing::WindowTest;

constexpr char kSolution[] = "172396854596874231384521769243619587759482613861753942437265198618937425925148376";

void ShowTopBar(Controls& c, const QString& mode, const QString& level, const QString& hint) {
  c.setTop(ctl::kPicTop, 0);
  c.setTop(ctl::kImgLogo, 250);
  for (int i = 0; i < ctl::kStartEntryCount; ++i) c.setVisible(ctl::LblBegin(i), false);
  c.setText(ctl::LblTop(0), mode);
  c.setText(ctl::LblTop(1), level);
  c.setText(ctl::LblTop(2), hint);
  c.setText(ctl::LblTop(3), QStringLiteral("中等"));
  c.setText(ctl::LblTime(0), QStringLiteral("07"));
  c.setText(ctl::LblTime(1), QStringLiteral(":"));
  c.setText(ctl::LblTime(2), QStringLiteral("30"));
  c.setVisible(ctl::Command(1), true);
  c.setVisible(ctl::kImgcol, true);
  c.setVisible(ctl::kImgcle, true);
}

// Roughly `percent` of the cells, scattered the same way on every run.
void PlaceGivens(Board& board, int grid, int percent, int offset) {
  for (int n = 1; n <= 81; ++n) {
    if ((n * 37 + offset * 11 + n * n) % 100 >= percent) continue;
    board.setDigit(grid, n, kSolution[n - 1] - '0');
    board.setKind(grid, n, EntryKind::Given);
  }
}

TEST_F(WindowTest, ScreenshotOfASingleGridWithColourHints) {
  MainWindow& w = Open();
  Board& board = w.game().board();
  PlaceGivens(board, 0, 50, 0);
  for (int n : {3, 14, 25}) {
    if (board.digit(0, n) != 0) continue;
    board.setDigit(0, n, kSolution[n - 1] - '0');
    board.setKind(0, n, EntryKind::Pen);
  }
  board.setGridEditable(0, true);
  w.game().hint().RefreshHints();
  Controls& c = w.game().controls();
  ShowTopBar(c, QStringLiteral("随机"), QStringLiteral("一阶"), QStringLiteral("开启"));
  c.setVisible(ctl::PicMis(0), true);
  ResizeTo(773, 580);
  w.gridView(0)->setCrossCell(0);
  Screenshot(w, QStringLiteral("main-grid-colour-hints"));

  // The hint line and the pencil picture, as a solve run and the pen switch show them.
  c.setText(ctl::kLbltishi, QStringLiteral("求解中，请稍后……"));
  c.setVisible(ctl::kLbltishi, true);
  c.setText(ctl::kImgcol, ctl::kImgGrayPen);
  w.gridView(0)->setCrossCell(41);
  Screenshot(w, QStringLiteral("main-grid-hint-line-cross"));
}

TEST_F(WindowTest, ScreenshotsOfTheCombinationOrders) {
  MainWindow& w = Open();
  Board& board = w.game().board();
  Controls& c = w.game().controls();
  ResizeTo(1100, 760);
  for (int order : {2, 3}) {
    board.setComboOrder(order);
    for (int grid = 1; grid <= order; ++grid) {
      PlaceGivens(board, grid, 40, grid);
      c.setVisible(ctl::PicMis(grid), true);
    }
    board.clearEntry(1, 81);
    board.clearEntry(2, 1);
    board.setBackground(1, 81, colours::kSharedCorner);
    board.setBackground(2, 1, colours::kSharedCorner);
    if (order == 3) {
      board.clearEntry(2, 9);
      board.clearEntry(3, 73);
      board.setBackground(2, 9, colours::kSharedCorner);
      board.setBackground(3, 73, colours::kSharedCorner);
    }
    ShowTopBar(c, QStringLiteral("组合数独"), order == 2 ? QStringLiteral("二阶") : QStringLiteral("三阶"),
               QStringLiteral("不可用"));
    Screenshot(w, order == 2 ? QStringLiteral("order-2") : QStringLiteral("order-3"));
  }
}

}  // namespace
}  // namespace varelo
