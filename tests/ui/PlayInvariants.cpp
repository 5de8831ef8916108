#include "PlayInvariants.h"

#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

#include "game/Completion.h"
#include "game/GameClock.h"
#include "game/SolveController.h"
#include "input/ConflictMarker.h"
#include "model/Controls.h"
#include "model/Texts.h"
#include "settings/SettingsStore.h"
#include "ui/GridView.h"
#include "ui/MainWindow.h"

namespace varelo::testing {

namespace {

const QString kSeparator = QStringLiteral(":");
const QString kInfinity = QStringLiteral("∞");

QString Where(int grid, int cell) { return QStringLiteral("grid %1 cell %2").arg(grid).arg(cell); }

QString OrderName(int comboOrder) {
  return comboOrder == 2 ? texts::kOrder2 : comboOrder == 3 ? texts::kOrder3 : texts::kOrder1;
}

// The time limit in seconds of a difficulty and an order, written out here
// from the table of limits rather than taken from the game; 0 for none.
int LimitSeconds(const QString& difficulty, const QString& order) {
  const int column = order == texts::kOrder3 ? 2 : order == texts::kOrder2 ? 1 : 0;
  static const int kLimits[4][3] = {{0, 0, 0}, {600, 900, 1200}, {450, 750, 600}, {300, 600, 360}};
  for (int d = 0; d < 4; ++d)
    if (difficulty == texts::kDifficulties[d]) return kLimits[d][column];
  return -1;
}

// Whether p's digit repeats in its row, column or box.
bool ClashesAt(const GridDigits& g, int p) {
  if (g[p] == 0) return false;
  const int row = p / 9, column = p % 9, boxRow = row / 3 * 3, boxColumn = column / 3 * 3;
  for (int q = 0; q < 81; ++q) {
    if (q == p || g[q] != g[p]) continue;
    const bool sameBox = q / 9 / 3 * 3 == boxRow && q % 9 / 3 * 3 == boxColumn;
    if (q / 9 == row || q % 9 == column || sameBox) return true;
  }
  return false;
}

// The first position whose digit repeats in its row, column or box, or -1.
int FirstClash(const GridDigits& g) {
  for (int p = 0; p < 81; ++p)
    if (ClashesAt(g, p)) return p;
  return -1;
}

}  // namespace

PlayInvariants::PlayInvariants(MainWindow& window, const SettingsStore& settings)
    : window_(window), settings_(settings) {}

void PlayInvariants::Snapshot() {
  const Board& board = window_.game().board();
  for (int grid = 0; grid < kGridCount; ++grid)
    for (int n = 1; n <= kCellsPerGrid; ++n) before_[grid * kCellsPerGrid + n - 1] = board.cell(grid, n);
}

QStringList PlayInvariants::Check(bool fixedMayChange) const {
  QStringList problems;
  problems << Digits() << Corners() << Clashes() << ConflictMarks() << TopBar() << ShownGrids() << ClockRunning()
           << InputGrids() << GlideTimers();
  if (!fixedMayChange) problems << Givens();
  return problems;
}

bool PlayInvariants::EraseTimerRunning(int grid) const { return window_.game().conflicts().eraseTimerRunning(grid); }

bool PlayInvariants::AnyEraseTimerRunning() const { return window_.game().conflicts().anyEraseTimerRunning(); }

// A game of mission, random or combination mode has been entered.
bool PlayInvariants::PlayingMode() const {
  const QString mode = window_.game().controls().text(ctl::LblTop(0));
  return !window_.game().board().inSolveMode() && !mode.isEmpty();
}

// Every digit is empty or 1..9, and so is the text a grid view draws for it;
// grid 4 is never played.
QStringList PlayInvariants::Digits() const {
  QStringList problems;
  const Board& board = window_.game().board();
  static const QRegularExpression kShown(QStringLiteral("^[1-9]$"));
  for (int grid = 0; grid < kGridCount; ++grid) {
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      const int digit = board.digit(grid, n);
      if (digit == 0) continue;
      if (digit < 0 || digit > 9 || !kShown.match(QString::number(digit)).hasMatch())
        problems << Where(grid, n) + QStringLiteral(" holds %1").arg(digit);
      if (grid == 4) problems << Where(grid, n) + QStringLiteral(": grid 4 holds a digit");
    }
  }
  return problems;
}

