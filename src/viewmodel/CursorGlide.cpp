#include "viewmodel/CursorGlide.h"

#include <QTimer>

#include "core/Board.h"
#include "core/ControlNames.h"
#include "model/Cursors.h"

namespace varelo {

namespace {

constexpr int kUp = 1, kDown = 3, kLeft = 2, kRight = 4;
constexpr int kBandMargin = 75;

QTimer* MakeTimer(const QString& name, QObject* parent) {
  auto* timer = new QTimer(parent);
  timer->setObjectName(name);
  timer->setInterval(CursorGlide::kTickMs);
  return timer;
}

// The corner square grid k snaps to at once, so the lower-numbered grid of a
// shared corner takes the keys typed there.
int SharedCornerOf(int grid, int comboOrder) {
  if (grid == 1 && (comboOrder == 2 || comboOrder == 3)) return 81;
  if (grid == 2 && comboOrder == 3) return 9;
  return 0;
}

// The frame at rest on `cell`, no glide pending.
CursorState RestingOn(CursorState state, const GridGeometry& geometry, int cell) {
  state.currentCell = cell;
  state.frameLeft = geometry.square(cell).left;
  state.frameTop = geometry.square(cell).top;
  state.gliding = false;
  state.vertical = 0;
  state.horizontal = 0;
  return state;
}

}  // namespace

CursorGlide::CursorGlide(Cursors& cursors, const Board& board, const std::array<GridGeometry, kGridCount>& geometries,
                         const PointerSource& pointer, const GridPlacement& placement, QObject* parent)
    : QObject(parent), cursors_(cursors), board_(board), geometries_(geometries), pointer_(pointer),
      placement_(placement) {
  for (int grid = 0; grid < kGridCount; ++grid) {
    vertical_[grid] = MakeTimer(ctl::GridTimer(1, grid), this);
    horizontal_[grid] = MakeTimer(ctl::GridTimer(2, grid), this);
    connect(vertical_[grid], &QTimer::timeout, this, [this, grid] { VerticalTick(grid); });
    connect(horizontal_[grid], &QTimer::timeout, this, [this, grid] { HorizontalTick(grid); });
    FollowTracking(grid, cursors_.isTracking(grid));
  }
  connect(&cursors_, &Cursors::trackingChanged, this, &CursorGlide::FollowTracking);
  // An arrow key, a new game or new geometry moves a cursor: its grid looks
  // whether there is a glide to do.
  connect(&cursors_, &Cursors::cursorChanged, this, &CursorGlide::StartTimers);
  connect(&board_, &Board::comboOrderChanged, this, &CursorGlide::Wake);
}

void CursorGlide::FollowTracking(int grid, bool on) {
  if (on) {
    woken_[grid] = true;
    StartTimers(grid);
    return;
  }
  vertical_[grid]->stop();
  horizontal_[grid]->stop();
}

void CursorGlide::Wake() {
  for (int grid = 0; grid < kGridCount; ++grid) {
    if (!cursors_.isTracking(grid)) continue;
    woken_[grid] = true;
    StartTimers(grid);
  }
}

// A running timer keeps its beat: restarting it on every pointer event would
// put the next tick off for as long as the pointer moves. The vertical timer
// starts first, so its tick samples the pointer before the horizontal one
// steps, as when both ran all the time.
void CursorGlide::StartTimers(int grid) {
  if (!cursors_.isTracking(grid)) return;
  for (QTimer* timer : {vertical_[grid], horizontal_[grid]})
    if (!timer->isActive()) timer->start();
}

// Asleep only when another tick would change nothing: the frame rests where
// the pointer sends it, and the pointer was still for a whole tick, with no
// wake since (the pointer may still be moving outside the windows, where
// no event reports it).
void CursorGlide::SleepIfResting(int grid) {
  if (woken_[grid] || moved_[grid] || !RestsAt(grid, sampled_[grid])) return;
  vertical_[grid]->stop();
  horizontal_[grid]->stop();
}

bool CursorGlide::timersRunning(int grid) const { return vertical_[grid]->isActive() && horizontal_[grid]->isActive(); }

bool CursorGlide::Rests(int grid) const { return RestsAt(grid, PointerInGrid(grid)); }

bool CursorGlide::RestsAt(int grid, QPoint p) const {
  const CursorState& state = cursors_.state(grid);
  const TwipRect& square = geometries_[grid].square(state.currentCell);
  if (state.vertical != 0 || state.horizontal != 0) return false;
  if (state.frameLeft != square.left || state.frameTop != square.top) return false;
  const Tracked tracked = Track(grid, state, p);
  return !tracked.steers && tracked.state == state;
}

void CursorGlide::FinishGlides() {
  for (int grid = 0; grid < kGridCount; ++grid) {
    if (!cursors_.isTracking(grid)) continue;
    const QPoint p = PointerInGrid(grid);
    CursorState state = Track(grid, cursors_.state(grid), p).state;
    if (grid == 0 || state.frameShown) state = RestingOn(state, geometries_[grid], Destination(grid, state, p));
    cursors_.setState(grid, state);
  }
}

// The pending one-cell steps, taken; then the pointer's cell, where the
// pointer is over a square (tracking would steer there next).
int CursorGlide::Destination(int grid, const CursorState& state, QPoint p) const {
  int cell = state.currentCell;
  if (state.vertical == kUp && cell > 9) cell -= 9;
  if (state.vertical == kDown && cell <= 72) cell += 9;
  if (state.horizontal == kLeft && (cell - 1) % 9 != 0) cell -= 1;
  if (state.horizontal == kRight && cell % 9 != 0) cell += 1;
  return geometries_[grid].HitTest(p.x(), p.y(), cell);
}

void CursorGlide::ResetFrame(int grid) {
  cursors_.setState(grid, RestingOn(cursors_.state(grid), geometries_[grid], 1));
}

void CursorGlide::setGeometries(const std::array<GridGeometry, kGridCount>& geometries) {
  geometries_ = geometries;
  for (int grid = 0; grid < kGridCount; ++grid) {
    const CursorState state = cursors_.state(grid);
    cursors_.setState(grid, RestingOn(state, geometries_[grid], state.currentCell));
  }
  Wake();
}

QPoint CursorGlide::PointerInGrid(int grid) const {
  const QPointF onScreen = pointer_.PointerTwips() - placement_.GridOriginTwips(grid);
  return (onScreen / placement_.GridScale(grid)).toPoint();
}

bool CursorGlide::PointerInside(int grid) const {
  const QPoint p = PointerInGrid(grid);
  return geometries_[grid].Inside(p.x(), p.y());
}

void CursorGlide::TrackPointer(int grid) { TrackAt(grid, PointerInGrid(grid)); }

void CursorGlide::TrackAt(int grid, QPoint p) {
  const Tracked tracked = Track(grid, cursors_.state(grid), p);
  if (tracked.steers) cursors_.setStep(Cursors::kPointerStep);
  cursors_.setState(grid, tracked.state);
}

CursorGlide::Tracked CursorGlide::Track(int grid, CursorState state, QPoint p) const {
  const GridGeometry& geometry = geometries_[grid];

  // Placing the frame at once also ends any glide still pending, or the next
  // tick would carry the frame off the cell the pointer rests on.
  auto placedAt = [&](int cell) {
    state.frameShown = true;
    return Tracked{RestingOn(state, geometry, cell)};
  };

  const int corner = SharedCornerOf(grid, board_.comboOrder());
  if (corner != 0 && geometry.square(corner).contains(p.x(), p.y())) return placedAt(corner);

  if (!geometry.Inside(p.x(), p.y())) {
    if (grid > 0) state.frameShown = false;
    return Tracked{state};
  }

  const int target = geometry.HitTest(p.x(), p.y(), state.currentCell);
  if (grid > 0 && !state.frameShown) return placedAt(target);

  Tracked tracked{state};
  const TwipRect& to = geometry.square(target);
  const TwipRect& from = geometry.square(state.currentCell);
  if (to.left != from.left) {
    tracked.state.horizontal = to.left > from.left ? kRight : kLeft;
    tracked.steers = true;
  }
  if (to.top != from.top) {
    tracked.state.vertical = to.top > from.top ? kDown : kUp;
    tracked.steers = true;
  }
  return tracked;
}

void CursorGlide::VerticalTick(int grid) {
  const QPoint p = PointerInGrid(grid);
  moved_[grid] = woken_[grid] || p != sampled_[grid];
  woken_[grid] = false;
  sampled_[grid] = p;
  TrackAt(grid, p);
  Step(grid, true);
  SleepIfResting(grid);
}

void CursorGlide::HorizontalTick(int grid) {
  Step(grid, false);
  SleepIfResting(grid);
}

void CursorGlide::Step(int grid, bool vertical) {
  const GridGeometry& geometry = geometries_[grid];
  CursorState state = cursors_.state(grid);
  int& frame = vertical ? state.frameTop : state.frameLeft;
  int& direction = vertical ? state.vertical : state.horizontal;
  auto place = [&](int cell) { return vertical ? geometry.square(cell).top : geometry.square(cell).left; };
  const int cell = state.currentCell;

  if (direction == 0) {
    if (frame != place(cell)) {
      frame = place(cell);
      state.gliding = false;
    }
  } else {
    const bool backwards = direction == kUp || direction == kLeft;
    const bool atEdge =
        vertical ? (backwards ? cell < 10 : cell > 72) : (backwards ? (cell - 1) % 9 == 0 : cell % 9 == 0);
    const int target = cell + (backwards ? -1 : 1) * (vertical ? 9 : 1);
    if (atEdge) {
      frame = place(cell);
      state.gliding = false;
      direction = 0;
    } else if (backwards ? frame > place(target) : frame < place(target)) {
      state.gliding = true;
      frame += (backwards ? -1 : 1) * cursors_.step();
    } else if (!ContinuesPast(vertical)) {
      frame = place(target);
      state.currentCell = target;
      state.gliding = false;
      direction = 0;
    } else {
      state.currentCell = target;
      direction = 0;
    }
  }
  cursors_.setState(grid, state);
}

bool CursorGlide::ContinuesPast(bool vertical) const {
  if (!PointerInside(0)) return false;
  const QPoint p = PointerInGrid(0);
  const CursorState& main = cursors_.state(0);
  const int size = geometries_[0].square(1).width;
  const int start = vertical ? main.frameTop : main.frameLeft;
  const int at = vertical ? p.y() : p.x();
  return at < start - kBandMargin || at > start + size + kBandMargin;
}

}  // namespace varelo
