#pragma once
// The cursor frame of every shown grid follows the mouse pointer: the cell
// under the pointer becomes the target and the frame glides there one cell
// at a time, 105 twips per 10 ms tick (75 after an arrow key). Each grid has
// a vertical timer, which also samples the pointer, and a horizontal one.
// They run only while the grid is tracked (Cursors::isTracking) and has
// something to do: a glide pending, or a pointer that moved since the last
// sample. A frame resting under a still pointer sleeps until Wake() or a
// change of its cursor, so a game left alone costs no ticks at all.

#include <QObject>
#include <QPoint>

#include <array>

#include "core/CellMath.h"
#include "model/Cursors.h"
#include "viewmodel/GridGeometry.h"

class QTimer;

namespace varelo {

class Board;

// Where the pointer is, in screen twips.
class PointerSource {
 public:
  virtual ~PointerSource() = default;
  virtual QPoint PointerTwips() const = 0;
};

// Where a grid container's client area starts on the screen, in twips, and
// the factor its grid is drawn at: the pointer maps into the grid's own
// twips through both.
class GridPlacement {
 public:
  virtual ~GridPlacement() = default;
  virtual QPoint GridOriginTwips(int grid) const = 0;
  virtual double GridScale(int) const { return 1; }
};

class CursorGlide : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 10;
  // The frame's outline in pixels: thinner while it glides.
  static constexpr int OutlinePixels(const CursorState& cursor) { return cursor.gliding ? 1 : 3; }

  CursorGlide(Cursors& cursors, const Board& board, const std::array<GridGeometry, kGridCount>& geometries,
              const PointerSource& pointer, const GridPlacement& placement, QObject* parent = nullptr);

  // The frame of a freshly built grid: on cell 1, at rest.
  void ResetFrame(int grid);
  // The grids built anew (the window's frame became known): each frame rests
  // on its current cell in the new geometry.
  void setGeometries(const std::array<GridGeometry, kGridCount>& geometries);

  // Whether the pointer is strictly inside the grid's border lines.
  bool PointerInside(int grid) const;

  // The pointer may have moved against the grids: the pointer itself, the
  // window or a grid's place. Every tracked grid samples it again.
  void Wake();

  // A digit or erase key is about to act: every tracked frame that glides,
  // or is about to, arrives at once on the cell it is heading for (the
  // cell under the pointer, or the arrow's target), so the key lands there.
  void FinishGlides();

  // Timer handlers and their parts, public so tests can step them.
  void VerticalTick(int grid);    // Timer1, Timer11..Timer14
  void HorizontalTick(int grid);  // Timer2, Timer21..Timer24
  void TrackPointer(int grid);

  bool timersRunning(int grid) const;
  // Whether a tick now would change nothing: no glide pending and the frame
  // already where the pointer sends it.
  bool Rests(int grid) const;

 private:
  // A cursor after tracking the pointer at p (grid twips); `steers` when
  // tracking set a direction, which glides at the pointer's step.
  struct Tracked {
    CursorState state;
    bool steers = false;
  };
  Tracked Track(int grid, CursorState state, QPoint p) const;
  void TrackAt(int grid, QPoint p);
  bool RestsAt(int grid, QPoint p) const;
  // The cell a glide from `state` ends on with the pointer at p.
  int Destination(int grid, const CursorState& state, QPoint p) const;
  void StartTimers(int grid);
  void SleepIfResting(int grid);
  void Step(int grid, bool vertical);
  // 1 when the pointer is over grid 0 but away from its frame's row
  // (vertical) or column (horizontal): the glide goes on past the target.
  bool ContinuesPast(bool vertical) const;
  QPoint PointerInGrid(int grid) const;
  void FollowTracking(int grid, bool on);

  Cursors& cursors_;
  const Board& board_;
  std::array<GridGeometry, kGridCount> geometries_;
  const PointerSource& pointer_;
  const GridPlacement& placement_;
  std::array<QTimer*, kGridCount> vertical_{};
  std::array<QTimer*, kGridCount> horizontal_{};
  // The pointer at each grid's last vertical tick, in the grid's twips;
  // whether that tick found it moved; whether Wake() came since.
  std::array<QPoint, kGridCount> sampled_{};
  std::array<bool, kGridCount> moved_{};
  std::array<bool, kGridCount> woken_{};
};

}  // namespace varelo
