#include "viewmodel/StartScreen.h"

#include <algorithm>
#include <cmath>

#include "model/Controls.h"
#include "model/GameState.h"
#include "model/StartEntries.h"
#include "settings/SettingsStore.h"
#include "sources/MissionProgress.h"

namespace varelo::startscreen {

namespace {

constexpr int kNoticeEntry = IndexOf(StartEntry::SolveSudoku);  // "Loading..." and "Pause" borrow it
const QString kLeftArrow = ctl::kImgLa;
const QString kRightArrow = ctl::kImgRa;

int Round(double twips) { return static_cast<int>(std::lround(twips)); }

// The main entry whose sub-entries contain `entry`, or -1.
int ParentOf(int entry) {
  if (entry >= IndexOf(StartEntry::Mission) && entry <= IndexOf(StartEntry::Random))
    return IndexOf(StartEntry::StartGame);
  if (entry >= IndexOf(StartEntry::Order2) && entry <= IndexOf(StartEntry::CombinationEnd))
    return IndexOf(StartEntry::Combination);
  if (entry >= IndexOf(StartEntry::Solve1) && entry <= IndexOf(StartEntry::SolveEnd))
    return IndexOf(StartEntry::SolveSudoku);
  return -1;
}

void Highlight(Controls& controls, int entry, bool noticeShown) {
  const int parent = ParentOf(entry);
  for (int i = 0; i < ctl::kStartEntryCount; ++i)
    if (i != parent && !(noticeShown && i == kNoticeEntry)) controls.setColour(ctl::LblBegin(i), colours::kEntry);
  controls.setColour(ctl::LblBegin(entry), colours::kEntryLit);
}

void OpenGroup(GameState& state, const SettingsStore& settings, int entry) {
  switch (StartEntryAt(entry)) {
    case StartEntry::StartGame:
      if (state.startGroup() != StartGroup::Mission) state.OpenStartGroup(StartGroup::Mission);
      UpdateLevelArrows(state, settings);
      break;
    case StartEntry::Combination: state.OpenStartGroup(StartGroup::Combination); break;
    case StartEntry::SolveSudoku: state.OpenStartGroup(StartGroup::Solve); break;
    case StartEntry::Options:
    case StartEntry::Help:
    case StartEntry::About:
    case StartEntry::Exit: state.OpenStartGroup(StartGroup::None); break;
    default: break;
  }
}

}  // namespace

void LayOut(Controls& controls, int windowWidth, int windowHeight, bool noticeShown) {
  const int left = Round(windowWidth * 0.4310344);
  const int top = Round(windowHeight * 0.2528735);
  auto place = [&controls, noticeShown](int i, int x, int y) {
    if (noticeShown && i == kNoticeEntry) return;
    controls.setLeft(ctl::LblBegin(i), x);
    controls.setTop(ctl::LblBegin(i), y);
  };
  for (int i = 0; i <= 6; ++i) place(i, left, top + 720 * i);
  const int subLeft = left + 2280;
  place(7, subLeft, top);
  place(8, subLeft, top + 600);
  for (int i = 9; i <= 10; ++i) place(i, subLeft, top + 480 * (i - 9) + 480);
  for (int i = 12; i <= 14; ++i) place(i, subLeft, top + 480 * (i - 12) + 880);
  for (int i = 0; i < ctl::kStartEntryCount; ++i) {
    controls.setWidth(ctl::LblBegin(i), kEntryWidth);  // the pause notice centres itself by it
    if (!noticeShown || i != kNoticeEntry) controls.setColour(ctl::LblBegin(i), colours::kEntry);
  }

  controls.setLeft(kLeftArrow, subLeft + 150);
  controls.setTop(kLeftArrow, top + 200);
  controls.setLeft(kRightArrow, subLeft + kEntryWidth - 150);
  controls.setTop(kRightArrow, top + 200);
}

void Hover(Controls& controls, GameState& state, const SettingsStore& settings, int entry, bool noticeShown) {
  if (entry < 0 || entry >= ctl::kStartEntryCount) return;
  // The entry serves as a notice ("Pause"), not as a menu.
  if (noticeShown && entry == kNoticeEntry) return;
  Highlight(controls, entry, noticeShown);
  OpenGroup(state, settings, entry);
}

void UpdateLevelArrows(GameState& state, const SettingsStore& settings) {
  const std::optional<int> resumeLevel = state.resumeLevel();
  if (!resumeLevel) return;
  const double level = *resumeLevel;
  // No arrow past the bank's last level, whatever a spoilt acs says: that
  // caption would start level 1 and store it over the player's level.
  const double opened = std::min(settings.ReadNumber(SettingKey::LevelsOpened), double{kLastLevel});
  if (level < opened) {
    state.setLevelArrows({level > 1, true});
  } else if (level == opened) {
    if (level > 1)
      state.setLevelArrows({true, false});
    else if (level == 1)
      state.setLevelArrows({false, false});
    else
      state.setLevelArrows({false, true});
  }
}

}  // namespace varelo::startscreen
