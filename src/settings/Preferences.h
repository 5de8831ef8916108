#pragma once
// The player's options as the game uses them. The store parses them once
// when it opens and again after each write (the Options dialog's, or any
// other), so no rule reads and parses the file at its moment of use.

#include <QString>

namespace varelo {

class SettingsStore;

struct Preferences {
  bool colourHint = false;  // "color": any number but 0
  bool bossKey = false;     // "lbj": a number above 0
  int difficulty = 0;       // "nd": 1 beginner .. 4 hard, as written
  bool timed = false;       // a difficulty above the beginner's has a clock
  QString givens;           // "sl", the random games' givens as typed
  QString trayTip;
  QString background;

  static Preferences ReadFrom(const SettingsStore& store);
};

}  // namespace varelo
