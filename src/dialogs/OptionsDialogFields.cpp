#include "dialogs/OptionsDialogFields.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QMimeData>
#include <QRegularExpressionValidator>
#include <QUrl>

namespace varelo {

namespace {

// The first local file among the dropped items, or an empty string.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

TriStateCheck::TriStateCheck(const QString& name, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
  setObjectName(name);
  setTristate(true);
}

int TriStateCheck::value() const {
  switch (checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: break;
  }
  return 2;
}

void TriStateCheck::setValue(int value) {
  setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

void TriStateCheck::nextCheckState() { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

GivensEdit::GivensEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
  setObjectName(name);
  setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void GivensEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: return;
    default: emit left();
  }
}

PathDropEdit::PathDropEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
  setObjectName(name);
  setAcceptDrops(true);
}

void PathDropEdit::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) return event->acceptProposedAction();
  QLineEdit::dragEnterEvent(event);
}

void PathDropEdit::dragMoveEvent(QDragMoveEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) return event->acceptProposedAction();
  QLineEdit::dragMoveEvent(event);
}

void PathDropEdit::dropEvent(QDropEvent* event) {
  const QString file = DroppedFile(event->mimeData());
  if (file.isEmpty()) return QLineEdit::dropEvent(event);
  setText(QDir::toNativeSeparators(file));
  event->acceptProposedAction();
}

}  // namespace varelo
