#include "game/StartNotice.h"

#include <algorithm>

#include "model/Controls.h"
#include "model/GameState.h"
#include "model/StartEntries.h"

namespace varelo {

namespace {
const QString kEntry = ctl::LblBegin(IndexOf(StartEntry::SolveSudoku));
}  // namespace

StartNotice::Kind StartNotice::kind() const { return state_.notice(); }

void StartNotice::Show(Kind kind) {
  controls_.setColour(kEntry, colours::kNotice);
  state_.setNotice(kind);
}

void StartNotice::ShowLoading() { Show(Kind::Loading); }

void StartNotice::ShowPause(int clientWidth, int clientHeight) {
  Show(Kind::Pause);
  FollowResize(clientWidth, clientHeight);
}

void StartNotice::KeepPauseAbove(int top, int noticeHeight) {
  lowestTop_ = top - kGapAboveDialog - noticeHeight;
  FollowResize(clientWidth_, clientHeight_);
}

void StartNotice::Hide() {
  lowestTop_ = kNoLimit;
  state_.setNotice(Kind::None);
  controls_.setColour(kEntry, colours::kEntry);
}

void StartNotice::FollowResize(int clientWidth, int clientHeight) {
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  if (kind() != Kind::Pause) return;
  controls_.setLeft(kEntry, clientWidth / 2 - controls_.width(kEntry) / 2);
  const int third = static_cast<int>(clientHeight * 0.35);
  controls_.setTop(kEntry, std::max(0, std::min(third, lowestTop_)));
}

}  // namespace varelo
