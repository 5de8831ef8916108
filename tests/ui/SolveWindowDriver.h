#pragma once
// Drives solve mode in the real window: the grids typed through keys and the
// pointer, the buttons clicked as widgets, menu items triggered, puzzle files
// placed in the temporary program folder, and the puzzles with a known set
// of solutions that the tests feed to the solver.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <vector>

#include "WindowFixture.h"
#include "core/Board.h"
#include "game/SolveController.h"
#include "model/Controls.h"
#include "model/Twips.h"
#include "support/Grids.h"
#include "ui/GridView.h"

namespace varelo::testing {

// Four cells on two rows and two columns spanning two boxes, holding a, b / b, a
// in a solved grid: emptied, they admit exactly the two ways round.
struct Rectangle {
  int row1, row2, column1, column2;
  std::array<int, 4> positions() const {
    return {row1 * 9 + column1, row1 * 9 + column2, row2 * 9 + column1, row2 * 9 + column2};
  }
};

// Three such rectangles of kSolution on pairwise different rows and columns,
// none on a shared corner cell: emptying k of them leaves 2^k solutions.
inline constexpr Rectangle kRectA{0, 1, 1, 4};
inline constexpr Rectangle kRectB{4, 5, 5, 8};
inline constexpr Rectangle kRectC{6, 7, 3, 7};

inline GridDigits Emptied(GridDigits grid, std::initializer_list<Rectangle> rectangles) {
  for (const Rectangle& r : rectangles)
    for (int p : r.positions()) grid[p] = 0;
  return grid;
}

inline GridDigits Turned(GridDigits grid, const Rectangle& r) {
  std::swap(grid[r.row1 * 9 + r.column1], grid[r.row1 * 9 + r.column2]);
  std::swap(grid[r.row2 * 9 + r.column1], grid[r.row2 * 9 + r.column2]);
  return grid;
}

// Every completion of `grid` with the rectangles emptied, in the order the
// search shows them: the smaller digit first at the first free cell, and so on.
inline std::vector<GridDigits> Completions(const GridDigits& grid, std::vector<Rectangle> rectangles) {
  std::vector<GridDigits> all;
  for (unsigned mask = 0; mask < (1u << rectangles.size()); ++mask) {
    GridDigits g = grid;
    for (std::size_t i = 0; i < rectangles.size(); ++i)
      if (mask & (1u << i)) g = Turned(g, rectangles[i]);
    all.push_back(g);
  }
  std::sort(all.begin(), all.end());
  return all;
}

// The rules checked from scratch: every row, column and box holds 1..9 once.
inline bool IsSolvedGrid(const GridDigits& g) {
  for (int unit = 0; unit < 9; ++unit) {
    unsigned row = 0, column = 0, box = 0;
    for (int i = 0; i < 9; ++i) {
      row |= 1u << g[unit * 9 + i];
      column |= 1u << g[i * 9 + unit];
      box |= 1u << g[(unit / 3 * 3 + i / 3) * 9 + unit % 3 * 3 + i % 3];
    }
    if (row != 0x3FE || column != 0x3FE || box != 0x3FE) return false;
  }
  return true;
}

// The file text the save side must produce, spelled out here on its own.
inline QByteArray ExpectedFileText(const std::vector<GridDigits>& grids) {
  QByteArray text;
  for (std::size_t i = 0; i < grids.size(); ++i) {
    if (i > 0) text += "\r\n\r\n\r\n";
    for (int row = 0; row < 9; ++row) {
      for (int column = 0; column < 9; ++column) {
        text += char('0' + grids[i][row * 9 + column]);
        if (column == 2 || column == 5) text += ' ';
      }
      text += "\r\n";
      if (row == 2 || row == 5) text += "\r\n";
    }
  }
  return text;
}

class SolveWindowTest : public WindowTest {
 protected:
  Game& game() { return window->game(); }
  Board& board() { return game().board(); }
  Controls& controls() { return game().controls(); }
  SolveController& solver() { return game().solver(); }

  // Opens the window with the fixture's prompter, or with `asker` when given.
  MainWindow& OpenActive(Prompter* asker = nullptr) {
    if (asker) {
      window = std::make_unique<MainWindow>(settings.store(), AppPaths{programDir->path()}, asker, &pointer);
      window->show();
      Settle();
    } else {
      Open();
    }
    ResizeTo(1100, 760);
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
  }

