#pragma once
// The boss key's hiding place: the main window minimised and hidden behind
// an icon in the notification area, whose tip is the player's `tswb` text
// and whose left or right click opens the tray menu "sys" (restore, quit).

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

#include <functional>

class QMenu;
class QWidget;

namespace varelo {

class Prompter;
class SettingsStore;

class NotificationTray : public QObject {
  Q_OBJECT

 public:
  // `hideIcon` is the optional "HIDE.ICO" beside the executable; `quit`
  // ends the program at once, without the close question.
  NotificationTray(QWidget& window, QMenu& menu, SettingsStore& settings, Prompter& prompter, QString hideIcon,
                   std::function<void()> quit, QObject* parent = nullptr);

  // Saves the window's state and hides the window behind the icon. Without
  // a notification area the window is only minimised: hidden, it could
  // never be brought back.
  void Hide();
  // "还原": the window in its saved state with the program icon; the tray
  // icon goes away.
  void Restore();
  // "退出": asks with the tip text as title; Yes removes the icon and ends
  // the program, No leaves the window hidden.
  void Quit();

  // Whether the window is hidden behind the icon now.
  bool windowHidden() const { return icon_ != nullptr; }

 private:
  void OnActivated(QSystemTrayIcon::ActivationReason reason);
  void UseHideIcon();
  void RemoveIcon();

  QWidget& window_;
  QMenu& menu_;
  SettingsStore& settings_;
  Prompter& prompter_;
  QString hideIcon_;
  std::function<void()> quit_;
  Qt::WindowStates savedState_;
  QSystemTrayIcon* icon_ = nullptr;
};

}  // namespace varelo
