#pragma once
// Keeps the widgets and menu actions in step with the control model: each
// bound control is rendered once at binding and again whenever the model
// reports a change of it. The widget's objectName is the control's name.

#include <QHash>
#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace varelo {

class ControlView;
struct ControlState;
class Controls;

class ControlBinder : public QObject {
  Q_OBJECT

 public:
  explicit ControlBinder(Controls& controls, QObject* parent = nullptr);

  // Place (left/top from the model, twips), visibility, enabled state and
  // tool tip of `widget`, and through `view` its content. The height is
  // fixed; the width too unless `widthFromModel`.
  void Bind(QWidget* widget, ControlView* view, int width, int height, bool widthFromModel = false);
  // The same for a view that places and sizes itself from its state.
  void BindPlacedByView(QWidget* widget, ControlView* view);
  // Caption, visibility and enabled state of a menu item, when the model
  // knows it.
  void Bind(QAction* action);

 private:
  void BindWith(QWidget* widget, ControlView* view, std::function<void(const ControlState&)> place);
  void Render(const QString& name);

  Controls& controls_;
  QHash<QString, std::function<void()>> renderers_;
};

}  // namespace varelo
