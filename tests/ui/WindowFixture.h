#pragma once
// A real main window on the offscreen platform, with a scripted prompter, a
// pointer the test moves and a program folder of its own.

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWindow>

#include <memory>

#include <gtest/gtest.h>

#include "model/Prompter.h"
#include "model/Twips.h"
#include "support/TempSettings.h"
#include "ui/MainWindow.h"
#include "viewmodel/CursorGlide.h"

namespace varelo::testing {

// Keeps every prompt in `asked`; answers from `answers` in order, then Ok.
class QueuedAnswerPrompter : public Prompter {
 public:
  Answer Ask(const Prompt& prompt) override {
    asked.append(prompt);
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
  }
  QList<Prompt> asked;
  QList<Answer> answers;
};

class MovablePointer : public PointerSource {
 public:
  QPoint PointerTwips() const override { return at; }
  QPoint at{-1000000, -1000000};
};

// Where the suite's screenshots go: build*/screenshots of the build the test runs from.
inline QString ScreenshotPath(const QString& name) {
  const QString dir = QStringLiteral(VARELO_SCREENSHOT_DIR);
  QDir().mkpath(dir);
  return dir + u'/' + name + QStringLiteral(".png");
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { programDir = std::make_unique<QTemporaryDir>(); }

  MainWindow& Open() {
    window = std::make_unique<MainWindow>(settings.store(), AppPaths{programDir->path()}, &prompter, &pointer);
    window->show();
    QApplication::processEvents();
    return *window;
  }
  void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  // The window's laid-out size in twips changes only through resize events.
  void ResizeTo(int widthPixels, int heightPixels) {
    window->resize(widthPixels, heightPixels);
    Settle();
  }
  // The pointer goes to a point in screen twips, and the window system tells
  // the window under it (`over`, the main window by default): a move over
  // it, or the pointer leaving it. No timer fires meanwhile.
  void MovePointer(QPoint twips, QWidget* over = nullptr) {
    pointer.at = twips;
    QWindow* handle = (over ? over : window.get())->windowHandle();
    const QPoint global = twips / kTwipsPerPixel;
    const QPoint local = handle->mapFromGlobal(global);
    if (!QRect(QPoint(), handle->size()).contains(local)) {
      QEvent leave(QEvent::Leave);
      QCoreApplication::sendEvent(handle, &leave);
      return;
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &move);
  }
  void Screenshot(QWidget& widget, const QString& name) {
    Settle();
    ASSERT_TRUE(widget.grab().save(ScreenshotPath(name))) << name.toStdString();
  }

  TempSettings settings;
  QueuedAnswerPrompter prompter;
  MovablePointer pointer;
  std::unique_ptr<QTemporaryDir> programDir;
  std::unique_ptr<MainWindow> window;
};

}  // namespace varelo::testing
