#pragma once
// The random player's message boxes: every question is answered from the
// play stream, except that the program is never allowed to end (the quit
// question always gets Cancel or No). While a prompt is "open" the timers of
// the window go on firing, as they do under a real modal message box; the
// player decides which through `whileOpen`.

#include <QStringList>

#include <functional>

#include "model/Prompter.h"
#include "model/Texts.h"

namespace varelo::testing {

class RandomPrompter : public Prompter {
 public:
  // Returns a whole number in [0, bound) from the play stream.
  using Draw = std::function<int(int bound)>;

  explicit RandomPrompter(Draw draw) : draw_(std::move(draw)) {}

  Answer Ask(const Prompt& prompt) override {
    asked.append(prompt.text);
    ++depth_;
    if (whileOpen) whileOpen(depth_);
    --depth_;
    if (prompt.text == texts::kQuitQuestion)
      return prompt.buttons == Prompt::Buttons::YesNo ? Answer::No : Answer::Cancel;
    const Answer answer = Choose(prompt.buttons);
    if (answered) answered(prompt, answer);
    return answer;
  }

  QStringList asked;
  // Told every answer drawn from the stream.
  std::function<void(const Prompt&, Answer)> answered;
  // Runs while a prompt is open, with the number of prompts open.
  std::function<void(int depth)> whileOpen;

 private:
  Answer Choose(Prompt::Buttons buttons) {
    switch (buttons) {
      case Prompt::Buttons::Ok: return Answer::Ok;
      case Prompt::Buttons::OkCancel: return draw_(2) == 0 ? Answer::Ok : Answer::Cancel;
      case Prompt::Buttons::YesNo: return draw_(2) == 0 ? Answer::Yes : Answer::No;
    }
    return Answer::Ok;
  }

  Draw draw_;
  int depth_ = 0;
};

}  // namespace varelo::testing
