#pragma once
// One grid view: the container PicMis (grid 0) or PicMis1..PicMis4, drawing
// exactly what the board holds for its grid: cell colours, digits in their
// ink, box and border lines, the cursor frame from the cursor model and the
// conflict cross. The main grid can be dragged with the left button.

#include <QPoint>
#include <QWidget>

#include "ui/ControlWidgets.h"
#include "ui/model/GridGeometry.h"

namespace varelo {

class Board;
class Controls;
class Cursors;

class GridView : public QWidget, public ControlView {
  Q_OBJECT

 public:
  GridView(int grid, const GridGeometry& geometry, const Board& board, const Cursors& cursors,
           Controls& controls, QWidget* parent);

  int grid() const { return grid_; }
  const GridGeometry& geometry() const { return geometry_; }

  // The cell under the conflict cross, 0 for none.
  void setCrossCell(int cell);
  int crossCell() const { return crossCell_; }

  void Render(const ControlState&) override {}

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void PaintBoard(QPainter& painter) const;
  void PaintCells(QPainter& painter) const;
  void PaintLines(QPainter& painter) const;
  void PaintDigits(QPainter& painter) const;
  void PaintFrame(QPainter& painter) const;
  void PaintCross(QPainter& painter) const;
  bool OnCell(QPoint pixel) const;

  const int grid_;
  const GridGeometry geometry_;
  const Board& board_;
  const Cursors& cursors_;
  Controls& controls_;
  QFont digitFont_;
  int crossCell_ = 0;

  bool dragging_ = false;
  QPoint dragPointerStart_;  // global pixels
  QPoint dragGridStart_;     // twips, the container's place
};

}  // namespace varelo
