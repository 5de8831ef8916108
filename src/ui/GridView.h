#pragma once
// One grid view: the container PicMis (grid 0) or PicMis1..PicMis4, drawing
// exactly what the board holds for its grid: cell colours, digits in their
// ink, box and border lines, the cursor frame from the cursor model and the
// conflict cross. The main grid can be dragged with the left button
// and is put back by a double click.
//
// The geometry is in twips in the container's coordinates; the view draws it
// at the layout's factor (1 unless the window is too small for the layout),
// with the container's origin where the layout puts it. The widget covers
// what the grid draws and takes the pointer only there, so the controls
// around it stay within reach; where a later grid of a combination overlaps
// an earlier one at their shared corner, it leaves the earlier grid's cells
// to show and draws the earlier grid's border lines over its own.

#include <QPoint>
#include <QWidget>

#include "ui/ControlWidgets.h"
#include "viewmodel/GridGeometry.h"

namespace varelo {

class Board;
class Controls;
class Cursors;

class GridView : public QWidget, public ControlView {
  Q_OBJECT

 public:
  GridView(int grid, const GridGeometry& geometry, const Board& board, const Cursors& cursors, Controls& controls,
           QWidget* parent);

  int grid() const { return grid_; }
  const GridGeometry& geometry() const { return geometry_; }
  void setGridGeometry(const GridGeometry& geometry);

  // The factor the layout draws the grid at.
  double scale() const { return scale_; }
  void setScale(double scale);

  // Where the container's origin lies in the widget, in pixels.
  QPointF containerOrigin() const { return origin_; }
  // A twip point of the container in the widget's pixels, and back.
  QPointF ToWidget(QPointF twips) const;
  QPointF FromWidget(QPointF pixels) const;
  // Square n as drawn, in the widget's pixels.
  QRectF cellRect(int n) const;

  // The cell under the conflict cross, 0 for none.
  void setCrossCell(int cell);
  int crossCell() const { return crossCell_; }

  // The container's place comes from the control model.
  void Render(const ControlState& state) override;

 signals:
  // The grid moved or was scaled: the cells now lie elsewhere on the screen.
  void placed();
  // A double click on the main grid: the layout puts it back at its place.
  void placeBackRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void Place();
  // The grid whose shared corner this one overlaps, and its container's
  // origin in this container's twips; -1 when none is in play.
  int EarlierNeighbour() const;
  QPoint NeighbourOffset(int neighbour) const;
  QRegion ShownRegion() const;

  void PaintBoard(QPainter& painter) const;
  void PaintCells(QPainter& painter) const;
  void PaintLines(QPainter& painter, QPoint offset) const;
  QRect LinePixels(int line, QPoint offset) const;
  void PaintDigits(QPainter& painter) const;
  void PaintFrame(QPainter& painter) const;
  void PaintCross(QPainter& painter) const;
  bool OnCell(QPoint pixel) const;

  const int grid_;
  GridGeometry geometry_;
  const Board& board_;
  const Cursors& cursors_;
  Controls& controls_;
  QFont digitFont_;
  int crossCell_ = 0;

  double scale_ = 1;
  QPoint container_;        // twips, the container's place in the window
  QPointF origin_;          // pixels, the container's origin in the widget
  double placedScale_ = 1;  // the factor the last placing was for

  bool dragging_ = false;
  QPoint dragPointerStart_;  // global pixels
  QPoint dragGridStart_;     // twips, the container's place
};

}  // namespace varelo