// While a solve runs, a combination's grids are the search's work, hidden
// from the player; the corners agree again once it ends.
QStringList PlayInvariants::Corners() const {
  if (window_.game().solver().running()) return {};
  QStringList problems;
  const Board& board = window_.game().board();
  const int order = board.comboOrder();
  // A digit with its kind and ink, as a record shows it.
  auto shown = [&](int grid, int n) {
    const CellState& c = board.cell(grid, n);
    if (c.digit == 0) return QStringLiteral("nothing");
    return QStringLiteral("%1 (kind %2, ink %3)")
        .arg(c.digit)
        .arg(int(c.kind))
        .arg(board.InkOf(c).ToValue(), 6, 16, QLatin1Char(u'0'));
  };
  auto same = [&](int g1, int n1, int g2, int n2) {
    if (shown(g1, n1) != shown(g2, n2))
      problems << QStringLiteral("corner %1 holds %2 but %3 holds %4")
                      .arg(Where(g1, n1), shown(g1, n1), Where(g2, n2), shown(g2, n2));
  };
  if (order >= 2) same(1, 81, 2, 1);
  if (order == 3) same(2, 9, 3, 73);
  return problems;
}

// A given (or a solver digit) of the grids in play neither changes nor
// appears. A grid out of play keeps what its last mode left until a mode
// that uses it clears it.
QStringList PlayInvariants::Givens() const {
  QStringList problems;
  const Board& board = window_.game().board();
  for (int grid : GridsInPlay(board.comboOrder())) {
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      const CellState& was = before_[grid * kCellsPerGrid + n - 1];
      const CellState& now = board.cell(grid, n);
      const bool wasFixed = IsFixed(was.kind), isFixed = IsFixed(now.kind);
      if ((wasFixed || isFixed) && (wasFixed != isFixed || was.digit != now.digit))
        problems << Where(grid, n) + QStringLiteral(": fixed %1 became %2 %3")
                                         .arg(wasFixed ? QString::number(was.digit) : QStringLiteral("-"))
                                         .arg(isFixed ? QStringLiteral("fixed") : QStringLiteral("not fixed"))
                                         .arg(now.digit);
    }
  }
  return problems;
}

// In a game no digit breaks a rule once no conflict is being shown.
QStringList PlayInvariants::Clashes() const {
  if (!PlayingMode() || AnyEraseTimerRunning()) return {};
  QStringList problems;
  const Board& board = window_.game().board();
  for (int grid : GridsInPlay(board.comboOrder())) {
    const int p = FirstClash(board.digitsOf(grid));
    if (p >= 0)
      problems << Where(grid, p + 1) +
                      QStringLiteral(": %1 clashes in its row, column or box").arg(board.digit(grid, p + 1));
  }
  return problems;
}

// Red ink and the cross belong to a conflict whose erase timer still runs;
// a corner's two records turn red together, by the timer of either grid.
// In solve mode a clash nobody erases (a loaded file's givens) is red as
// long as it stands, in both records of a corner.
QStringList PlayInvariants::ConflictMarks() const {
  QStringList problems;
  const Board& board = window_.game().board();
  auto standing = [&](int grid, int n) {
    if (!board.inSolveMode() || AnyEraseTimerRunning()) return false;
    const auto partner = board.partner({grid, n});
    return ClashesAt(board.digitsOf(grid), n - 1) ||
           (partner && ClashesAt(board.digitsOf(partner->grid), partner->cell - 1));
  };
  auto marked = [&](int grid, int n) {
    if (EraseTimerRunning(grid) || standing(grid, n)) return true;
    const auto partner = board.partner({grid, n});
    return partner && EraseTimerRunning(partner->grid);
  };
  for (int grid = 0; grid < kGridCount; ++grid) {
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      const bool inPlay = std::ranges::count(GridsInPlay(board.comboOrder()), grid) > 0;
      if (board.ink(grid, n) == colours::kRed && !marked(grid, n))
        problems << Where(grid, n) + QStringLiteral(" stays red");
      else if (inPlay && board.ink(grid, n) != colours::kRed && standing(grid, n))
        problems << Where(grid, n) + QStringLiteral(" clashes but is not red");
    }
    if (EraseTimerRunning(grid)) continue;
    // A corner's copy shows the cross of the entry in the other grid.
    const int cross = window_.gridView(grid)->crossCell();
    const auto partner = board.partner({grid, cross});
    const bool partnersCross = partner && EraseTimerRunning(partner->grid);
    if (cross != 0 && !partnersCross) problems << Where(grid, cross) + QStringLiteral(" keeps its cross");
  }
  return problems;
}

