#include "ui/MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace varelo {

namespace {

QMessageBox::Icon IconOf(Prompt::Icon icon) {
  switch (icon) {
    case Prompt::Icon::Question: return QMessageBox::Question;
    case Prompt::Icon::Error: return QMessageBox::Critical;
    case Prompt::Icon::Information: break;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButtons ButtonsOf(Prompt::Buttons buttons) {
  switch (buttons) {
    case Prompt::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompt::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompt::Buttons::Ok: break;
  }
  return QMessageBox::Ok;
}

Answer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
  }
}

}  // namespace

Answer MessageBoxPrompter::Ask(const Prompt& prompt) {
  QMessageBox box(IconOf(prompt.icon), prompt.title, prompt.text, ButtonsOf(prompt.buttons), parent_);
  if (prompt.autoYesAfterMs > 0) {
    QPointer<QMessageBox> open(&box);
    QTimer::singleShot(prompt.autoYesAfterMs, &box, [open] {
      if (!open) return;
      QAbstractButton* yes = open->button(QMessageBox::Yes);
      if (!yes) yes = open->button(QMessageBox::Ok);
      if (yes) yes->click();
    });
  }
  box.exec();
  const auto* clicked = box.clickedButton();
  // Closing the box without a button (Esc on a question) counts as the negative answer.
  if (!clicked) {
    return prompt.buttons == Prompt::Buttons::YesNo      ? Answer::No
           : prompt.buttons == Prompt::Buttons::OkCancel ? Answer::Cancel
                                                         : Answer::Ok;
  }
  return AnswerOf(box.standardButton(box.clickedButton()));
}

}  // namespace varelo
