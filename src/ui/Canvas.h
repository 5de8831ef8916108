#pragma once
// The main window's client area: paints the background, the built-in
// picture stretched over everything and the player's picture over it, under
// all the controls, and reports its size changes for the layout.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace varelo {

class Canvas : public QWidget {
  Q_OBJECT

 public:
  explicit Canvas(QWidget* parent);

  // The player's picture ("Imgbcl2"); a null image shows the built-in one only.
  void setPlayerPicture(const QImage& picture);
  bool hasPlayerPicture() const { return !player_.isNull(); }

 signals:
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage player_;
  QPixmap builtIn_;  // rendered for the current size
};

}  // namespace varelo