QString PlayInvariants::Dump() const {
  const Board& board = window_.game().board();
  const CursorState& main = window_.game().cursors().state(0);
  QStringList lines{QStringLiteral("order %1, solve mode %2, main cursor on %3")
                        .arg(board.comboOrder())
                        .arg(board.inSolveMode())
                        .arg(main.currentCell)};
  for (int grid : GridsInPlay(board.comboOrder())) {
    const CursorState& cursor = window_.game().cursors().state(grid);
    lines << QStringLiteral("grid %1 (cursor on %2%3, %4):")
                 .arg(grid)
                 .arg(cursor.currentCell)
                 .arg(cursor.frameShown ? QString() : QStringLiteral(" hidden"))
                 .arg(board.gridEditable(grid) ? QStringLiteral("editable") : QStringLiteral("locked"));
    for (int row = 0; row < 9; ++row) {
      QString line;
      for (int column = 0; column < 9; ++column) {
        const int n = row * 9 + column + 1;
        const int digit = board.digit(grid, n);
        line += digit == 0 ? QStringLiteral(" .") : QStringLiteral(" %1").arg(digit);
        line += board.isFixed(grid, n) ? u'*' : board.kind(grid, n) == EntryKind::Pencil ? u'\'' : u' ';
      }
      lines << line;
    }
  }
  return lines.join(u'\n');
}

QStringList PlayInvariants::AfterEraseTick(int grid, const std::vector<int>& cells) const {
  QStringList problems;
  const Board& board = window_.game().board();
  for (int pending : cells) {
    if (!board.isFixed(grid, pending) && board.digit(grid, pending) != 0)
      problems << Where(grid, pending) +
                      QStringLiteral(" keeps its clashing %1 after the erase tick").arg(board.digit(grid, pending));
    if (const auto partner = board.partner({grid, pending});
        partner && !board.isFixed(partner->grid, partner->cell) && board.digit(partner->grid, partner->cell) != 0)
      problems << Where(partner->grid, partner->cell) +
                      QStringLiteral(" keeps the corner's clashing %1").arg(board.digit(partner->grid, partner->cell));
  }
  // Only a clash that stands in solve mode keeps its red, as ConflictMarks checks.
  for (int n = 1; n <= kCellsPerGrid; ++n)
    if (board.ink(grid, n) == colours::kRed && !board.inSolveMode())
      problems << Where(grid, n) + QStringLiteral(" red after the tick");
  if (window_.gridView(grid)->crossCell() != 0) problems << QStringLiteral("grid %1 keeps its cross").arg(grid);
  return problems;
}

// Asked before the settings are saved: the setting is still the game's.
void PlayInvariants::RestartDeclined() {
  if (!keptDifficulty_) keptDifficulty_ = settings_.ReadInt(SettingKey::Difficulty);
}

