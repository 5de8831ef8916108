#include "viewmodel/StartScreen.h"

#include <algorithm>
#include <cmath>

#include "model/Controls.h"
#include "settings/SettingsStore.h"
#include "sources/MissionProgress.h"

namespace varelo::startscreen {

namespace {

constexpr int kNoticeEntry = 2;  // "Loading..." and "Pause" borrow it
const QString kLeftArrow = ctl::kImgLa;
const QString kRightArrow = ctl::kImgRa;

int Round(double twips) { return static_cast<int>(std::lround(twips)); }

// The main entry whose sub-entries contain `entry`, or -1.
int ParentOf(int entry) {
  if (entry >= 7 && entry <= 8) return 0;
  if (entry >= 9 && entry <= 11) return 1;
  if (entry >= 12 && entry <= 15) return 2;
  return -1;
}

void SetVisible(Controls& controls, int from, int to, bool visible) {
  for (int i = from; i <= to; ++i) controls.setVisible(ctl::LblBegin(i), visible);
}

void SetArrows(Controls& controls, bool left, bool right) {
  controls.setVisible(kLeftArrow, left);
  controls.setVisible(kRightArrow, right);
}

void Highlight(Controls& controls, int entry) {
  const int parent = ParentOf(entry);
  for (int i = 0; i < ctl::kStartEntryCount; ++i)
    if (i != parent) controls.setColour(ctl::LblBegin(i), colours::kEntry);
  controls.setColour(ctl::LblBegin(entry), colours::kEntryLit);
}

void OpenGroup(Controls& controls, const SettingsStore& settings, int entry, std::optional<int> resumeLevel) {
  const auto hidden = [&controls](int i) { return !controls.isVisible(ctl::LblBegin(i)); };
  switch (entry) {
    case 0:
      if (hidden(7)) {
        SetVisible(controls, 9, 15, false);
        SetVisible(controls, 7, 8, true);
      }
      UpdateLevelArrows(controls, settings, resumeLevel);
      break;
    case 1:
      if (hidden(9)) {
        SetVisible(controls, 7, 15, false);
        SetArrows(controls, false, false);
        SetVisible(controls, 9, 11, true);
      }
      break;
    case 2:
      if (hidden(12)) {
        SetVisible(controls, 7, 11, false);
        SetVisible(controls, 12, 15, true);
        SetArrows(controls, false, false);
      }
      break;
    case 3:
    case 4:
    case 5:
    case 6:
      SetVisible(controls, 7, 15, false);
      SetArrows(controls, false, false);
      break;
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

void Hover(Controls& controls, const SettingsStore& settings, int entry, std::optional<int> resumeLevel) {
  if (entry < 0 || entry >= ctl::kStartEntryCount) return;
  const Rgb colour = controls.colour(ctl::LblBegin(entry));
  // Another colour means the entry serves as a notice ("Pause"), not as a menu.
  if (colour != colours::kEntry && colour != colours::kEntryLit) return;
  if (colour == colours::kEntry) Highlight(controls, entry);
  OpenGroup(controls, settings, entry, resumeLevel);
}

void UpdateLevelArrows(Controls& controls, const SettingsStore& settings, std::optional<int> resumeLevel) {
  if (!resumeLevel) return;
  const double level = *resumeLevel;
  // No arrow past the bank's last level, whatever a spoilt acs says: that
  // caption would start level 1 and store it over the player's level.
  const double opened = std::min(settings.ReadNumber(SettingKey::LevelsOpened), double{kLastLevel});
  if (level < opened) {
    SetArrows(controls, level > 1, true);
  } else if (level == opened) {
    if (level > 1)
      SetArrows(controls, true, false);
    else if (level == 1)
      SetArrows(controls, false, false);
    else
      SetArrows(controls, false, true);
  }
}

}  // namespace varelo::startscreen
