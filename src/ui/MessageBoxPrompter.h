#pragma once
// The widget side of the game's questions and messages: a modal message box
// with the prompt's icon, buttons and title. A question with an automatic
// answer clicks Yes by itself unless the player answered first.

#include "model/Prompter.h"

class QWidget;

namespace varelo {

class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent) : parent_(parent) {}
  Answer Ask(const Prompt& prompt) override;

 private:
  QWidget* parent_;
};

}  // namespace varelo
