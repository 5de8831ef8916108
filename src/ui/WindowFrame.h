#pragma once
// The main window's frame as the window manager draws it. Qt learns the
// frame only after the window is first shown, so this watches the window:
// once the frame is known (or changes) it tells the window, which then lays
// out by its outer size and builds the grids for the frame's real border,
// and it puts the window where it belongs: centred on its screen unless the
// store placed it, and wholly on the screen that holds most of it.

#include <QObject>
#include <QSize>

class QWidget;

namespace varelo {

class WindowFrame : public QObject {
  Q_OBJECT

 public:
  explicit WindowFrame(QWidget& window);

  // The stored place was applied: the first frame does not centre the window.
  void setPlacedByStore(bool placed) { placedByStore_ = placed; }

  // Whether the window manager has framed the window.
  bool known() const { return margins_.width() > 0 || margins_.height() > 0; }
  // W and H: the frame's size where it is known, else the window's own.
  QSize outerSize() const;
  // One side's border in pixels, where the frame is known.
  int sideBorder() const { return margins_.width() / 2; }

  // Moves the window (frame included) wholly onto its screen.
  void KeepOnScreen();

 signals:
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();

  QWidget& window_;
  QSize margins_;  // frame size minus window size; none until framed
  bool placedByStore_ = false;
  bool placedOnce_ = false;
};

}  // namespace varelo
