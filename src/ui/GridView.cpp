#include "ui/GridView.h"

#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "core/Board.h"
#include "look/QtColour.h"
#include "model/Controls.h"
#include "viewmodel/CursorGlide.h"
#include "model/Cursors.h"
#include "model/Twips.h"
#include "viewmodel/BoardFit.h"
#include "viewmodel/WindowLayout.h"

namespace varelo {

namespace {

const QColor kLineColour(128, 255, 128);
const QColor kFrameColour(255, 0, 255);
const QColor kCrossColour(255, 0, 0);
// Shows through the hairline gaps between the cell squares.
const QColor kBoardColour(13, 24, 48);
constexpr int kBoxLinePixels = 3;
constexpr int kBorderLinePixels = 2;
constexpr int kCrossPixels = 4;

QRect ToPixelRect(const TwipRect& r) {
  const int left = ToPixels(r.left), top = ToPixels(r.top);
  return QRect(left, top, ToPixels(r.right()) - left, ToPixels(r.bottom()) - top);
}

QLineF ToPixelLine(const TwipLine& l) {
  auto px = [](int twips) { return twips / double(kTwipsPerPixel); };
  return QLineF(px(l.x1), px(l.y1), px(l.x2), px(l.y2));
}

}  // namespace

GridView::GridView(int grid, const GridGeometry& geometry, const Board& board, const Cursors& cursors,
                   Controls& controls, QWidget* parent)
    : QWidget(parent), grid_(grid), geometry_(geometry), board_(board), cursors_(cursors), controls_(controls) {
  setObjectName(ctl::PicMis(grid));
  setAttribute(Qt::WA_TranslucentBackground);
  setFocusPolicy(Qt::NoFocus);
  digitFont_ = QFont(QStringLiteral("Comic Sans MS"));
  digitFont_.setPointSize(geometry_.constants().digitPointSize);
  digitFont_.setBold(true);

  connect(&board_, &Board::cellChanged, this, [this](int g, int) {
    if (g == grid_) update();
  });
  connect(&board_, &Board::comboOrderChanged, this, [this] {
    Place();
    update();
  });
  connect(&cursors_, &Cursors::cursorChanged, this, [this](int g) {
    if (g == grid_) update();
  });
}

void GridView::setGridGeometry(const GridGeometry& geometry) {
  geometry_ = geometry;
  Place();
  update();
}

void GridView::setScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  Place();
  update();
}

void GridView::Render(const ControlState& state) {
  container_ = QPoint(state.left, state.top);
  Place();
}

// The widget spans what the grid draws at the layout's factor. The
// container's origin lies at its exact place, a fraction of a pixel into
// the widget, so the grids of a combination meet at their shared corners
// to the twip.
void GridView::Place() {
  const TwipRect board = geometry_.boardRect();
  const QPointF origin = QPointF(container_) / kTwipsPerPixel;
  const double s = scale_ / kTwipsPerPixel;
  const int left = static_cast<int>(std::floor(origin.x() + board.left * s));
  const int top = static_cast<int>(std::floor(origin.y() + board.top * s));
  const int right = static_cast<int>(std::ceil(origin.x() + board.right() * s));
  const int bottom = static_cast<int>(std::ceil(origin.y() + board.bottom() * s));
  const QRect placedAt(left, top, right - left, bottom - top);
  const QPointF placedOrigin = origin - QPointF(left, top);
  const bool moved = placedAt != QWidget::geometry() || placedOrigin != origin_ || scale_ != placedScale_;
  origin_ = placedOrigin;
  placedScale_ = scale_;
  setGeometry(placedAt);
  setMask(ShownRegion());
  if (moved) emit placed();
}

QPointF GridView::ToWidget(QPointF twips) const { return origin_ + twips * (scale_ / kTwipsPerPixel); }

QPointF GridView::FromWidget(QPointF pixels) const { return (pixels - origin_) * (kTwipsPerPixel / scale_); }

QRectF GridView::cellRect(int n) const {
  const TwipRect& s = geometry_.square(n);
  return QRectF(ToWidget(QPointF(s.left, s.top)), ToWidget(QPointF(s.right(), s.bottom())));
}

