#pragma once
// The cursor frame of each grid view: the current cell the keys act on, the
// frame's place and whether it glides, the pending glide directions, and whether the
// grid is tracked (its glide follows the pointer). The glide moves these; editing reads them to
// decide which grid a digit key goes to; the views draw the frame from them.

#include <QObject>

#include <array>

#include "core/CellMath.h"

namespace varelo {

struct CursorState {
  int currentCell = 1;  // 1..81, the cell under the frame
  int frameLeft = 0;    // twips, in the grid container
  int frameTop = 0;
  bool gliding = false;  // the frame is between cells; the view draws it thinner
  bool frameShown = true;
  int vertical = 0;    // 0 none, 1 up, 3 down
  int horizontal = 0;  // 0 none, 2 left, 4 right

  bool atRest() const { return !gliding; }
  bool operator==(const CursorState&) const = default;
};

class Cursors : public QObject {
  Q_OBJECT

 public:
  static constexpr int kPointerStep = 105;  // twips per tick after a pointer move
  static constexpr int kKeyStep = 75;       // after an arrow key

  explicit Cursors(QObject* parent = nullptr) : QObject(parent) {}

  const CursorState& state(int grid) const { return states_[grid]; }
  void setState(int grid, const CursorState& state) {
    if (states_[grid] == state) return;
    states_[grid] = state;
    emit cursorChanged(grid);
  }

  int step() const { return step_; }
  void setStep(int twips) { step_ = twips; }

  // Whether grid k follows the pointer (the grid is in play); its glide
  // timers run only while it also has something to do.
  bool isTracking(int grid) const { return tracking_[grid]; }
  void setTracking(int grid, bool on) {
    if (tracking_[grid] == on) return;
    tracking_[grid] = on;
    emit trackingChanged(grid, on);
  }

 signals:
  void cursorChanged(int grid);
  void trackingChanged(int grid, bool on);

 private:
  std::array<CursorState, kGridCount> states_{};
  std::array<bool, kGridCount> tracking_{};
  int step_ = kPointerStep;
};

}  // namespace varelo
