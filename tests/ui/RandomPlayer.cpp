#include "RandomPlayer.h"

#include <QCheckBox>
#include <QDate>
#include <QEnterEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>

#include <algorithm>

#include "game/Completion.h"
#include "game/GameClock.h"
#include "input/ConflictMarker.h"
#include "model/Controls.h"
#include "settings/SettingsStore.h"
#include "solver/SearchOrder.h"

namespace varelo::testing {

namespace {

QString EraseTimer(int grid) { return grid == 0 ? ctl::GridTimer(3, 0) : QStringLiteral("Timer3%1").arg(grid); }

// The symbols of the digit row with Shift held, in digit order 0..9.
constexpr Qt::Key kShiftedDigits[10] = {Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
                                        Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
                                        Qt::Key_Asterisk,   Qt::Key_ParenLeft};

Qt::Key DigitKeyOf(int digit) { return static_cast<Qt::Key>(Qt::Key_0 + digit); }

// How often each kind of event comes, out of the sum of the weights.
struct Weight {
  int kind;
  int weight;
};

bool Trace() { return !qEnvironmentVariableIsEmpty("VARELO_RANDOM_PLAY_TRACE"); }

std::unique_ptr<QFile> ScreensFile(std::uint64_t seed) {
  const QString folder = qEnvironmentVariable("VARELO_RANDOM_PLAY_SCREENS");
  if (folder.isEmpty()) return nullptr;
  auto file = std::make_unique<QFile>(folder + QStringLiteral("/%1.txt").arg(seed));
  if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) return nullptr;
  return file;
}

}  // namespace

const char* RandomPlayer::NameOf(Kind kind) {
  static const char* kNames[] = {"digit",     "erase",        "arrow",     "modified key", "other key",
                                 "Esc",       "pointer",      "glide",     "smart entry",  "tool",
                                 "button",    "start screen", "menu",      "function key", "level menu",
                                 "file menu", "timer",        "slices",    "idle",         "resize",
                                 "minimise",  "options",      "hint line", "drag",         "exit"};
  return kNames[static_cast<int>(kind)];
}

int RandomPlayer::Below(int bound) { return bound <= 1 ? 0 : static_cast<int>(stream_() % std::uint64_t(bound)); }

