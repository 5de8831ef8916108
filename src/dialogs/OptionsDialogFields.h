#pragma once
// The Options dialog's three kinds of field that plain widgets do not
// cover: a check box with a program-set third state, the givens field that
// takes digits only and reports when the focus leaves it, and the
// background field that takes a dropped file.

#include <QCheckBox>
#include <QLineEdit>

namespace varelo {

// Values 0 unchecked, 1 checked, 2 greyed: the greyed state marks an
// untouched default that counts as on. Only the program sets it; a click
// turns a greyed box checked and otherwise toggles, as the platform's own
// automatic check boxes do.
class TriStateCheck : public QCheckBox {
  Q_OBJECT

 public:
  TriStateCheck(const QString& name, const QString& caption, QWidget* parent);

  int value() const;
  void setValue(int value);

 protected:
  void nextCheckState() override;
};

// Only digits can be typed or pasted (Backspace and the editing keys still
// work). `left` reports the focus moving to another control of the dialog,
// not the dialog losing activation.
class GivensEdit : public QLineEdit {
  Q_OBJECT

 public:
  GivensEdit(const QString& name, QWidget* parent);

 signals:
  void left();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
};

// A dropped file puts its full path in the field (the first file of
// several); other drops behave as in any text field.
class PathDropEdit : public QLineEdit {
  Q_OBJECT

 public:
  PathDropEdit(const QString& name, QWidget* parent);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

}  // namespace varelo
