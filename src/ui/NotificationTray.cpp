#include "ui/NotificationTray.h"

#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QWidget>

#include "core/ControlNames.h"
#include "look/BackgroundPicture.h"
#include "look/Pictures.h"
#include "model/Prompter.h"
#include "model/Texts.h"
#include "settings/SettingsStore.h"

namespace varelo {

NotificationTray::NotificationTray(QWidget& window, QMenu& menu, SettingsStore& settings, Prompter& prompter,
                                   QString hideIcon, std::function<void()> quit, QObject* parent)
    : QObject(parent), window_(window), menu_(menu), settings_(settings), prompter_(prompter),
      hideIcon_(std::move(hideIcon)), quit_(std::move(quit)) {
  setObjectName(ctl::kNotificationTray);
}

void NotificationTray::Hide() {
  if (icon_) return;
  savedState_ = window_.windowState();
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return window_.showMinimized();
  // Hidden straight away, not minimised first: on X11 the window manager
  // answers a minimise after the window is gone, and the stale minimised
  // state would come back with the restored window. The game counts a
  // window hidden here as minimised all the same.

  UseHideIcon();
  icon_ = new QSystemTrayIcon(window_.windowIcon(), this);
  icon_->setObjectName(ctl::kTrayIcon);
  icon_->setToolTip(settings_.preferences().trayTip);
  connect(icon_, &QSystemTrayIcon::activated, this, &NotificationTray::OnActivated);
  icon_->show();
  window_.hide();
}

// The window shows "HIDE.ICO" in the taskbar and the tray until restored;
// a missing or unreadable file leaves the current icon.
void NotificationTray::UseHideIcon() {
  // Read at once and only from a regular file: a FIFO there froze the window.
  const QIcon icon = LoadIcon(hideIcon_);
  if (!icon.availableSizes().isEmpty()) window_.setWindowIcon(icon);
}

void NotificationTray::OnActivated(QSystemTrayIcon::ActivationReason reason) {
  const bool buttonClick = reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context;
  if (buttonClick && !window_.isVisible()) menu_.popup(QCursor::pos());
}

void NotificationTray::Restore() {
  if (!icon_) return;
  window_.show();
  RemoveIcon();
  window_.setWindowIcon(pictures::ProgramIcon());
  window_.setWindowState(savedState_);  // a maximised window comes back maximised
  window_.raise();
  window_.activateWindow();
}

void NotificationTray::Quit() {
  const Prompt question{texts::kQuitQuestion, Prompt::Icon::Question, Prompt::Buttons::YesNo,
                        settings_.preferences().trayTip};
  if (prompter_.Ask(question) != Answer::Yes) return;
  RemoveIcon();
  quit_();
}

void NotificationTray::RemoveIcon() {
  if (!icon_) return;
  icon_->hide();
  icon_->deleteLater();
  icon_ = nullptr;
}

}  // namespace varelo
