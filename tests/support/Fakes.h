#pragma once
// Stand-ins for the window side of the game: a prompter that records every
// message and answers from a script, and a window port with settable state.

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

#include "model/Prompter.h"
#include "model/WindowPort.h"
#include "support/QtPrinters.h"

namespace varelo::testing {

class RecordingPrompter : public Prompter {
 public:
  // Answers queued with Answer() are used first; then every prompt gets its
  // default: Ok for messages and OK/Cancel questions, Yes for Yes/No.
  void Answer(varelo::Answer answer) { script_.push_back(answer); }

  varelo::Answer Ask(const Prompt& prompt) override {
    prompts.append(prompt);
    if (onAsk) onAsk(prompt);
    if (!script_.empty()) {
      const varelo::Answer answer = script_.front();
      script_.pop_front();
      return answer;
    }
    return prompt.buttons == Prompt::Buttons::YesNo ? varelo::Answer::Yes : varelo::Answer::Ok;
  }

  QStringList texts() const {
    QStringList list;
    for (const Prompt& p : prompts) list << p.text;
    return list;
  }

  QList<Prompt> prompts;
  std::function<void(const Prompt&)> onAsk;  // runs while the prompt is "open"

 private:
  std::deque<varelo::Answer> script_;
};

class FakeWindow : public WindowPort {
 public:
  bool isMinimized() const override { return minimized; }
  bool isHidden() const override { return hidden; }
  int clientWidth() const override { return 11400; }
  int clientHeight() const override { return 7800; }
  void openOptions() override { ++optionsOpened; }
  void openRules() override { ++rulesOpened; }
  void openAbout() override { ++aboutOpened; }
  void requestClose() override { ++closeRequests; }
  void quitNow() override { ++quits; }
  void hideToTray() override { ++trayHides; }

  bool minimized = false;
  bool hidden = false;
  int optionsOpened = 0, rulesOpened = 0, aboutOpened = 0;
  int closeRequests = 0, quits = 0, trayHides = 0;
};

}  // namespace varelo::testing
