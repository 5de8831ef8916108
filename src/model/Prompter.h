#pragma once
// Every modal question and message of the game goes through this interface:
// the window shows a message box, tests answer from a script.

#include <QString>

#include "model/Texts.h"

namespace varelo {

struct Prompt {
  enum class Icon { Information, Question, Error };
  enum class Buttons { Ok, OkCancel, YesNo };

  QString text;
  Icon icon = Icon::Information;
  Buttons buttons = Buttons::Ok;
  QString title = texts::kTitle;
  // When > 0 the question answers Yes by itself after this many
  // milliseconds unless the player answers first.
  int autoYesAfterMs = 0;
};

enum class Answer { Ok, Cancel, Yes, No };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows the prompt modally and returns the answer.
  virtual Answer Ask(const Prompt& prompt) = 0;

  // Convenience for the common one-button messages.
  void Inform(const QString& text) { Ask({text, Prompt::Icon::Information}); }
  void Fail(const QString& text) { Ask({text, Prompt::Icon::Error}); }
};

}  // namespace varelo
