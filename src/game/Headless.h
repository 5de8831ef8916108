#pragma once
// The game without a window, for the benchmarks:
// nothing to show and nobody to ask (questions take their default answer).

#include "model/Prompter.h"
#include "model/WindowPort.h"

namespace varelo {

class SilentPrompter : public Prompter {
 public:
  Answer Ask(const Prompt& prompt) override {
    return prompt.buttons == Prompt::Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
};

class NoWindow : public WindowPort {
 public:
  bool isMinimized() const override { return false; }
  bool isHidden() const override { return false; }
  int clientWidth() const override { return 11400; }
  int clientHeight() const override { return 7800; }
  void openOptions() override {}
  void openRules() override {}
  void openAbout() override {}
  void requestClose() override {}
  void quitNow() override {}
  void hideToTray() override {}
};

}  // namespace varelo