int GridView::EarlierNeighbour() const {
  const int order = board_.comboOrder();
  if (grid_ == 2 && order >= 2) return 1;
  if (grid_ == 3 && order == 3) return 2;
  return -1;
}

QPoint GridView::NeighbourOffset(int neighbour) const {
  const QString name = ctl::PicMis(neighbour);
  const QPointF window(controls_.left(name) - container_.x(), controls_.top(name) - container_.y());
  return (window / scale_).toPoint();
}

// Everything the grid draws, except the earlier grid's cells beside the
// shared corner, which that grid shows from below; this grid's own lines
// frame the corner over their edges.
QRegion GridView::ShownRegion() const {
  QRegion region(rect());
  const int neighbour = EarlierNeighbour();
  if (neighbour < 0) return region;
  const int corner = neighbour == 1 ? 81 : 9;
  const QPoint offset = NeighbourOffset(neighbour);
  for (int n = 1; n <= 81; ++n) {
    if (n == corner) continue;
    const TwipRect s = geometry_.square(n).translated(offset.x(), offset.y());
    // Every pixel the square touches: rounding its edges left a sliver of
    // this grid's board over the earlier grid's cell.
    region -= QRectF(ToWidget(QPointF(s.left, s.top)), ToWidget(QPointF(s.right(), s.bottom()))).toAlignedRect();
  }
  // Over those cells this grid shows its border lines alone, pixel for
  // pixel as drawn; its board beside them would cover the cells' edges.
  for (int i = 5; i <= 8; ++i) region += LinePixels(i, QPoint());
  return region & rect();
}

void GridView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.translate(origin_);
  painter.scale(scale_, scale_);
  PaintBoard(painter);
  PaintCells(painter);
  PaintLines(painter, QPoint());
  // The earlier grid's border lines frame the shared corner from this side too.
  if (const int neighbour = EarlierNeighbour(); neighbour >= 0) PaintLines(painter, NeighbourOffset(neighbour));
  PaintDigits(painter);
  PaintFrame(painter);
  PaintCross(painter);
}

void GridView::PaintBoard(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBoardColour);
  painter.drawRoundedRect(ToPixelRect(geometry_.boardRect()), 3, 3);
}

void GridView::PaintCells(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int n = 1; n <= 81; ++n)
    painter.fillRect(ToPixelRect(geometry_.square(n)), ToQColor(board_.background(grid_, n)));
}

// Line i in whole pixels of the widget, whatever the factor and the fraction
// of a pixel the grid's origin lies at: a pen scaled to 2.1 pixels covers two
// or three rows depending on where it falls, so lines of one kind would
// differ. The pixels are those of a square-capped pen of the line's width,
// which reaches half its width past both ends.
QRect GridView::LinePixels(int i, QPoint offset) const {
  const int width = std::max(1, qRound((i <= 4 ? kBoxLinePixels : kBorderLinePixels) * scale_));
  const TwipLine& l = geometry_.line(i);
  const QPointF from = ToWidget(QPointF(l.x1 + offset.x(), l.y1 + offset.y()));
  const QPointF to = ToWidget(QPointF(l.x2 + offset.x(), l.y2 + offset.y()));
  auto first = [width](double at) { return static_cast<int>(std::floor(at - width / 2.0 + 0.5)); };
  const int left = first(std::min(from.x(), to.x())), top = first(std::min(from.y(), to.y()));
  const int right = first(std::max(from.x(), to.x())) + width, bottom = first(std::max(from.y(), to.y())) + width;
  return QRect(left, top, right - left, bottom - top);
}

void GridView::PaintLines(QPainter& painter, QPoint offset) const {
  painter.save();
  painter.resetTransform();
  for (int i = 1; i <= 8; ++i) painter.fillRect(LinePixels(i, offset), kLineColour);
  painter.restore();
}