void RandomPlayer::Start(std::uint64_t seed) {
  seed_ = seed;
  stream_.seed(seed);
  // Esc asks the quit question, which the stream always answers Cancel.
  settings.store().Write(SettingKey::BossKey, QStringLiteral("0"));
  asker_ = std::make_unique<RandomPrompter>([this](int bound) { return Below(bound); });
  asker_->whileOpen = [this](int depth) {
    if (depth == 1 && Chance(30)) BackgroundTicks(1 + Below(4));
  };
  OpenActive(asker_.get());
  invariants_ = std::make_unique<PlayInvariants>(*window, settings.store());
  asker_->answered = [this](const Prompt& prompt, Answer answer) {
    if (prompt.text == texts::kOptionsRestartQuestion && answer == Answer::No) invariants_->RestartDeclined();
  };
  window->setDialogRunner([this](QDialog& dialog) { DriveOptions(dialog); });

  // Everything the game draws at random follows the seed.
  game().random().PinClock(seed);
  game().random().Reseed(static_cast<std::int64_t>(seed));
  const int month = 1 + Below(12);
  solver().setCalendar([month] { return QDate(2024, month, 15); });

  GameLinks& links = game().links();
  links.randomFill = [this, fill = links.randomFill](const FillRequest& request) {
    FilledGrid filled = fill(request);
    generated_[request.comboOrder == 0 ? 0 : request.workGrid] = filled.digits;
    return filled;
  };
  // Every new puzzle and every solve-mode entry slides the top bar in.
  timeBar_ = std::make_unique<TimeBarWatch>(*window);
  links.slideTopBarIn = [this, slide = links.slideTopBarIn] {
    ++newPuzzles_;
    fixedMayChange_ = true;
    invariants_->GameBegan();
    tickProblems_ << timeBar_->NewGame();
    if (slide) slide();
  };
  Fire(ctl::kTimer18);
  QObject::connect(&controls(), &Controls::changed, window.get(), [this](const QString& name) {
    if (name == ctl::Command(2) && controls().text(name) == texts::kNextSolution) ++solutionsShown_;
  });

  // Files the stream may load or pick in the Options dialog.
  PlaceFile(QStringLiteral("sk2.txt"), QByteArray(kSolution).replace('4', '0'));
  PlaceFile(QStringLiteral("sk5.txt"), "junk 1 1 2 3 9 9\r\n5 5");
  QFile text(programDir->filePath(QStringLiteral("notes.txt")));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a picture\n");
  QImage picture(32, 24, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  ASSERT_TRUE(picture.save(programDir->filePath(QStringLiteral("back.png"))));
  Quiet();
}

void RandomPlayer::Quiet() {
  for (int i = 0; i < 2; ++i) QApplication::processEvents(QEventLoop::X11ExcludeTimers);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

RandomPlayer::Kind RandomPlayer::Choose() {
  if (focus_ > 0 && Chance(70)) return Kind::SmartEntry;
  if (focus_ == 0 && Below(300) == 0) focus_ = 50 + Below(400);
  static constexpr Weight kWeights[] = {
      {int(Kind::DigitKey), 150},    {int(Kind::EraseKey), 40},    {int(Kind::ArrowKey), 80},
      {int(Kind::ModifiedKey), 25},  {int(Kind::OtherKey), 15},    {int(Kind::Escape), 4},
      {int(Kind::PointerMove), 100}, {int(Kind::Glide), 130},      {int(Kind::SmartEntry), 50},
      {int(Kind::ToolClick), 15},    {int(Kind::ButtonClick), 25}, {int(Kind::StartScreen), 15},
      {int(Kind::MenuItem), 12},     {int(Kind::FunctionKey), 8},  {int(Kind::LevelMenu), 4},
      {int(Kind::FileMenu), 10},     {int(Kind::TimerTick), 150},  {int(Kind::SolveSlices), 40},
      {int(Kind::Idle), 8},          {int(Kind::Resize), 10},      {int(Kind::MinimiseRestore), 3},
      {int(Kind::Options), 5},       {int(Kind::HintLine), 3},     {int(Kind::DragMainGrid), 3},
      {int(Kind::Exit), 2}};
  int total = 0;
  for (const Weight& w : kWeights) total += w.weight;
  for (;;) {
    int draw = Below(total);
    Kind kind = Kind::DigitKey;
    for (const Weight& w : kWeights) {
      if (draw < w.weight) {
        kind = static_cast<Kind>(w.kind);
        break;
      }
      draw -= w.weight;
    }
    // While solving a grid the player seldom leaves it.
    const bool solving = board().inSolveMode() && kind == Kind::ButtonClick;
    const bool leaves = kind == Kind::MenuItem || kind == Kind::FunctionKey || kind == Kind::LevelMenu ||
                        (kind == Kind::ButtonClick && !solving) || kind == Kind::Options || kind == Kind::FileMenu;
    if (focus_ > 0 && leaves && Chance(90)) continue;
    return kind;
  }
}

void RandomPlayer::Play(int events) {
  const bool trace = Trace();
  const auto screens = ScreensFile(seed_);
  for (int index = 0; index < events; ++index) {
    invariants_->Snapshot();
    tickProblems_.clear();
    Kind kind = Kind::DigitKey;
    bool done = false;
    for (int attempt = 0; attempt < 100 && !done; ++attempt) {
      kind = Choose();
      fixedMayChange_ = false;
      done = Perform(kind);
    }
    if (!done) Did(QStringLiteral("(nothing to do)"));
    // The window paints what the event left after every eighth event: the
    // paint code sees the states, at an eighth of the time.
    window->setUpdatesEnabled(index % 8 == 7);
    Quiet();
    ++performed_[QString::fromLatin1(NameOf(kind))];
    recent_ << QStringLiteral("#%1 %2").arg(index).arg(lastEvent_);
    if (recent_.size() > 30) recent_.removeFirst();
    if (trace) qInfo().noquote() << recent_.last() << Corners();
    if (screens) screens->write((Screen() + u'\n').toUtf8());
    if (focus_ > 0) --focus_;

    QStringList problems = tickProblems_ + invariants_->Check(fixedMayChange_) + timeBar_->Check();
    if (!window->isVisible()) problems << QStringLiteral("the window has closed");
    if (!problems.isEmpty()) return ReportFailure(index, problems);
  }
}

void RandomPlayer::ReportFailure(int index, const QStringList& problems) {
  ADD_FAILURE() << "seed " << seed_ << ", event " << index << " (" << lastEvent_.toStdString() << "):\n  "
                << problems.join(QStringLiteral("\n  ")).toStdString()
                << "\nreplay with VARELO_RANDOM_PLAY_SEED=" << seed_ << " VARELO_RANDOM_PLAY_EVENTS=" << index + 1
                << "\nthe last events:\n  " << recent_.join(QStringLiteral("\n  ")).toStdString() << "\n"
                << invariants_->Dump().toStdString();
}

QString RandomPlayer::Summary() const {
  QStringList parts;
  for (auto it = performed_.begin(); it != performed_.end(); ++it)
    parts << it.key() + u' ' + QString::number(it.value());
  QMap<QString, int> messages;
  for (const QString& text : asker_->asked) ++messages[text.section(u'\n', 0, 0)];
  QStringList shown;
  for (auto it = messages.begin(); it != messages.end(); ++it) shown << it.key() + u' ' + QString::number(it.value());
  return QStringLiteral("seed %1: %2 new puzzles, %3 solve runs, %4 solutions shown; events: %5; messages: %6")
      .arg(seed_)
      .arg(newPuzzles_)
      .arg(solveRuns_)
      .arg(solutionsShown_)
      .arg(parts.join(QStringLiteral(", ")), shown.join(QStringLiteral(", ")));
}

QString RandomPlayer::Screen() {
  QStringList parts{QStringLiteral("order %1 solve %2").arg(board().comboOrder()).arg(board().inSolveMode())};
  // Grids out of play are not drawn; their leftovers are no part of the screen.
  for (int grid : GridsInPlay(board().comboOrder())) {
    QString cells = QStringLiteral("g%1%2:").arg(grid).arg(board().gridEditable(grid) ? u'e' : u'-');
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      const CellState& c = board().cell(grid, n);
      cells += QStringLiteral("%1").arg(board().background(grid, n).ToValue(), 0, 16);
      const QChar kind = board().isFixed(grid, n) ? u'f' : c.kind == EntryKind::Pencil ? u'p' : u'-';
      // A digit the solver hides while it runs is not drawn.
      if (c.digit != 0 && c.digitShown)
        cells += QStringLiteral("=%1%2/%3").arg(c.digit).arg(kind).arg(board().ink(grid, n).ToValue(), 0, 16);
      cells += u',';
    }
    parts << cells;
  }
  QStringList names = controls().names();
  names.sort();
  for (const QString& name : names) {
    const ControlState& c = controls().state(name);
    parts << QStringLiteral("%1[%2|%3|%4%5|%6|%7,%8,%9]")
                 .arg(name, c.text, c.toolTip)
                 .arg(c.visible ? u'v' : u'-')
                 .arg(c.enabled ? u'e' : u'-')
                 .arg(c.colour.ToValue(), 0, 16)
                 .arg(c.left)
                 .arg(c.top)
                 .arg(c.width);
  }
  return parts.join(u' ');
}

// The records of the shared corners (digit, kind, ink) for a trace.
QString RandomPlayer::Corners() {
  const int order = board().comboOrder();
  if (order < 2) return {};
  auto record = [this](int grid, int n) {
    const CellState& c = board().cell(grid, n);
    return QStringLiteral("%1/%2:%3%4#%5")
        .arg(grid)
        .arg(n)
        .arg(c.digit)
        .arg(QChar(u"0123"[int(c.kind)]))
        .arg(board().InkOf(c).ToValue(), 0, 16);
  };
  QString text = QStringLiteral(" | ") + record(1, 81) + u' ' + record(2, 1);
  if (order == 3) text += u' ' + record(2, 9) + u' ' + record(3, 73);
  return text;
}

bool RandomPlayer::Perform(Kind kind) {
  // A minimised window takes no input; time goes on.
  const bool input = kind != Kind::TimerTick && kind != Kind::SolveSlices && kind != Kind::Idle &&
                     kind != Kind::Glide && kind != Kind::MinimiseRestore;
  if (window->isMinimized() && input) return false;
  switch (kind) {
    case Kind::DigitKey: return DigitKey();
    case Kind::EraseKey: return EraseKey();
    case Kind::ArrowKey: return ArrowKey();
    case Kind::ModifiedKey: return ModifiedKey();
    case Kind::OtherKey: return OtherKey();
    case Kind::Escape: return Escape();
    case Kind::PointerMove: return PointerMove();
    case Kind::Glide: return GlideRounds(1 + Below(40));
    case Kind::SmartEntry: return SmartEntry();
    case Kind::ToolClick: return ToolClick();
    case Kind::ButtonClick: return ButtonClick();
    case Kind::StartScreen: return StartScreen();
    case Kind::MenuItem: return MenuItem();
    case Kind::FunctionKey: return FunctionKey();
    case Kind::LevelMenu: return LevelMenu();
    case Kind::FileMenu: return FileMenu();
    case Kind::TimerTick: return TimerTick();
    case Kind::SolveSlices: return SolveSlices(1 + Below(20));
    case Kind::Idle: return Idle();
    case Kind::Resize: return Resize();
    case Kind::MinimiseRestore: return MinimiseRestore();
    case Kind::Options: return OpenOptions();
    case Kind::HintLine: return HintLine();
    case Kind::DragMainGrid: return DragMainGrid();
    case Kind::Exit: return Exit();
    case Kind::Count: break;
  }
  return false;
}

// ---- keys -------------------------------------------------------------

void RandomPlayer::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window.get(), key, modifiers);
}

