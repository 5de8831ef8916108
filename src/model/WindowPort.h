#pragma once
// What the game asks of the main window. The window implements it; tests use
// a fake, so every rule that depends on the window's state stays testable.

namespace varelo {

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  virtual bool isMinimized() const = 0;
  virtual bool isHidden() const = 0;  // hidden to the notification area

  // Client size in twips, for the few places the logic positions a label.
  virtual int clientWidth() const = 0;
  virtual int clientHeight() const = 0;

  virtual void openOptions() = 0;
  virtual void openRules() = 0;
  virtual void openAbout() = 0;

  // A normal close: asks "确定要退出吗？" and saves the geometry.
  virtual void requestClose() = 0;
  // Ends the program at once, without saving the geometry.
  virtual void quitNow() = 0;
  // The boss key with the boss key on: minimise and hide to the tray.
  virtual void hideToTray() = 0;
};

}  // namespace varelo
