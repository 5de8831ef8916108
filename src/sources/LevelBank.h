#pragma once
// The mission level bank: a table of puzzle strings indexed from 1, with room
// for 5960 entries of which 1..1999 are filled (1..50 complete grids, 51..1999
// puzzles). Index checks use the capacity; an entry beyond 1999 is empty,
// which is how the progression recognises the end of the bank.
//
// Loading takes two steps so the window appears quickly: LoadLevelBank()
// from the window's load handler stores levels 1..70 and arms the one-shot
// Timer18; its tick stores the rest and builds the level menu from `acs`.

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <optional>
#include <string_view>

#include "sources/LevelMenu.h"

namespace varelo {

class SettingsStore;

class LevelBank : public QObject {
  Q_OBJECT

 public:
  static constexpr int kCapacity = 5960;
  static constexpr int kFilledCount = 1999;
  static constexpr int kCompleteGridCount = 50;
  static constexpr int kFirstStepCount = 70;

  explicit LevelBank(SettingsStore& settings, QObject* parent = nullptr);

  // Step 1. Applies the first-run rule (`fr`), stores entries 1..70 and arms
  // Timer18. Returns the level the start screen offers to resume: none on
  // the first run, afterwards the stored level.
  std::optional<int> LoadLevelBank();

  // The second step of loading, Timer18's tick: disarms the timer, stores entries 71..1999 and
  // adds the level-menu items 2..`acs`. A second call does nothing.
  void LoadRest();

  // Entry n as a puzzle string; empty for an entry not (yet) filled and for
  // any n outside 1..kCapacity.
  QString entry(int n) const;
  // How many entries are stored so far: 0, 70 or 1999.
  int storedCount() const { return stored_; }

  LevelMenu& menu() { return menu_; }
  const LevelMenu& menu() const { return menu_; }
  QTimer& timer18() { return timer18_; }

 private:
  void StoreEntries(int last);

  SettingsStore& settings_;
  LevelMenu menu_;
  QTimer timer18_;
  std::array<std::string_view, kCapacity> entries_{};
  int stored_ = 0;
};

}  // namespace varelo
