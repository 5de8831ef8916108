#pragma once
// A word-wrapping paragraph on a transparent background with a fixed line
// pitch. The rules dialog's paragraphs were set in a font whose lines are
// exactly one em apart; fonts standing in for it carry extra leading, which
// would push the longer paragraphs into their neighbours.

#include <QColor>
#include <QWidget>

class QTextDocument;

namespace varelo {

class ParagraphLabel : public QWidget {
  Q_OBJECT

 public:
  ParagraphLabel(const QString& name, const QString& text, const QFont& font, QColor colour, QWidget* parent);

  QString text() const { return text_; }
  // The height the text takes at this width, in pixels.
  int heightForWidth(int width) const override;
  bool hasHeightForWidth() const override { return true; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void LayOut(QTextDocument& document, int width) const;

  QString text_;
  QColor colour_;
};

}  // namespace varelo
