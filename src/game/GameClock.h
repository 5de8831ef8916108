#pragma once
// The count-down of a timed game: once a second in the top bar, a blinking
// separator, a red/black warning flash in the last 15 seconds, and the green
// time bar sliding out to the left in step with the limit. Minimising the
// window pauses the count but not the bar or the flash.

#include <QObject>

#include <functional>

class QTimer;

namespace varelo {

class GameState;
class Prompter;
class TimeBar;
class WindowPort;

class GameClock : public QObject {
  Q_OBJECT

 public:
  GameClock(GameState& state, TimeBar& bar, WindowPort& window, Prompter& prompter, QObject* parent = nullptr);

  // What happens when the time is up, after "时间到！" (the restart).
  void setTimeUpAction(std::function<void()> action) { timeUp_ = std::move(action); }

  void Start();
  void Stop();
  bool isRunning() const;

  // The limit of the game being set up, as its clock shows it; the session
  // keeps it.
  void setTimeLimitSeconds(int seconds);
  int timeLimitSeconds() const;

  // A new game: the bar back at its start (left 0, the strip's full width)
  // on a black strip.
  void ResetBar();
  // The seconds the clock shows.
  int remainingSeconds() const;

 public slots:
  // Timer8's tick, twice a second: the colon blinks, a second is counted.
  void Tick();

 private:
  bool CountDown();  // false when the time is up
  void FlashWarning();

  GameState& state_;
  TimeBar& bar_;
  WindowPort& window_;
  Prompter& prompter_;
  QTimer* timer_;
  std::function<void()> timeUp_;
};

}  // namespace varelo
