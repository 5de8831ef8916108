#pragma once
// The top bar slides in over the upper edge when a game starts and out while
// the Options dialog is open: Timer5 moves it down, Timer9 up, 50 twips every
// 100 ms, the logo following it. The bar's place is the control model's
// ("PicTop" top, "ImgLogo" top), so the widgets only render it.

#include <QObject>

class QTimer;

namespace varelo {

class Controls;

class TopBarSlide : public QObject {
  Q_OBJECT

 public:
  static constexpr int kHiddenTop = -250;
  static constexpr int kStep = 50;
  static constexpr int kLogoTopWithBar = 250;
  static constexpr int kIntervalMs = 100;

  explicit TopBarSlide(Controls& controls, QObject* parent = nullptr);

  // Start or stop the slide timers (Timer5 in, Timer9 out).
  void StartSlideIn();
  void StopSlideIn();
  void StartSlideOut();
  void StopSlideOut();
  bool isSlidingIn() const;
  bool isSlidingOut() const;

 public slots:
  // The timer handlers; public so a test can step them.
  void SlideInTick();   // Timer5
  void SlideOutTick();  // Timer9

 private:
  void MoveBy(int dy);

  Controls& controls_;
  QTimer* in_;
  QTimer* out_;
};

}  // namespace varelo