bool RandomPlayer::DigitKey() {
  const int digit = 1 + Below(9);
  switch (Below(4)) {
    case 0: Press(DigitKeyOf(digit)); break;
    case 1: Press(DigitKeyOf(digit), Qt::KeypadModifier); break;
    case 2: Press(kShiftedDigits[digit], Qt::ShiftModifier); break;
    default: Press(DigitKeyOf(digit), Qt::ShiftModifier); break;
  }
  return Did(QStringLiteral("digit %1").arg(digit));
}

bool RandomPlayer::EraseKey() {
  const Qt::KeyboardModifiers shift = Chance(20) ? Qt::ShiftModifier : Qt::NoModifier;
  switch (Below(3)) {
    case 0: Press(Qt::Key_Backspace, shift); break;
    case 1: Press(Qt::Key_0, shift); break;
    default: Press(Qt::Key_0, shift | Qt::KeypadModifier); break;
  }
  return Did(QStringLiteral("erase"));
}

bool RandomPlayer::ArrowKey() {
  static constexpr Qt::Key kArrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
  const Qt::Key key = kArrows[Below(4)];
  const bool shift = Chance(20);
  Press(key, shift ? Qt::ShiftModifier : Qt::NoModifier);
  return Did(QStringLiteral("%1arrow %2").arg(shift ? QStringLiteral("Shift+") : QString()).arg(key));
}

