#include "ui/CentredOnOwner.h"

#include <QEvent>
#include <QWidget>

namespace varelo {

namespace {

class CentredOnOwner : public QObject {
 public:
  explicit CentredOnOwner(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &dialog_ && event->type() == QEvent::Show) Centre();
    return QObject::eventFilter(watched, event);
  }

 private:
  // The dialog's frame is the owner's frame around the dialog's size. Where
  // the platform knows no frame yet (X11 before mapping) a move places the
  // window itself, which the frame then surrounds: it goes a frame's border
  // and title in from the frame's place.
  void Centre() {
    const QWidget* owner = dialog_.parentWidget() ? dialog_.parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) return;
    const QRect ownerFrame = owner->frameGeometry();
    const bool framed = dialog_.frameGeometry() != dialog_.geometry();
    const QSize margins = framed ? dialog_.frameGeometry().size() - dialog_.size() : ownerFrame.size() - owner->size();
    QRect frame(QPoint(), dialog_.size() + margins);
    frame.moveCenter(ownerFrame.center());
    dialog_.move(framed ? frame.topLeft() : frame.topLeft() + (owner->geometry().topLeft() - ownerFrame.topLeft()));
  }

  QWidget& dialog_;
};

}  // namespace

void CentreOnOwnerWhenShown(QWidget& dialog) { dialog.installEventFilter(new CentredOnOwner(dialog)); }

}  // namespace varelo