// The label positions were drawn for "Comic Sans MS", whose text starts a
// full ascent of 1.1025 em above the baseline; placing the baseline there
// keeps the digits inside their squares whatever font stands in for it.
void GridView::PaintDigits(QPainter& painter) const {
  constexpr double kDesignAscent = 1.1025;
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(digitFont_);
  const double pixelSize = QFontInfo(digitFont_).pixelSize();
  for (int n = 1; n <= 81; ++n) {
    const CellState& cell = board_.cell(grid_, n);
    if (cell.digit == 0 || !cell.digitShown) continue;
    const TwipRect& label = geometry_.label(n);
    const QPointF baseline(label.left / double(kTwipsPerPixel),
                           label.top / double(kTwipsPerPixel) + kDesignAscent * pixelSize);
    painter.setPen(ToQColor(board_.InkOf(cell)));
    painter.drawText(baseline, QString::number(cell.digit));
  }
}

// On whole pixels of the widget, whatever fraction of a pixel the grid's
// origin lies at: the outline is exactly its width at rest.
void GridView::PaintFrame(QPainter& painter) const {
  const CursorState& cursor = cursors_.state(grid_);
  if (!cursor.frameShown) return;
  const int size = geometry_.square(1).width;
  const QRectF placed(ToWidget(QPointF(cursor.frameLeft, cursor.frameTop)),
                      ToWidget(QPointF(cursor.frameLeft + size, cursor.frameTop + size)));
  const QRectF square(QPointF(qRound(placed.left()), qRound(placed.top())),
                      QSizeF(qRound(placed.width()), qRound(placed.height())));
  const qreal outline = CursorGlide::OutlinePixels(cursor) * scale_;
  const qreal half = outline / 2.0;
  painter.save();
  painter.resetTransform();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kFrameColour, outline));
  painter.setBrush(Qt::NoBrush);
  const qreal radius = square.width() / 5.0;
  painter.drawRoundedRect(square.adjusted(half, half, -half, -half), radius, radius);
  painter.restore();
}

void GridView::PaintCross(QPainter& painter) const {
  if (crossCell_ < 1 || crossCell_ > 81) return;
  const auto [down, up] = geometry_.CrossLines(crossCell_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kCrossColour, kCrossPixels, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(ToPixelLine(down));
  painter.drawLine(ToPixelLine(up));
}

void GridView::setCrossCell(int cell) {
  if (cell == crossCell_) return;
  crossCell_ = cell;
  update();
}

bool GridView::OnCell(QPoint pixel) const {
  const QPointF twips = FromWidget(pixel);
  const int x = static_cast<int>(std::lround(twips.x())), y = static_cast<int>(std::lround(twips.y()));
  for (int n = 1; n <= 81; ++n)
    if (geometry_.square(n).contains(x, y) || geometry_.label(n).contains(x, y)) return true;
  return false;
}

// Only the main grid can be dragged; its container follows the pointer
// until the button is released, held wholly inside the client area and
// below the top bar. A double click puts it back at its place.
void GridView::mousePressEvent(QMouseEvent* event) {
  if (grid_ != 0 || event->button() != Qt::LeftButton || !OnCell(event->position().toPoint())) {
    QWidget::mousePressEvent(event);
    return;
  }
  dragging_ = true;
  dragPointerStart_ = event->globalPosition().toPoint();
  dragGridStart_ = container_;
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !parentWidget()) return QWidget::mouseMoveEvent(event);
  const QPoint moved = event->globalPosition().toPoint() - dragPointerStart_;
  const QPoint wanted = dragGridStart_ + QPoint(varelo::ToTwips(moved.x()), varelo::ToTwips(moved.y()));
  BoardSpace space;
  space.clientWidth = varelo::ToTwips(parentWidget()->width());
  space.clientHeight = varelo::ToTwips(parentWidget()->height());
  space.topBar = metrics::kTopBarHeight;
  const QPoint place = KeepDraggedGridInside(wanted, geometry_.boardRect(), scale_, space);
  controls_.setLeft(objectName(), place.x());
  controls_.setTop(objectName(), place.y());
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
  QWidget::mouseReleaseEvent(event);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (grid_ == 0 && event->button() == Qt::LeftButton) {
    dragging_ = false;
    emit placeBackRequested();
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace varelo