bool RandomPlayer::ModifiedKey() {
  static const Qt::KeyboardModifiers kCombinations[] = {
      Qt::ControlModifier, Qt::AltModifier, Qt::ControlModifier | Qt::AltModifier,
      Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::ShiftModifier};
  Qt::KeyboardModifiers modifiers = kCombinations[Below(5)];
  const int digit = Chance(40) ? 7 : Below(10);
  if (Chance(30)) modifiers |= Qt::KeypadModifier;
  if (Chance(15)) {
    Press(Qt::Key_Left, modifiers & ~Qt::KeypadModifier);
  } else {
    Press(DigitKeyOf(digit), modifiers);
  }
  return Did(QStringLiteral("modified key %1 with %2").arg(digit).arg(int(modifiers)));
}

bool RandomPlayer::OtherKey() {
  static constexpr Qt::Key kKeys[] = {Qt::Key_Shift,  Qt::Key_Control, Qt::Key_Alt,    Qt::Key_Delete,
                                      Qt::Key_Space,  Qt::Key_Return,  Qt::Key_Home,   Qt::Key_A,
                                      Qt::Key_Z,      Qt::Key_F1,      Qt::Key_F5,     Qt::Key_F10,
                                      Qt::Key_Insert, Qt::Key_PageUp,  Qt::Key_Period, Qt::Key_Minus};
  const Qt::Key key = kKeys[Below(16)];
  Press(key, Chance(20) ? Qt::ShiftModifier : Qt::NoModifier);
  return Did(QStringLiteral("key %1").arg(key));
}

bool RandomPlayer::Escape() {
  Press(Qt::Key_Escape, Chance(20) ? Qt::ShiftModifier : Qt::NoModifier);
  return Did(QStringLiteral("Esc"));
}

bool RandomPlayer::FunctionKey() {
  static constexpr Qt::Key kModes[] = {Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F11, Qt::Key_F12};
  const int index = Below(6);
  Press(kModes[index]);
  fixedMayChange_ = true;
  return Did(QStringLiteral("F%1").arg(index < 4 ? 6 + index : 7 + index));
}

// ---- the pointer and the glide -----------------------------------------

