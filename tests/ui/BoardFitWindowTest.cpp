// The grids of every layout in the real window at the design size, the
// smallest size, a maximised small screen and a size between: every square
// on the client area below the top bar, clear of the buttons and icons and
// under no other control or picture; full size wherever the window holds
// the layout; the pointer and the keys reaching every cell when drawn
// smaller; a shared corner framed by the lines of both its grids.

#include <QImage>
#include <QPushButton>

#include <set>

#include "SolveWindowDriver.h"
#include "core/Layout.h"
#include "model/Controls.h"
#include "model/Twips.h"
#include "settings/SettingsStore.h"
#include "viewmodel/WindowLayout.h"

namespace varelo {
namespace {

struct Mode {
  const char* action;
  int order;
};
constexpr Mode kModes[] = {{"sjms", 0}, {"zhej", 2}, {"zhsj", 3}, {"qjyj", 0}, {"qjej", 2}, {"qjsj", 3}};
const QSize kDesign(ToPixels(metrics::kDesignWidth), ToPixels(metrics::kDesignHeight));
const QSize kSizes[] = {kDesign, QSize(550, 530), QSize(1024, 768), QSize(740, 600)};
const QColor kLineGreen(128, 255, 128);

class BoardFitWindowTest : public testing::SolveWindowTest {
 protected:
  QWidget* Canvas() { return window->centralWidget(); }
  // Square n of a grid in the client area's pixels.
  QRectF InClient(int grid, int n) {
    GridView* view = window->gridView(grid);
    return view->cellRect(n).translated(view->mapTo(Canvas(), QPoint(0, 0)));
  }
  void Enter(const Mode& mode, QSize size) {
    Trigger(QString::fromLatin1(mode.action));
    ResizeTo(size.width(), size.height());
    ASSERT_EQ(board().comboOrder(), mode.order);
  }
  QString Where(const Mode& mode, QSize size, int grid, int n) {
    return QStringLiteral("%1 at %2x%3, grid %4 cell %5")
        .arg(QString::fromLatin1(mode.action))
        .arg(size.width())
        .arg(size.height())
        .arg(grid)
        .arg(n);
  }
  // The share of pixels in the line's colour along a line of the client area.
  static double GreenAlong(const QImage& image, QPointF from, QPointF to) {
    int green = 0, all = 0;
    for (double t = 0; t <= 1.0; t += 0.05, ++all) {
      const QPointF p = from + (to - from) * t;
      green += image.pixelColor(p.toPoint()) == kLineGreen;
    }
    return double(green) / all;
  }
  // Grid k's line i, translated into the client area and cut to the span of
  // `square` along it.
  std::pair<QPointF, QPointF> LineAt(int grid, int i, const QRectF& square) {
    GridView* view = window->gridView(grid);
    const TwipLine& l = view->geometry().line(i);
    const QPointF offset = view->mapTo(Canvas(), QPoint(0, 0));
    const QPointF a = view->ToWidget(QPointF(l.x1, l.y1)) + offset, b = view->ToWidget(QPointF(l.x2, l.y2)) + offset;
    if (l.y1 == l.y2) return {QPointF(square.left() + 2, a.y()), QPointF(square.right() - 2, a.y())};
    return {QPointF(a.x(), square.top() + 2), QPointF(b.x(), square.bottom() - 2)};
  }
};

TEST_F(BoardFitWindowTest, EveryCellOfEveryLayoutIsOnTheClientAreaAndUnderNothingAtEverySize) {
  QImage logo(3060 / 15, 615 / 15, QImage::Format_RGB32);  // the largest logo the window takes
  logo.fill(Qt::magenta);
  ASSERT_TRUE(logo.save(programDir->filePath(QStringLiteral("logo.jpg"))));
  OpenActive();
  const int topBar = ToPixels(metrics::kTopBarHeight);
  for (const Mode& mode : kModes) {
    for (QSize size : kSizes) {
      Enter(mode, size);
      SlideTopBarIn();
      if (QLatin1String(mode.action) == QLatin1String("zhsj") && (size == kDesign || size == QSize(550, 530)))
        Screenshot(*window, QStringLiteral("order-3-at-%1x%2").arg(size.width()).arg(size.height()));
      QList<QRect> controls;
      for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Imgcol", "Imgcle"})
        if (QWidget* w = Child(QString::fromLatin1(name)); w->isVisible()) controls << w->geometry();
      for (int grid : GridsInPlay(mode.order)) {
        for (int n = 1; n <= 81; ++n) {
          const QRectF square = InClient(grid, n);
          SCOPED_TRACE(Where(mode, size, grid, n).toStdString());
          EXPECT_TRUE(QRectF(Canvas()->rect()).contains(square));
          EXPECT_GE(square.top(), topBar);
          for (const QRect& control : controls) EXPECT_FALSE(square.intersects(control)) << control.x();
          // A shared corner shows the later grid's record of it.
          const auto partner = board().partner({grid, n});
          QWidget* shown = Canvas()->childAt(square.center().toPoint());
          EXPECT_TRUE(shown == window->gridView(grid) || (partner && shown == window->gridView(partner->grid)))
              << "covered by " << (shown ? shown->objectName().toStdString() : "nothing");
        }
      }
      auto together = [](QRectF a, QRectF b) {
        return std::abs(a.left() - b.left()) <= 1 && std::abs(a.top() - b.top()) <= 1;
      };
      if (mode.order >= 2) {
        EXPECT_TRUE(together(InClient(1, 81), InClient(2, 1))) << mode.action;
      }
      if (mode.order == 3) {
        EXPECT_TRUE(together(InClient(2, 9), InClient(3, 73))) << mode.action;
      }
    }
  }
}

TEST_F(BoardFitWindowTest, WhereTheWindowHoldsTheLayoutTheGridsAreAtFullSizeTwipForTwip) {
  OpenActive();
  for (const Mode& mode : kModes) {
    for (QSize size : {kDesign, QSize(1200, 900)}) {
      Enter(mode, size);
      for (int grid : GridsInPlay(mode.order)) {
        GridView* view = window->gridView(grid);
        EXPECT_EQ(view->scale(), 1.0) << mode.action << " " << size.width();
        // The container's origin where the layout puts it, each square at
        // its own twips from there.
        const QPointF origin(controls().left(ctl::PicMis(grid)) / 15.0, controls().top(ctl::PicMis(grid)) / 15.0);
        EXPECT_EQ(view->containerOrigin() + view->mapTo(Canvas(), QPoint(0, 0)), origin);
        const TwipRect s = view->geometry().square(81);
        EXPECT_EQ(view->cellRect(81),
                  QRectF(view->containerOrigin() + QPointF(s.left, s.top) / 15.0, QSizeF(s.width, s.height) / 15.0));
      }
    }
  }
}

TEST_F(BoardFitWindowTest, DrawnSmallerEveryCellFollowsThePointerAndTakesItsDigit) {
  OpenActive();
  for (const char* action : {"qjyj", "qjej", "qjsj"}) {
    Trigger(QString::fromLatin1(action));
    ResizeTo(550, 530);
    const int order = board().comboOrder();
    for (int grid : GridsInPlay(order)) {
      // The single grid fits the smallest window as it is; the chains do not.
      if (order > 0) {
        ASSERT_LT(window->gridView(grid)->scale(), 1.0) << action;
      }
      int digit = 0;
      for (int n : {2, 41, 66, 77}) {
        pointer.at = QPoint(-1000000, -1000000);
        for (int g = 0; g <= 3; ++g) window->glide().VerticalTick(g);
        pointer.at = Over(grid, n);
        for (int g = 0; g <= 3; ++g) Glide(g);
        ASSERT_EQ(game().cursors().state(grid).currentCell, n) << action << " grid " << grid;
        Key(static_cast<Qt::Key>(Qt::Key_1 + digit));
        EXPECT_EQ(board().digit(grid, n), ++digit) << action << " grid " << grid << " cell " << n;
      }
    }
  }
}

TEST_F(BoardFitWindowTest, ASharedCornerIsFramedByTheLinesOfBothItsGrids) {
  OpenActive();
  for (const char* action : {"zhej", "zhsj"}) {
    Trigger(QString::fromLatin1(action));
    ResizeTo(kDesign.width(), kDesign.height());
    const QImage image = Canvas()->grab().toImage();
    // The later grid's own border on two sides, the earlier grid's on the others.
    struct Side {
      int grid, line;
    };
    const QRectF first = InClient(2, 1);
    for (const Side side : {Side{2, 5}, Side{2, 7}, Side{1, 6}, Side{1, 8}}) {
      const auto [from, to] = LineAt(side.grid, side.line, first);
      EXPECT_GE(GreenAlong(image, from, to), 0.9) << action << ": grid " << side.grid << " Line" << side.line;
    }
    if (board().comboOrder() != 3) continue;
    const QRectF second = InClient(3, 73);
    for (const Side side : {Side{3, 5}, Side{3, 8}, Side{2, 7}, Side{2, 6}}) {
      const auto [from, to] = LineAt(side.grid, side.line, second);
      EXPECT_GE(GreenAlong(image, from, to), 0.9) << "grid " << side.grid << " Line" << side.line;
    }
  }
}

TEST_F(BoardFitWindowTest, WithTheFrameCorrectionEveryGridKeepsItsRightBorder) {
  settings.store().Write(SettingKey::FrameCorrection, QStringLiteral("yes"));
  OpenActive();
  for (const char* action : {"sjms", "zhsj"}) {
    Trigger(QString::fromLatin1(action));
    ResizeTo(kDesign.width(), kDesign.height());
    const QImage image = Canvas()->grab().toImage();
    for (int grid : GridsInPlay(board().comboOrder())) {
      const QRectF column = InClient(grid, 9).united(InClient(grid, 81));
      const auto [from, to] = LineAt(grid, 6, column);
      EXPECT_GE(GreenAlong(image, from, to), 0.9) << action << " grid " << grid;
    }
  }
}

// However small the board is drawn, every box line has one width and every
// border line another: counted across each line, in the middle of a cell
// away from every corner, in the main grid and in a further grid.
TEST_F(BoardFitWindowTest, LinesOfOneKindHaveOneWidthAtEveryScale) {
  OpenActive();
  for (const char* action : {"sjms", "zhsj"}) {
    for (const QSize size : {QSize(550, 530), QSize(620, 560), QSize(700, 600), QSize(800, 650), kDesign}) {
      Trigger(QString::fromLatin1(action));
      ResizeTo(size.width(), size.height());
      const int grid = board().comboOrder() == 0 ? 0 : 2;
      GridView* view = window->gridView(grid);
      const QImage image = view->grab().toImage();
      // Green pixels in a row across a vertical line, or a column across a horizontal one.
      auto across = [&](int i, QPointF through) {
        const TwipLine& l = view->geometry().line(i);
        const QPointF at = view->ToWidget(QPointF(l.x1, l.y1));
        const bool vertical = l.x1 == l.x2;
        const int fixed = qRound(vertical ? through.y() : through.x()), centre = qRound(vertical ? at.x() : at.y());
        int green = 0;
        for (int d = -6; d <= 6; ++d) {
          const QPoint p = vertical ? QPoint(centre + d, fixed) : QPoint(fixed, centre + d);
          green += image.rect().contains(p) && image.pixelColor(p) == kLineGreen;
        }
        return green;
      };
      std::set<int> boxWidths, borderWidths;
      for (int n : {38, 41, 44}) {  // the middle row: columns of the three boxes
        for (int i : {1, 2, 3, 4}) boxWidths.insert(across(i, view->cellRect(n).center()));
      }
      for (int i : {5, 6, 7, 8}) borderWidths.insert(across(i, view->cellRect(41).center()));
      const QString where = QStringLiteral("%1 at %2x%3, scale %4")
                                .arg(QString::fromLatin1(action))
                                .arg(size.width())
                                .arg(size.height())
                                .arg(view->scale());
      EXPECT_EQ(boxWidths.size(), 1u) << where.toStdString() << ": box lines " << *boxWidths.begin() << ".."
                                      << *boxWidths.rbegin();
      EXPECT_EQ(borderWidths.size(), 1u) << where.toStdString() << ": border lines " << *borderWidths.begin() << ".."
                                         << *borderWidths.rbegin();
      EXPECT_GE(*boxWidths.begin(), 1) << where.toStdString();
    }
  }
}

// Around a shared corner the later grid leaves the earlier grid's cells as
// the earlier grid draws them; only the later grid's border lines, kept
// whole at the corner, may cross them. At the design size and smaller.
TEST_F(BoardFitWindowTest, CellsBesideASharedCornerShowAsTheirOwnGridDrawsThem) {
  OpenActive();
  struct Beside {
    int grid, cell;
  };
  for (const QSize size : {kDesign, QSize(550, 530), QSize(740, 600)}) {
    Trigger(ctl::kZhsj);
    ResizeTo(size.width(), size.height());
    const QImage shown = Canvas()->grab().toImage();
    for (const Beside b : {Beside{1, 72}, Beside{1, 80}, Beside{2, 8}, Beside{2, 18}}) {
      GridView* view = window->gridView(b.grid);
      const QImage own = view->grab().toImage();
      const QPoint offset = view->mapTo(Canvas(), QPoint(0, 0));
      const QRect cell = view->cellRect(b.cell).toAlignedRect();
      int foreign = 0;
      for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
          const QColor seen = shown.pixelColor(QPoint(x, y) + offset);
          foreign += seen != own.pixelColor(x, y) && seen != kLineGreen;
        }
      EXPECT_EQ(foreign, 0) << "grid " << b.grid << " cell " << b.cell << " at " << size.width() << "x"
                            << size.height();
    }
  }
}

}  // namespace
}  // namespace varelo
