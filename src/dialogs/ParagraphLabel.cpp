#include "dialogs/ParagraphLabel.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace varelo {

ParagraphLabel::ParagraphLabel(const QString& name, const QString& text, const QFont& font, QColor colour,
                               QWidget* parent)
    : QWidget(parent), text_(text), colour_(colour) {
  setObjectName(name);
  setFont(font);
  setAttribute(Qt::WA_TranslucentBackground);
}

void ParagraphLabel::LayOut(QTextDocument& document, int width) const {
  document.setDefaultFont(font());
  document.setDocumentMargin(0);
  document.setPlainText(text_);  // keeps the leading blanks that indent the first line
  document.setTextWidth(width);
  QTextCursor all(&document);
  all.select(QTextCursor::Document);
  QTextBlockFormat lines;
  lines.setLineHeight(QFontInfo(font()).pixelSize(), QTextBlockFormat::FixedHeight);
  all.mergeBlockFormat(lines);
}

int ParagraphLabel::heightForWidth(int width) const {
  QTextDocument document;
  LayOut(document, width);
  return int(std::ceil(document.size().height()));
}

void ParagraphLabel::paintEvent(QPaintEvent*) {
  QTextDocument document;
  LayOut(document, width());
  QPainter painter(this);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, colour_);
  context.clip = QRectF(rect());
  document.documentLayout()->draw(&painter, context);
}

}  // namespace varelo
