#include "ui/ControlBinder.h"

#include <QAction>
#include <QWidget>
#include <algorithm>

#include "model/Controls.h"
#include "model/Twips.h"
#include "ui/ControlWidgets.h"

namespace varelo {

ControlBinder::ControlBinder(Controls& controls, QObject* parent) : QObject(parent), controls_(controls) {
  connect(&controls_, &Controls::changed, this, &ControlBinder::Render);
}

void ControlBinder::Bind(QWidget* widget, ControlView* view, int width, int height, bool widthFromModel) {
  BindWith(widget, view, [widget, width, height, widthFromModel](const ControlState& state) {
    const int w = widthFromModel ? state.width : width;
    widget->setGeometry(ToPixels(state.left), ToPixels(state.top), std::max(0, ToPixels(w)), ToPixels(height));
  });
}

void ControlBinder::BindPlacedByView(QWidget* widget, ControlView* view) { BindWith(widget, view, {}); }

void ControlBinder::BindWith(QWidget* widget, ControlView* view, std::function<void(const ControlState&)> place) {
  const QString name = widget->objectName();
  Q_ASSERT_X(controls_.contains(name), "ControlBinder", qPrintable(name));
  renderers_[name] = [this, widget, view, name, place = std::move(place)] {
    const ControlState& state = controls_.state(name);
    if (place) place(state);
    widget->setEnabled(state.enabled);
    if (widget->toolTip() != state.toolTip) widget->setToolTip(state.toolTip);
    if (view) view->Render(state);
    widget->setVisible(state.visible);
  };
  Render(name);
}

void ControlBinder::Bind(QAction* action) {
  const QString name = action->objectName();
  if (!controls_.contains(name)) return;
  renderers_[name] = [this, action, name] {
    const ControlState& state = controls_.state(name);
    if (!action->isSeparator() && !state.text.isEmpty()) action->setText(state.text);
    action->setVisible(state.visible);
    action->setEnabled(state.enabled);
  };
  Render(name);
}

void ControlBinder::Render(const QString& name) {
  if (const auto it = renderers_.constFind(name); it != renderers_.constEnd()) (*it)();
}

}  // namespace varelo