QStringList PlayInvariants::TopBar() const {
  const Controls& controls = window_.game().controls();
  const Board& board = window_.game().board();
  const QString mode = controls.text(ctl::LblTop(0)), level = controls.text(ctl::LblTop(1));
  const QString hint = controls.text(ctl::LblTop(2)), difficulty = controls.text(ctl::LblTop(3));
  if (mode.isEmpty()) return {};  // the start screen

  QStringList problems;
  auto expect = [&](const QString& field, const QString& shown, const QString& wanted) {
    if (shown != wanted) problems << field + QStringLiteral(" reads \"%1\", not \"%2\"").arg(shown, wanted);
  };
  const QString hintFromSetting = settings_.ReadNumber(SettingKey::ColourHint) != 0 ? texts::kHintOn : texts::kHintOff;
  const int order = board.comboOrder();
  QString clockOrder = OrderName(order);

  if (board.inSolveMode()) {
    expect(QStringLiteral("mode"), mode, texts::kSolveSudoku);
    expect(QStringLiteral("order"), level, OrderName(order));
    expect(QStringLiteral("hint"), hint, texts::kHintUnavailable);
  } else if (mode == texts::kModeMission) {
    static const QRegularExpression kLevel(QStringLiteral("^Level ([1-9][0-9]*)$"));
    const auto match = kLevel.match(level);
    if (!match.hasMatch() || match.captured(1).toInt() > 1999)
      problems << QStringLiteral("level reads \"%1\"").arg(level);
    if (order != 0) problems << QStringLiteral("a mission level in combination order %1").arg(order);
    expect(QStringLiteral("hint"), hint, hintFromSetting);
    clockOrder = texts::kOrder1;
  } else if (mode == texts::kModeRandom) {
    expect(QStringLiteral("order"), level, texts::kOrder1);
    if (order != 0) problems << QStringLiteral("random mode in combination order %1").arg(order);
    expect(QStringLiteral("hint"), hint, hintFromSetting);
  } else if (mode == texts::kCombination) {
    if (order != 2 && order != 3) problems << QStringLiteral("combination mode with order %1").arg(order);
    expect(QStringLiteral("order"), level, OrderName(order));
    expect(QStringLiteral("hint"), hint, texts::kHintUnavailable);
  } else {
    problems << QStringLiteral("mode reads \"%1\"").arg(mode);
  }

  const int nd = keptDifficulty_.value_or(settings_.ReadInt(SettingKey::Difficulty));
  if (nd >= 1 && nd <= 4) expect(QStringLiteral("difficulty"), difficulty, texts::kDifficulties[nd - 1]);
  return problems << ClockCaptions(difficulty, clockOrder);
}

QStringList PlayInvariants::ClockCaptions(const QString& difficulty, const QString& order) const {
  const Controls& controls = window_.game().controls();
  const QString minutes = controls.text(ctl::LblTime(0)), separator = controls.text(ctl::LblTime(1));
  const QString seconds = controls.text(ctl::LblTime(2));
  const QString shown = QStringLiteral("clock \"%1\" \"%2\" \"%3\"").arg(minutes, separator, seconds);
  if (window_.game().board().inSolveMode()) {
    if (!minutes.isEmpty() || !separator.isEmpty() || !seconds.isEmpty())
      return {shown + QStringLiteral(" in solve mode")};
    return {};
  }
  const int limit = LimitSeconds(difficulty, order);
  if (limit == 0) {
    if (!minutes.isEmpty() || separator != kInfinity || !seconds.isEmpty())
      return {shown + QStringLiteral(" for the beginner")};
    return {};
  }
  static const QRegularExpression kTwoDigits(QStringLiteral("^[0-9][0-9]$"));
  const bool form = kTwoDigits.match(minutes).hasMatch() && kTwoDigits.match(seconds).hasMatch() &&
                    seconds.toInt() < 60 && (separator == kSeparator || separator.isEmpty());
  if (!form || minutes.toInt() * 60 + seconds.toInt() > limit)
    return {shown + QStringLiteral(" for %1 %2 (limit %3 s)").arg(difficulty, order).arg(limit)};
  return {};
}