  template <typename T = QWidget>
  T* Child(const QString& name) {
    auto* child = window->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  QPushButton* Button(int i) { return Child<QPushButton>(ctl::Command(i)); }
  QAction* Action(const QString& name) { return Child<QAction>(name); }

  void Key(Qt::Key key) { QTest::keyClick(window.get(), key); }
  void Press(int command) {
    QPushButton* button = Button(command);
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << "Command" << command;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void Trigger(const QString& name) {
    QAction* action = Action(name);
    ASSERT_TRUE(action->isVisible() && action->isEnabled()) << name.toStdString();
    action->trigger();
    Settle();
  }

  // Caption and enabled state of the three buttons as the widgets show them.
  QString Buttons() {
    auto mark = [this](int i) { return QString::fromLatin1(Button(i)->isEnabled() ? "+" : "-"); };
    return Button(2)->text() + mark(2) + " 3" + mark(3) + " 4" + mark(4);
  }
  QString Hint() {
    auto* line = Child<QLabel>(ctl::kLbltishi);
    return line->isVisible() ? line->text() : QStringLiteral("(hidden)");
  }
  QTimer* Timer(const char* name) { return game().findChild<QTimer*>(QString::fromLatin1(name)); }

  // The event loop turns until the run has ended (a bounded number of turns).
  void FinishRun() {
    for (int i = 0; i < 100000 && solver().running(); ++i) QApplication::processEvents();
    ASSERT_FALSE(solver().running());
    Settle();
  }
  void Hold() {
    solver().runner().setGate([] { return false; });
  }
  // Lets `slices` slices through, then holds the run.
  void HoldAfter(int slices) {
    solver().runner().setGate([left = slices]() mutable { return left-- > 0; });
  }
  void Release() { solver().runner().setGate({}); }

  void Glide(int grid) {
    for (int tick = 0; tick < 40; ++tick) {
      window->glide().VerticalTick(grid);
      window->glide().HorizontalTick(grid);
    }
  }
  // Steps the main grid's cursor with the arrow keys, the pointer away.
  void StepTo(int cell) {
    pointer.at = QPoint(-1000000, -1000000);
    while (game().cursors().state(0).currentCell != cell) {
      const int current = game().cursors().state(0).currentCell;
      const int dRow = (cell - 1) / 9 - (current - 1) / 9;
      const int dColumn = (cell - 1) % 9 - (current - 1) % 9;
      Key(dRow > 0 ? Qt::Key_Down : dRow < 0 ? Qt::Key_Up : dColumn > 0 ? Qt::Key_Right : Qt::Key_Left);
      Glide(0);
      ASSERT_NE(game().cursors().state(0).currentCell, current) << "the cursor did not move";
    }
  }
  void TypeAt(int cell, int digit) {
    StepTo(cell);
    Key(static_cast<Qt::Key>(Qt::Key_0 + digit));
  }
  // The pointer's place over the middle of a square, in screen twips.
  QPoint Over(int grid, int cell) {
    GridView* view = window->gridView(grid);
    return (view->mapToGlobal(view->cellRect(cell).center()) * kTwipsPerPixel).toPoint();
  }

  // Puzzle files go into the program folder's "solve".
  QString SolveDir() { return programDir->path() + QStringLiteral("/solve"); }
  QString SolveFile(const QString& name) { return SolveDir() + u'/' + name; }
  void PlaceFile(const QString& name, const QByteArray& text) {
    QDir().mkpath(SolveDir());
    QFile file(SolveFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QByteArray FileContent(const QString& name) {
    QFile file(SolveFile(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
  }
  // Opens "读取与保存" as the player does, which rebuilds the file list.
  void OpenFileMenu() {
    auto* submenu = Child<QMenu>(ctl::kWenjian);
    ASSERT_TRUE(submenu->menuAction()->isVisible());
    submenu->popup(QPoint(0, 0));
    Settle();
    submenu->hide();
    Settle();
  }
  QStringList FileMenuCaptions() {
    QStringList captions;
    for (int i = 0; i < window->fileMenu().count(); ++i)
      if (window->fileMenu().item(i)->isVisible()) captions << window->fileMenu().item(i)->text();
    return captions;
  }
  void LoadFile(int item) {
    OpenFileMenu();
    ASSERT_LT(item, window->fileMenu().count());
    window->fileMenu().item(item)->trigger();
    Settle();
  }

  GridDigits Digits(int grid) { return board().digitsOf(grid); }
  int CountInk(int grid, Rgb ink) {
    int count = 0;
    for (int n = 1; n <= 81; ++n) count += board().digit(grid, n) != 0 && board().ink(grid, n) == ink;
    return count;
  }
  // Pixels of exactly this colour inside a cell's square of the drawn grid.
  int PixelsOf(int grid, int cell, QColor colour) {
    const QImage image = window->gridView(grid)->grab().toImage();
    const QRect square = window->gridView(grid)->cellRect(cell).toRect().adjusted(1, 1, -1, -1);
    int count = 0;
    for (int y = square.top(); y <= square.bottom(); ++y)
      for (int x = square.left(); x <= square.right(); ++x) count += image.pixelColor(x, y).rgb() == colour.rgb();
    return count;
  }
  QStringList Asked() {
    QStringList texts;
    for (const Prompt& p : prompter.asked) texts << p.text;
    return texts;
  }
  bool SolvingMenus() {
    return Action(ctl::kQxqj)->isVisible() && Action(ctl::kMnucav5)->isVisible() && !Action(ctl::kCssd)->isEnabled() &&
           !Action(ctl::kZhsd)->isEnabled() && !Action(ctl::kQjsd)->isEnabled() &&
           !Action(ctl::kXuanxiang)->isEnabled() && !Button(5)->isEnabled() && !Action(ctl::kWenjian)->isVisible() &&
           !Action(ctl::kMnucav6)->isVisible();
  }
  bool IdleMenus() {
    return !Action(ctl::kQxqj)->isVisible() && !Action(ctl::kMnucav5)->isVisible() && Action(ctl::kCssd)->isEnabled() &&
           Action(ctl::kZhsd)->isEnabled() && Action(ctl::kQjsd)->isEnabled() && Action(ctl::kXuanxiang)->isEnabled() &&
           Button(5)->isEnabled() && Action(ctl::kWenjian)->isVisible() && Action(ctl::kMnucav6)->isVisible();
  }
  void SlideTopBarIn() {
    for (int i = 0; i < 6; ++i) game().topBar().SlideInTick();
    Settle();
  }
};

}  // namespace varelo::testing
