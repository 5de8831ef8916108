#pragma once
// The green bar in the top bar's strip ("Shape1" in "Picture1"). In a timed
// game it slides out to the left in step with the limit; in solve mode it
// runs as the solver's busy bar. This object alone moves it: a new game, a
// clock tick, a resize and the solver all go through it, so they can never
// disagree about where the bar is.

#include <QObject>

#include <functional>

namespace varelo {

class Controls;

class TimeBar : public QObject {
  Q_OBJECT

 public:
  explicit TimeBar(Controls& controls, QObject* parent = nullptr);

  // What the clock reads now; a limit of 0 means no clock.
  struct ClockReading {
    int remainingSeconds = 0;
    int limitSeconds = 0;
  };
  void setClockReading(std::function<ClockReading()> reading) { reading_ = std::move(reading); }

  // A new game: the bar at left 0 over the strip's whole width, green, on a
  // black strip.
  void Restart();
  // One second of a timed game: left by the strip's width / the limit, until
  // the bar has left the strip.
  void Step(int limitSeconds);
  // The strip changed its width (a resize): the bar takes the new width and,
  // in a timed game, the place that the remaining time earns.
  void FitToStrip();
  // The warning in the last seconds: the strip swaps red and black.
  void FlashStrip();

  // The solver's busy bar: a short bar running left to right, over and over.
  void StartBusy();
  void StepBusy();
  void StopBusy();
  bool busy() const { return busy_; }

  // Twips; the bar's left edge may lie left of the strip.
  double left() const { return left_; }

 private:
  void SetLeft(double left);
  void SetWarningLit(bool lit);
  int stripWidth() const;

  Controls& controls_;
  std::function<ClockReading()> reading_;
  int fittedWidth_ = -1;
  double left_ = 0;  // fractions add up over a long game
  bool busy_ = false;
  bool warningLit_ = false;  // the strip shows red
};

}  // namespace varelo