bool RandomPlayer::PointerMove() {
  const auto inPlay = GridsInPlay(board().comboOrder());
  switch (Below(6)) {
    case 0:
    case 1:
    case 2: {
      const int grid = Chance(75) ? inPlay[Below(int(inPlay.size()))] : Below(4);
      const int cell = 1 + Below(81);
      MovePointer(Over(grid, cell));
      return Did(QStringLiteral("pointer over grid %1 cell %2").arg(grid).arg(cell));
    }
    case 3: {
      static constexpr CellRef kCorners[] = {{1, 81}, {2, 1}, {2, 9}, {3, 73}};
      const CellRef corner = kCorners[Below(4)];
      MovePointer(Over(corner.grid, corner.cell));
      return Did(QStringLiteral("pointer over corner %1/%2").arg(corner.grid).arg(corner.cell));
    }
    case 4: MovePointer(QPoint(-1000000, -1000000)); return Did(QStringLiteral("pointer away"));
    default: {
      const QPoint local(Below(std::max(1, window->width())), Below(std::max(1, window->height())));
      MovePointer(window->mapToGlobal(local) * kTwipsPerPixel);
      return Did(QStringLiteral("pointer at %1,%2").arg(local.x()).arg(local.y()));
    }
  }
}

// One round is one tick of every running glide timer, in the order the
// timers happen to fire. False when no grid glides.
bool RandomPlayer::Glide(int rounds) {
  QList<int> grids;
  for (int grid = 0; grid < kGridCount; ++grid)
    if (window->glide().timersRunning(grid)) grids << grid;
  if (grids.isEmpty()) return false;
  for (int round = 0; round < rounds; ++round) {
    for (int i = int(grids.size()) - 1; i > 0; --i) grids.swapItemsAt(i, Below(i + 1));
    for (int grid : grids) {
      if (!window->glide().timersRunning(grid)) continue;
      if (Chance(50)) {
        window->glide().VerticalTick(grid);
        window->glide().HorizontalTick(grid);
      } else {
        window->glide().HorizontalTick(grid);
        window->glide().VerticalTick(grid);
      }
    }
  }
  return true;
}

bool RandomPlayer::GlideRounds(int rounds) {
  return Glide(rounds) && Did(QStringLiteral("%1 glide rounds").arg(rounds));
}

// The stream's pointer moves without the window system, so the glide hears
// of it directly, as the window's pointer watch would tell it.
void RandomPlayer::MovePointer(QPoint twips) {
  pointer.at = twips;
  window->glide().Wake();
}

bool RandomPlayer::BringCursorTo(int grid, int cell) {
  MovePointer(Over(grid, cell));
  for (int round = 0; round < 80; ++round) {
    Glide(1);
    const CursorState& cursor = game().cursors().state(grid);
    if (cursor.currentCell == cell && cursor.atRest() && cursor.vertical == 0 && cursor.horizontal == 0 &&
        (grid == 0 || cursor.frameShown))
      return true;
  }
  return false;
}

// A valid grid that agrees with the givens: the generator's, or in solve
// mode a known grid chained through the corners; failing those the first
// completion of the givens.
std::optional<GridDigits> RandomPlayer::KnownSolution(int grid) {
  if (board().inSolveMode()) {
    const GridDigits first = RelabelledGrid(0, 0);
    if (grid <= 1) return first;
    const GridDigits second = RelabelledGrid(0, first[80]);
    return grid == 2 ? second : RelabelledGrid(72, second[8]);
  }
  auto agrees = [&](const GridDigits& solution) {
    for (int n = 1; n <= kCellsPerGrid; ++n)
      if (board().isFixed(grid, n) && board().digit(grid, n) != solution[n - 1]) return false;
    return true;
  };
  if (generated_[grid] && agrees(*generated_[grid])) return generated_[grid];
  fast::SearchGrid givens;
  for (int n = 1; n <= kCellsPerGrid; ++n) {
    if (!board().isFixed(grid, n)) continue;
    givens.digits[n - 1] = static_cast<unsigned char>(board().digit(grid, n));
    givens.fixed[n - 1] = true;
  }
  generated_[grid] = fast::NextInSearchOrder(givens, 0);
  return generated_[grid];
}