// A mode shows exactly the grids of its order, and no start-screen entry.
QStringList PlayInvariants::ShownGrids() const {
  const Controls& controls = window_.game().controls();
  const Board& board = window_.game().board();
  const bool started = !controls.text(ctl::LblTop(0)).isEmpty();
  QStringList problems;
  QList<int> shown, wanted;
  for (int grid = 0; grid < kGridCount; ++grid)
    if (controls.isVisible(ctl::PicMis(grid))) shown << grid;
  if (started)
    for (int grid : GridsInPlay(board.comboOrder())) wanted << grid;
  if (shown != wanted) {
    auto list = [](const QList<int>& grids) {
      QStringList names;
      for (int g : grids) names << QString::number(g);
      return names.join(u',');
    };
    problems << QStringLiteral("grids shown {%1}, order %2 wants {%3}")
                    .arg(list(shown))
                    .arg(board.comboOrder())
                    .arg(list(wanted));
  }
  if (started)
    for (int i = 0; i < ctl::kStartEntryCount; ++i)
      if (controls.isVisible(ctl::LblBegin(i)))
        problems << QStringLiteral("start-screen entry %1 \"%2\" shown in a game")
                        .arg(i)
                        .arg(controls.text(ctl::LblBegin(i)));
  return problems;
}

// A timed game counts down until it is won; solve mode and the beginner
// have no clock.
QStringList PlayInvariants::ClockRunning() const {
  Game& game = window_.game();
  const bool running = game.clock().isRunning();
  if (game.board().inSolveMode()) {
    if (running) return {QStringLiteral("the clock runs in solve mode")};
    return {};
  }
  if (!PlayingMode()) return {};
  const QString difficulty = game.controls().text(ctl::LblTop(3));
  const bool timed = difficulty != texts::kDifficulties[0] && settings_.ReadNumber(SettingKey::Difficulty) > 1;
  const bool won = game.completion().pointerRunning();
  if (timed && !won && !running) return {QStringLiteral("a timed %1 game stands without its clock").arg(difficulty)};
  if (!timed && running) return {QStringLiteral("the clock runs for \"%1\"").arg(difficulty)};
  return {};
}

// Keys reach only the grids of the order, and those are locked only while
// a conflict shows there, a solve runs or a won combination waits.
QStringList PlayInvariants::InputGrids() const {
  Game& game = window_.game();
  const Board& board = game.board();
  const auto inPlay = GridsInPlay(board.comboOrder());
  const bool started = !game.controls().text(ctl::LblTop(0)).isEmpty();
  QStringList problems;
  for (int grid = 0; grid < kGridCount; ++grid) {
    const bool played = started && std::find(inPlay.begin(), inPlay.end(), grid) != inPlay.end();
    if (!played) {
      if (board.gridEditable(grid)) problems << QStringLiteral("grid %1 takes keys out of play").arg(grid);
      continue;
    }
    const bool excused = EraseTimerRunning(grid) || game.solver().running() || game.completion().pointerRunning();
    if (!board.gridEditable(grid) && !excused) problems << QStringLiteral("grid %1 stays locked").arg(grid);
  }
  return problems;
}

// A grid's glide timers run only while it is tracked, and sleep only where a
// tick would change nothing: asleep, a frame never stops short of the
// pointer or half-way through a glide.
QStringList PlayInvariants::GlideTimers() const {
  const CursorGlide& glide = window_.glide();
  const Cursors& cursors = window_.game().cursors();
  QStringList problems;
  for (int grid = 0; grid < kGridCount; ++grid) {
    const bool running = glide.timersRunning(grid);
    if (running && !cursors.isTracking(grid))
      problems << QStringLiteral("grid %1 glides though it is not tracked").arg(grid);
    if (!running && cursors.isTracking(grid) && !glide.Rests(grid)) {
      const CursorState& c = cursors.state(grid);
      problems << QStringLiteral("grid %1's glide sleeps with work to do: cell %2, frame %3,%4, directions %5/%6")
                      .arg(grid)
                      .arg(c.currentCell)
                      .arg(c.frameLeft)
                      .arg(c.frameTop)
                      .arg(c.vertical)
                      .arg(c.horizontal);
    }
  }
  return problems;
}

}  // namespace varelo::testing
