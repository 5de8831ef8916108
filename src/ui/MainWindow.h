#pragma once
// The main window "Varelo": owns the game, renders its control model with
// widgets laid out in twips by the resize rules, draws the five grid views,
// runs the cursor glide, and forwards every click, hover and key to the
// game by control name.

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

#include "game/Game.h"
#include "game/TopBarSlide.h"
#include "model/WindowPort.h"
#include "settings/AppPaths.h"
#include "ui/GameMenus.h"
#include "viewmodel/CursorGlide.h"
#include "viewmodel/GridGeometry.h"
#include "viewmodel/WindowLayout.h"

class QDialog;

namespace varelo {

class Canvas;
class ControlBinder;
class GridView;
class NotificationTray;
class PictureBox;
class WindowFrame;
class SettingsStore;

class MainWindow : public QMainWindow, public WindowPort, private GridPlacement {
  Q_OBJECT

 public:
  // `prompter` and `pointer` default to message boxes and the real mouse;
  // tests pass scripted ones.
  explicit MainWindow(SettingsStore& settings, AppPaths paths = AppPaths::FromApplication(),
                      Prompter* prompter = nullptr, const PointerSource* pointer = nullptr);
  ~MainWindow() override;

  Game& game() { return game_; }
  GridView* gridView(int grid) const { return grids_[grid]; }
  CursorGlide& glide() { return *glide_; }

  // The entry procedure's share: size, position and state from the stored
  // keys, then show.
  void ShowAtStoredPlacement();

  // Menu items created at run time: the level menu (mnuLevels(i)) and the
  // file menu (mnufil(i)).
  RuntimeMenu& levelMenu() { return *menus_.levels; }
  RuntimeMenu& fileMenu() { return *menus_.files; }
  QMenu* trayMenu() const { return menus_.tray; }

  // How the Options dialog is run: modally by default; tests drive the
  // dialog through their own runner instead of blocking in exec().
  using DialogRunner = std::function<void(QDialog&)>;
  void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

  // Grid k's conflict cross over a cell; 0 hides it.
  void setCrossCell(int grid, int cell);
  // The pointer strictly inside the main grid's border lines (the arrow keys
  // steer the cursor only when it is not).
  bool pointerOverMainGrid() const;
  // The top-bar slide (Timer5 in, Timer9 out).
  TopBarSlide& topBar() { return game_.topBar(); }
  // The player's background picture ("Imgbcl2"); a null image removes it.
  void setPlayerBackground(const QImage& picture);
  bool hasPlayerBackground() const;
  // Lays every control out for the current size (the resize handler).
  void Relayout();
  // The grids of the layout in play at their computed places, which also
  // takes back a drag of the main grid.
  void PlaceGridsAfresh();
  WindowSizes sizesInTwips() const;

  // WindowPort
  // Hidden to the tray counts as minimised, whatever the window manager
  // reports for a hidden window.
  bool isMinimized() const override;
  bool isHidden() const override;
  int clientWidth() const override;
  int clientHeight() const override;
  void openOptions() override;
  void openRules() override;
  void openAbout() override;
  void requestClose() override;
  void quitNow() override;
  void hideToTray() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QPoint GridOriginTwips(int grid) const override;
  double GridScale(int grid) const override;
  // The layout's factor for the grid views.
  void ScaleGrids(double scale);
  GridExtents Extents() const;

  void BuildStartScreen();
  void BuildGridViews();
  void BuildTopBar();
  void BuildSideControls();
  void ConnectGame();
  void LoadBackground();
  void LoadLogo();
  void BuildTray();
  int FrameTerm() const;
  void RebuildGridGeometry();
  bool Corrected() const;

  SettingsStore& settings_;
  std::unique_ptr<Prompter> ownedPrompter_;
  Prompter& prompter_;
  std::unique_ptr<PointerSource> ownedPointer_;
  const PointerSource& pointer_;
  Game game_;

  Canvas* canvas_ = nullptr;
  ControlBinder* binder_ = nullptr;
  GameMenus menus_;
  std::array<GridGeometry, kGridCount> geometries_;
  std::array<GridView*, kGridCount> grids_{};
  std::array<bool, kGridCount> gridShown_{};
  std::unique_ptr<CursorGlide> glide_;
  PictureBox* logo_ = nullptr;
  NotificationTray* tray_ = nullptr;
  WindowFrame* frame_ = nullptr;
  DialogRunner runDialog_;
  bool quitting_ = false;
};

}  // namespace varelo