// The player who knows the answer: the right digit into a cell that lacks it.
bool RandomPlayer::SmartEntry() {
  QList<int> grids;
  for (int grid : GridsInPlay(board().comboOrder()))
    if (board().gridEditable(grid) && controls().isVisible(ctl::PicMis(grid))) grids << grid;
  if (grids.isEmpty()) return false;
  const int grid = grids[Below(int(grids.size()))];
  const auto solution = KnownSolution(grid);
  if (!solution) return false;
  if (board().inSolveMode()) {
    // A puzzle for the solver: typed up to a number of digits drawn afresh
    // for each empty grid, now and then the whole grid.
    int typed = 0;
    for (int n = 1; n <= kCellsPerGrid; ++n) typed += board().digit(grid, n) != 0;
    if (typed == 0) solveTarget_ = Chance(10) ? kCellsPerGrid : 18 + Below(30);
    if (typed >= solveTarget_) return false;
  }
  QList<int> cells;
  for (int n = 1; n <= kCellsPerGrid; ++n)
    if (!board().isFixed(grid, n) && board().digit(grid, n) != (*solution)[n - 1]) cells << n;
  if (cells.isEmpty()) return false;
  const int cell = cells[Below(int(cells.size()))];
  const int digit = (*solution)[cell - 1];
  if (!BringCursorTo(grid, cell)) return Did(QStringLiteral("smart entry: no cursor on %1/%2").arg(grid).arg(cell));
  Press(DigitKeyOf(digit));
  return Did(QStringLiteral("smart entry %1 in grid %2 cell %3").arg(digit).arg(grid).arg(cell));
}

bool RandomPlayer::DragMainGrid() {
  GridView* view = window->gridView(0);
  if (!view->isVisible()) return false;
  const QPoint from = view->cellRect(1 + Below(81)).center().toPoint();
  const QPoint to = from + QPoint(Below(241) - 120, Below(241) - 120);
  auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton);
  send(QEvent::MouseMove, to, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, to, Qt::NoButton);
  return Did(QStringLiteral("drag the main grid by %1,%2").arg((to - from).x()).arg((to - from).y()));
}

// ---- clicks and menus ---------------------------------------------------

bool RandomPlayer::ClickWidget(const QString& name) {
  auto* widget = window->findChild<QWidget*>(name);
  if (!widget || !widget->isVisible() || !widget->isEnabled()) return false;
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
  return Did(QStringLiteral("click %1").arg(name));
}

bool RandomPlayer::ToolClick() { return ClickWidget(Chance(50) ? ctl::kImgcol : ctl::kImgcle); }

bool RandomPlayer::HintLine() { return ClickWidget(ctl::kLbltishi); }

bool RandomPlayer::ButtonClick() {
  // In solve mode mostly "求解"; in a game the restart is the only button.
  static constexpr int kSolveButtons[] = {2, 2, 2, 2, 2, 3, 4, 4, 5, 5};
  const int command = board().inSolveMode() ? kSolveButtons[Below(10)] : 1 + Below(5);
  const QString caption = controls().text(ctl::Command(command));
  if (!ClickWidget(ctl::Command(command))) return false;
  if (command == 2 && caption != texts::kCancel) ++solveRuns_;
  if (command <= 4) fixedMayChange_ = true;  // restart, solve, reset, clear results
  return true;
}

bool RandomPlayer::StartScreen() {
  if (Chance(30)) {
    const QString name = ctl::LblBegin(Below(3));
    auto* label = window->findChild<QWidget*>(name);
    if (!label || !label->isVisible()) return false;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(label, &enter);
    return Did(QStringLiteral("hover %1").arg(name));
  }
  if (Chance(20)) return ClickWidget(Chance(50) ? ctl::kImgLa : ctl::kImgRa);
  const int entry = Below(ctl::kStartEntryCount);
  if (entry == 4 || entry == 5) return false;  // About and the rules: information only
  fixedMayChange_ = true;
  if (!ClickWidget(ctl::LblBegin(entry))) return false;
  if (entry == 3) AfterOptions();
  return true;
}

// Whether the player can reach the item: it and every menu above it shown
// and enabled.
bool RandomPlayer::Reachable(QAction* action) const {
  if (!action || !action->isVisible() || !action->isEnabled()) return false;
  for (QObject* owner : action->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(owner)) return Reachable(menu->menuAction());
  return true;
}

bool RandomPlayer::TriggerIfReachable(QAction* action) {
  if (!Reachable(action)) return false;
  action->trigger();
  return Did(QStringLiteral("menu %1").arg(action->objectName()));
}

bool RandomPlayer::MenuItem() {
  static const char* kItems[] = {"sjms", "zhej", "zhsj", "qjyj", "qjej", "qjsj", "qxqj", "baocun"};
  const QString name = QString::fromLatin1(kItems[Below(8)]);
  fixedMayChange_ = name != ctl::kBaocun;
  return TriggerIfReachable(window->findChild<QAction*>(name));
}

bool RandomPlayer::LevelMenu() {
  const int count = window->levelMenu().count();
  fixedMayChange_ = true;
  return TriggerIfReachable(window->levelMenu().item(Below(count)));
}

