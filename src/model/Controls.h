#pragma once
// The state of the window's named controls, as the game logic sees them:
// captions, visibility, enabled state, colours and the few positions the
// logic owns (the time bar, the pointer icon, the top bar slide). The logic
// writes here; the widgets, which carry the same names as objectName(),
// render it. So every rule is testable without a window, and a test can
// find a control by its name in the model or in the widget tree alike.
//
// Names follow one scheme: the control's name, and for members of a control
// array the index in parentheses ("LblTop(0)", "LblBegin(7)", "Command2").

#include <QHash>
#include <QObject>
#include <QString>

#include "core/Colour.h"
#include "core/ControlNames.h"

namespace varelo {

struct ControlState {
  QString text;  // caption, label text or menu caption
  QString toolTip;
  bool visible = true;
  bool enabled = true;
  Rgb colour;    // text colour of a label; fill of a shape or strip
  int left = 0;  // twips; only for controls whose place the logic owns
  int top = 0;
  int width = 0;
};

class Controls : public QObject {
  Q_OBJECT

 public:
  // Every control starts in its state at window creation.
  explicit Controls(QObject* parent = nullptr);

  bool contains(const QString& name) const { return states_.contains(name); }
  const ControlState& state(const QString& name) const;
  QList<QString> names() const { return states_.keys(); }

  QString text(const QString& name) const { return state(name).text; }
  QString toolTip(const QString& name) const { return state(name).toolTip; }
  bool isVisible(const QString& name) const { return state(name).visible; }
  bool isEnabled(const QString& name) const { return state(name).enabled; }
  Rgb colour(const QString& name) const { return state(name).colour; }
  int left(const QString& name) const { return state(name).left; }
  int top(const QString& name) const { return state(name).top; }
  int width(const QString& name) const { return state(name).width; }

  void setText(const QString& name, const QString& text);
  void setToolTip(const QString& name, const QString& toolTip);
  void setVisible(const QString& name, bool visible);
  void setEnabled(const QString& name, bool enabled);
  void setColour(const QString& name, Rgb colour);
  void setLeft(const QString& name, int left);
  void setTop(const QString& name, int top);
  void setWidth(const QString& name, int width);

 signals:
  void changed(const QString& name);

 private:
  template <typename Field, typename Value>
  void update(const QString& name, Field ControlState::*field, const Value& value);

  QHash<QString, ControlState> states_;
};

}  // namespace varelo
