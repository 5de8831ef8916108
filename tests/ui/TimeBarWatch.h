#pragma once
// Where the time bar must be, worked out from the rules on its own and
// compared with what the window shows: at every new game the bar stands at
// left 0 over the strip's whole width on a black strip; each counted tick of
// the clock moves it left by strip width / limit while any of it is over the
// strip (also while minimised); a resize puts it where the time left says.

#include <QObject>
#include <QStringList>

namespace varelo {

class MainWindow;

namespace testing {

class TimeBarWatch : public QObject {
 public:
  explicit TimeBarWatch(MainWindow& window);

  // A new game or a solve mode has just opened; what is wrong with the bar.
  QStringList NewGame();
  // After any event.
  QStringList Check() const;

 private:
  void AfterTick();
  void AfterStripChange();
  int StripWidth() const;
  int RemainingSeconds() const;

  MainWindow& window_;
  int limit_ = 0;        // seconds, 0 without a clock
  double expected_ = 0;  // twips
  int stripWidth_ = -1;
};

}  // namespace testing
}  // namespace varelo
