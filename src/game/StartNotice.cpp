#include "game/StartNotice.h"

#include "model/Controls.h"
#include "model/Texts.h"

namespace varelo {

namespace {
const QString kEntry = ctl::LblBegin(2);
}  // namespace

void StartNotice::Show(Kind kind) {
  kind_ = kind;
  controls_.setText(kEntry, kind == Kind::Pause ? texts::kPause : texts::kLoading);
  controls_.setColour(kEntry, colours::kNotice);
  controls_.setVisible(kEntry, true);
}

void StartNotice::ShowLoading() { Show(Kind::Loading); }

void StartNotice::ShowPause(int clientWidth, int clientHeight) {
  Show(Kind::Pause);
  FollowResize(clientWidth, clientHeight);
}

void StartNotice::Hide() {
  kind_ = Kind::None;
  controls_.setVisible(kEntry, false);
  controls_.setColour(kEntry, colours::kEntry);
}

void StartNotice::FollowResize(int clientWidth, int clientHeight) {
  if (kind_ != Kind::Pause) return;
  controls_.setLeft(kEntry, clientWidth / 2 - controls_.width(kEntry) / 2);
  controls_.setTop(kEntry, static_cast<int>(clientHeight * 0.35));
}

}  // namespace varelo