bool RandomPlayer::FileMenu() {
  auto* submenu = window->findChild<QMenu*>(ctl::kWenjian);
  if (!submenu || !Reachable(submenu->menuAction())) return false;
  emit submenu->aboutToShow();  // opening it lists the files afresh
  if (Chance(30)) return TriggerIfReachable(window->findChild<QAction*>(ctl::kBaocun));
  fixedMayChange_ = true;
  return TriggerIfReachable(window->fileMenu().item(Below(window->fileMenu().count())));
}

bool RandomPlayer::Exit() {
  switch (Below(3)) {
    case 0: return TriggerIfReachable(window->findChild<QAction*>(ctl::kTuichu));
    case 1: return ClickWidget(ctl::LblBegin(6));
    default: window->close(); return Did(QStringLiteral("close the window"));
  }
}

// ---- the Options dialog -------------------------------------------------

bool RandomPlayer::OpenOptions() {
  fixedMayChange_ = true;  // OK may restart the game
  const bool opened =
      Chance(50) ? TriggerIfReachable(window->findChild<QAction*>(ctl::kXuanxiang)) : ClickWidget(ctl::LblBegin(3));
  if (!opened) return false;
  AfterOptions();
  return true;
}

void RandomPlayer::DriveOptions(QDialog& dialog) {
  auto find = [&dialog](const char* name) { return dialog.findChild<QWidget*>(QString::fromLatin1(name)); };
  QStringList edits;
  for (int i = Below(5); i > 0; --i) {
    switch (Below(7)) {
      case 0:
        qobject_cast<QCheckBox*>(find("Check1"))->click();
        edits << QStringLiteral("colour hint");
        break;
      case 1:
        qobject_cast<QCheckBox*>(find("Check2"))->click();
        edits << QStringLiteral("boss key");
        break;
      case 2: {
        const int option = Below(4);
        dialog.findChild<QRadioButton*>(ctl::Indexed("Option1", option))->click();
        edits << QStringLiteral("difficulty %1").arg(option + 1);
        break;
      }
      case 3: {
        static const char* kGivens[] = {"35", "11", "75", "20", "7", "80", "", "0040"};
        const char* givens = kGivens[Below(8)];
        qobject_cast<QLineEdit*>(find("Text1"))->setText(QString::fromLatin1(givens));
        edits << QStringLiteral("givens \"%1\"").arg(QString::fromLatin1(givens));
        break;
      }
      case 4: {
        const QString paths[] = {QStringLiteral("默认"), programDir->filePath(QStringLiteral("missing.jpg")),
                                 programDir->filePath(QStringLiteral("notes.txt")),
                                 programDir->filePath(QStringLiteral("back.png"))};
        const QString path = paths[Below(4)];
        qobject_cast<QLineEdit*>(find("Text3"))->setText(path);
        edits << QStringLiteral("background %1").arg(QFileInfo(path).fileName());
        break;
      }
      case 5:
        qobject_cast<QPushButton*>(find("Command3"))->click();
        edits << QStringLiteral("defaults");
        break;
      default:
        qobject_cast<QLineEdit*>(find("Text2"))->setText(QStringLiteral("记事本"));
        edits << QStringLiteral("tip");
        break;
    }
  }
  // The dialog stays open for a while: a conflict's erase timer fires, the
  // top bar slides out, the cursors glide.
  for (int grid = 0; grid < kGridCount; ++grid) FireEraseTick(grid);
  BackgroundTicks(Below(4));
  const int close = Below(10);
  if (close < 5)
    qobject_cast<QPushButton*>(find("Command1"))->click();
  else if (close < 9)
    qobject_cast<QPushButton*>(find("Command2"))->click();
  else
    dialog.reject();
  Did(QStringLiteral("options [%1] %2")
          .arg(edits.join(QStringLiteral(", ")), close < 5 ? QStringLiteral("OK") : QStringLiteral("cancel")));
}

// The stream keeps the boss key off, so that Esc keeps asking the quit
// question; a restart the dialog asked for comes a millisecond after it.
void RandomPlayer::AfterOptions() {
  if (settings.store().ReadNumber(SettingKey::BossKey) > 0)
    settings.store().Write(SettingKey::BossKey, QStringLiteral("0"));
  Fire(ctl::kTimer10);
}

// ---- time ---------------------------------------------------------------

// Fires a window timer that is running, as its interval ending would: a
// single-shot timer stops first.
bool RandomPlayer::Fire(const QString& timerName) {
  QTimer* timer = game().findChild<QTimer*>(timerName);
  if (!timer || !timer->isActive()) return false;
  if (timer->isSingleShot()) timer->stop();
  const bool fired = QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
  EXPECT_TRUE(fired) << timerName.toStdString();
  if (timerName == ctl::kTimer7 || timerName == ctl::kTimer10) fixedMayChange_ = true;
  return true;
}

