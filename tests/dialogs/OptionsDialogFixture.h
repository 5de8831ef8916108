#pragma once
// The Options dialog opened in a real main window, as the player opens it,
// with helpers to find, type into and drop onto its fields.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

#include "dialogs/OptionsDialog.h"
#include "dialogs/OptionsDialogFields.h"
#include "model/Controls.h"
#include "settings/SettingsStore.h"
#include "ui/WindowFixture.h"

namespace varelo::testing {

class OptionsDialogTest : public WindowTest {
 protected:
  using Drive = std::function<void(OptionsDialog&)>;

  // Opens the dialog the way the player does (menu item or start-screen
  // entry) and lets `drive` work in it while it is shown; `drive` closes it.
  void WithDialog(const Drive& drive, const QString& opener = ctl::kXuanxiang) {
    bool ran = false;
    window->setDialogRunner([&](QDialog& dialog) {
      dialog.show();
      dialog.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
      Settle();
      drive(static_cast<OptionsDialog&>(dialog));
      Settle();
      EXPECT_FALSE(dialog.isVisible()) << "the test left the dialog open";
      ran = true;
    });
    window->game().Click(opener);
    ASSERT_TRUE(ran);
    Settle();
  }

  template <class T>
  static T* Find(QWidget& dialog, const QString& name) {
    auto* widget = dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  static QLineEdit* Field(QWidget& d, const char* name) { return Find<QLineEdit>(d, QString::fromLatin1(name)); }
  static TriStateCheck* Check(QWidget& d, const char* name) {
    return Find<TriStateCheck>(d, QString::fromLatin1(name));
  }
  static QRadioButton* Option(QWidget& d, int index) { return Find<QRadioButton>(d, ctl::Indexed("Option1", index)); }
  static void Press(QWidget& d, const char* button) {
    QTest::mouseClick(Find<QPushButton>(d, QString::fromLatin1(button)), Qt::LeftButton);
  }
  // Key presses that carry `text` one character at a time, Chinese included.
  static void Type(QWidget* field, const QString& text) {
    for (const QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(field, &press);
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(field, &release);
    }
  }
  // Replaces the whole text of a field by typing, as the player would.
  static void Retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    Type(field, text);
  }
  static void Drop(QWidget* target, const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
  }

  Game& game() { return window->game(); }
  Controls& controls() { return game().controls(); }
  SettingsStore& store() { return settings.store(); }
  QTimer* Timer(const char* name) { return game().findChild<QTimer*>(QString::fromLatin1(name)); }
  QString Clock() {
    return controls().text(ctl::LblTime(0)) + controls().text(ctl::LblTime(1)) + controls().text(ctl::LblTime(2));
  }
  QStringList Asked() {
    QStringList texts;
    for (const Prompt& p : prompter.asked) texts << p.text;
    return texts;
  }
  QString WritePicture(const QString& name, QColor colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = programDir->filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
  }
  QString WriteText(const QString& name) {
    QFile file(programDir->filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture\n");
    return file.fileName();
  }
  // A pixel of the window's background, away from every control.
  QColor BackgroundPixel() {
    QWidget* canvas = window->centralWidget();
    return canvas->grab().toImage().pixelColor(canvas->width() - 3, canvas->height() - 3);
  }
};

}  // namespace varelo::testing
