#include "ui/MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>

#include "ui/CentredOnOwner.h"
#include "ui/TitleBarWidth.h"

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

// A box sizes itself to its text and buttons; an empty row as wide as the
// title needs keeps a window manager from cutting the title short.
void FitTitle(QMessageBox& box, const QWidget* owner) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const QMargins margins = grid->contentsMargins();
  int width = TitleBarWidth(box.windowTitle(), owner ? owner->window() : nullptr) - margins.left() - margins.right();
  // A long title (the tray tip is the player's text) never widens the box
  // past the screen.
  if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
    width = std::min(width, screen->availableGeometry().width() * 3 / 4);
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                grid->columnCount());
}

}  // namespace

Answer MessageBoxPrompter::Ask(const Prompt& prompt) {
  QMessageBox box(IconOf(prompt.icon), prompt.title, prompt.text, ButtonsOf(prompt.buttons), parent_);
  CentreOnOwnerWhenShown(box);
  FitTitle(box, parent_);
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