void RandomPlayer::FireEraseTick(int grid) {
  const std::vector<int> pending = game().conflicts().pendingErase(grid);
  if (!Fire(EraseTimer(grid))) return;
  tickProblems_ << invariants_->AfterEraseTick(grid, pending);
}

bool RandomPlayer::TimerTick() {
  QStringList running;
  static const char* kTimers[] = {"Timer3", "Timer31", "Timer32", "Timer33", "Timer34", "Timer8", "Timer5",
                                  "Timer9", "Timer17", "Timer15", "Timer6",  "Timer7",  "Timer10"};
  for (const char* name : kTimers) {
    QTimer* timer = game().findChild<QTimer*>(QString::fromLatin1(name));
    if (timer && timer->isActive()) running << QString::fromLatin1(name);
  }
  if (running.isEmpty()) return false;
  const QString name = running[Below(int(running.size()))];
  if (name.startsWith(ctl::GridTimer(3, 0)))
    FireEraseTick(name == ctl::GridTimer(3, 0) ? 0 : name.back().digitValue());
  else
    Fire(name);
  return Did(QStringLiteral("tick %1").arg(name));
}

// Runs up to `slices` slices of a solve run; the number run.
int RandomPlayer::Slices(int slices) {
  int done = 0;
  for (; done < slices && solver().running(); ++done) solver().runner().slice();
  if (done > 0) fixedMayChange_ = true;
  return done;
}

bool RandomPlayer::SolveSlices(int slices) {
  if (!solver().running()) return false;
  return Did(QStringLiteral("%1 solve slices").arg(Slices(slices)));
}

// Timers that fire while a message box is open or the dialog waits.
void RandomPlayer::BackgroundTicks(int count) {
  for (int i = 0; i < count; ++i) {
    switch (Below(6)) {
      case 0:
        for (int grid = 0; grid < kGridCount; ++grid)
          if (Chance(50)) FireEraseTick(grid);
        break;
      case 1: Glide(1 + Below(10)); break;
      case 2: Fire(ctl::kTimer8); break;
      case 3: {
        static const char* kOthers[] = {"Timer5", "Timer9", "Timer17", "Timer15", "Timer6"};
        Fire(QString::fromLatin1(kOthers[Below(5)]));
        break;
      }
      case 4: Slices(1 + Below(5)); break;
      default: Fire(Chance(50) ? ctl::kTimer7 : ctl::kTimer10); break;
    }
  }
}

// No input for a while: every timer fires as often as the time allows
// (the busy bar and the pointer's bob only for the first seconds).
bool RandomPlayer::Idle() {
  static constexpr int kSpans[] = {1, 2, 5, 30, 90, 700};
  const int seconds = kSpans[Below(6)];
  const QString event = QStringLiteral("idle %1 s").arg(seconds);
  Fire(ctl::kTimer10);
  int slicesLeft = 400;
  for (int second = 1; second <= seconds; ++second) {
    if (second == 1)
      for (int grid = 0; grid < kGridCount; ++grid) FireEraseTick(grid);
    if (second <= 2) Glide(40);
    for (int i = 0; i < 10; ++i) {
      Fire(ctl::kTimer5);
      Fire(ctl::kTimer9);
    }
    const int quick = second <= 5 ? 40 : 2;
    for (int i = 0; i < quick; ++i) {
      Fire(ctl::kTimer17);
      Fire(ctl::kTimer15);
    }
    if (second == 3) Fire(ctl::kTimer6);
    if (second % 60 == 0) Fire(ctl::kTimer7);
    if (slicesLeft > 0) slicesLeft -= Slices(std::min(20, slicesLeft));
    Fire(ctl::kTimer8);
    Fire(ctl::kTimer8);
  }
  return Did(event);
}

// ---- the window ---------------------------------------------------------

bool RandomPlayer::Resize() {
  const bool smallest = Chance(25);
  const int width = smallest ? 550 : 550 + Below(951), height = smallest ? 530 : 530 + Below(571);
  window->resize(width, height);
  return Did(QStringLiteral("resize to %1x%2").arg(width).arg(height));
}

bool RandomPlayer::MinimiseRestore() {
  if (window->isMinimized()) {
    window->showNormal();
    window->activateWindow();
    Quiet();
    return Did(QStringLiteral("restore"));
  }
  window->showMinimized();
  Quiet();
  return Did(QStringLiteral("minimise"));
}

}  // namespace varelo::testing
