#pragma once
// "选项": colour hint, difficulty, number of givens, boss key with its tip
// text, and the background picture, previewed live on the main window. The
// game side (pause, save, resume or restart) is the game's OptionsFlow; this
// dialog shows its values and hands them back.

#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>

#include "game/OptionsFlow.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varelo {

class GivensEdit;
class PathDropEdit;
class Prompter;
class RandomSource;
class TriStateCheck;

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows a background picture on the main window; a null image leaves the
  // built-in picture alone.
  using PreviewSink = std::function<void(const QImage&)>;

  // Builds the controls and loads them from the settings (the load handler).
  OptionsDialog(OptionsFlow& flow, Prompter& prompter, RandomSource& random, PreviewSink preview,
                QWidget* parent = nullptr);

  // What OK would save.
  OptionValues values() const;

  // OK saves through the flow; Cancel, Esc and the close box all cancel.
  void accept() override;
  void reject() override;

 private:
  QGroupBox* Group(const QString& caption, int left, int top, int width, int height);
  QLabel* Label(QWidget* parent, const QString& name, const QString& text, int left, int top, int width);
  QPushButton* Button(const QString& name, const QString& caption, int top);
  void BuildGeneral();
  void BuildDifficulty();
  void BuildGivens();
  void BuildBossKey();
  void BuildButtons(RandomSource& random);

  void Load();
  void RestoreDefaults();
  void ApplyBossKeyRule();
  void CheckGivensOnLeaving();
  void PreviewBackground(const QString& text);

  OptionsFlow& flow_;
  Prompter& prompter_;
  PreviewSink preview_;
  OptionValues loaded_;
  bool closed_ = false;

  TriStateCheck* colourHint_ = nullptr;
  PathDropEdit* background_ = nullptr;
  QButtonGroup* difficulty_ = nullptr;
  GivensEdit* givens_ = nullptr;
  TriStateCheck* bossKey_ = nullptr;
  QLineEdit* trayTip_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace varelo
