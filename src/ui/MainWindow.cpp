#include "ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "dialogs/AboutDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/RulesDialog.h"
#include "game/Completion.h"
#include "game/FileMenu.h"
#include "game/GameClock.h"
#include "game/SolveController.h"
#include "input/ConflictMarker.h"
#include "look/BackgroundPicture.h"
#include "look/Pictures.h"
#include "look/QtColour.h"
#include "model/Controls.h"
#include "model/Twips.h"
#include "settings/SettingsStore.h"
#include "sources/LevelBank.h"
#include "sources/MissionProgress.h"
#include "ui/Canvas.h"
#include "ui/CentredOnOwner.h"
#include "ui/ClockSeparator.h"
#include "ui/ControlBinder.h"
#include "ui/ControlWidgets.h"
#include "ui/CurrentLevelMenu.h"
#include "ui/GridView.h"
#include "ui/MenuBarEsc.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/NotificationTray.h"
#include "ui/PlaceWatch.h"
#include "ui/PointerWatch.h"
#include "ui/WindowFrame.h"
#include "viewmodel/StartScreen.h"
#include "viewmodel/VirtualKeys.h"
#include "viewmodel/WindowPlacement.h"

namespace varelo {

namespace {

constexpr int kLogoMaxWidth = 3060;
constexpr int kLogoMaxHeight = 615;

// Asking the window system for the pointer is a round trip to the display
// server; the glide timers of up to three grids ask every 10 ms, so one
// answer serves every question within the same few milliseconds.
class ScreenPointer : public PointerSource {
 public:
  QPoint PointerTwips() const override {
    if (!asked_.isValid() || asked_.elapsed() >= kFreshMs) {
      last_ = QCursor::pos() * kTwipsPerPixel;
      asked_.start();
    }
    return last_;
  }

 private:
  static constexpr int kFreshMs = 5;
  mutable QElapsedTimer asked_;
  mutable QPoint last_;
};

QFont Font(const char* family, double points, bool bold = false) {
  QFont font(QString::fromUtf8(family));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont SongTi(double points, bool bold = false) { return Font("宋体", points, bold); }

}  // namespace

MainWindow::MainWindow(SettingsStore& settings, AppPaths paths, Prompter* prompter, const PointerSource* pointer)
    : settings_(settings), ownedPrompter_(prompter ? nullptr : std::make_unique<MessageBoxPrompter>(this)),
      prompter_(prompter ? *prompter : *ownedPrompter_),
      ownedPointer_(pointer ? nullptr : std::make_unique<ScreenPointer>()),
      pointer_(pointer ? *pointer : *ownedPointer_), game_(settings, prompter_, *this, std::move(paths)) {
  setObjectName(ctl::kForm1);
  // The window's timers, the game's included, are found by name from it.
  game_.setParent(this);
  setWindowTitle(texts::kTitle);
  setWindowIcon(pictures::ProgramIcon());
  setMinimumSize(550, 530);
  resize(ToPixels(metrics::kDesignWidth), ToPixels(metrics::kDesignHeight));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  setFocusPolicy(Qt::StrongFocus);
  frame_ = new WindowFrame(*this);

  canvas_ = new Canvas(this);
  setCentralWidget(canvas_);
  binder_ = new ControlBinder(game_.controls(), this);
  menus_ = BuildGameMenus(menuBar(), this, [this](const QString& name) { game_.Click(name); });
  for (QAction* action : menus_.actions) binder_->Bind(action);
  new MenuBarEsc(*menuBar(), *this);

  // The load handler, in its order: background, grid views (the main grid
  // ending with the start screen), the game's share, the logo.
  LoadBackground();
  BuildStartScreen();
  BuildGridViews();
  BuildTopBar();
  BuildSideControls();
  // No picture or control covers a grid: the views lie above all of them but
  // the top bar, and take the pointer only where they draw.
  for (GridView* view : grids_) view->raise();
  canvas_->findChild<QWidget*>(ctl::kPicTop)->raise();
  ConnectGame();
  BuildTray();
  game_.Load();
  LoadLogo();

  connect(canvas_, &Canvas::resized, this, &MainWindow::Relayout);
  // W and H are the framed window's; the grids start a frame's border in.
  connect(frame_, &WindowFrame::changed, this, [this] {
    RebuildGridGeometry();
    Relayout();
  });
  // Showing a grid places it afresh, which also takes back a drag of the
  // main grid, as opening a game does.
  connect(&game_.controls(), &Controls::changed, this, [this](const QString& name) {
    for (int grid = 0; grid < kGridCount; ++grid) {
      if (name != ctl::PicMis(grid)) continue;
      const bool shown = game_.controls().isVisible(name);
      if (shown && !gridShown_[grid]) PlaceGridsAfresh();
      gridShown_[grid] = shown;
    }
  });
  connect(grids_[0], &GridView::placeBackRequested, this, &MainWindow::PlaceGridsAfresh);
  connect(&game_.board(), &Board::comboOrderChanged, this, &MainWindow::Relayout);
  Relayout();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildStartScreen() {
  for (int i = 0; i < ctl::kStartEntryCount; ++i) {
    const QString name = ctl::LblBegin(i);
    auto* label = new CaptionLabel(name, Font("楷体_GB2312", i <= 6 ? 26.25 : 24, true), Qt::AlignCenter, canvas_,
                                   CaptionLabel::Edge::Outline);
    connect(label, &CaptionLabel::clicked, this, [this, name] { game_.Click(name); });
    connect(label, &CaptionLabel::entered, this, [this, name] { game_.Hover(name); });
    binder_->Bind(label, label, startscreen::kEntryWidth, startscreen::kEntryHeight);
  }
  const std::pair<QLatin1String, QString> arrows[] = {{ctl::kImgLa, pictures::kArrowLeft},
                                                      {ctl::kImgRa, pictures::kArrowRight}};
  for (const auto& [name, picture] : arrows) {
    auto* arrow = new PictureBox(
        name, [picture](const ControlState&) { return picture; }, canvas_);
    arrow->setCursor(Qt::PointingHandCursor);
    connect(arrow, &PictureBox::clicked, this, [this, n = arrow->objectName()] { game_.Click(n); });
    binder_->Bind(arrow, arrow, startscreen::kArrowSize, startscreen::kArrowSize);
  }
}

// Until the window manager has framed the window the layout's design frame
// stands in; offscreen there is never a frame.
int MainWindow::FrameTerm() const { return frame_->known() ? ToTwips(frame_->sideBorder()) : kDesignFrameTerm; }

void MainWindow::RebuildGridGeometry() {
  const int frameTerm = FrameTerm();
  const bool corrected = Corrected();
  for (int grid = 0; grid < kGridCount; ++grid) {
    geometries_[grid] = GridGeometry::Build(KindOfGrid(grid), frameTerm, corrected);
    grids_[grid]->setGridGeometry(geometries_[grid]);
  }
  glide_->setGeometries(geometries_);
}

bool MainWindow::Corrected() const { return settings_.Read(SettingKey::FrameCorrection) == setting_values::kYes; }

void MainWindow::BuildGridViews() {
  const int frameTerm = FrameTerm();
  const bool corrected = Corrected();
  for (int grid = 0; grid < kGridCount; ++grid)
    geometries_[grid] = GridGeometry::Build(KindOfGrid(grid), frameTerm, corrected);
  const GridPlacement& placement = *this;
  glide_ = std::make_unique<CursorGlide>(game_.cursors(), game_.board(), geometries_, pointer_, placement, this);
  // A child of the glide, so no event reaches it once the glide is gone.
  new PointerWatch([glide = glide_.get()] { glide->Wake(); }, glide_.get());
  for (int grid = 0; grid < kGridCount; ++grid) {
    auto* view = new GridView(grid, geometries_[grid], game_.board(), game_.cursors(), game_.controls(), canvas_);
    grids_[grid] = view;
    binder_->BindPlacedByView(view, view);
    connect(view, &GridView::placed, glide_.get(), &CursorGlide::Wake);
    glide_->ResetFrame(grid);
    if (grid == 0) startscreen::LayOut(game_.controls(), sizesInTwips().width, sizesInTwips().height);
  }
}

void MainWindow::BuildTopBar() {
  auto* bar = new ShapeBox(ctl::kPicTop, canvas_);
  bar->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  binder_->Bind(bar, bar, 0, metrics::kTopBarHeight, true);

  const QFont font = SongTi(10.5);
  const int captionWidths[4] = {600, 600, 1080, 600};
  const int valueWidths[4] = {1080, 1200, 960, 855};
  for (int i = 0; i < 4; ++i) {
    auto* caption = new CaptionLabel(ctl::Lblts(i), font, Qt::AlignLeft | Qt::AlignVCenter, bar);
    binder_->Bind(caption, caption, captionWidths[i], metrics::kTopBarHeight);
    auto* value = new CaptionLabel(ctl::LblTop(i), font, Qt::AlignLeft | Qt::AlignVCenter, bar);
    binder_->Bind(value, value, valueWidths[i], metrics::kTopBarHeight);
  }

  auto* strip = new ShapeBox(ctl::kPicture1, bar);
  binder_->Bind(strip, strip, 0, metrics::kTimeBarHeight, true);
  auto* timeBar = new ShapeBox(ctl::kShape1, strip);
  binder_->Bind(timeBar, timeBar, 0, metrics::kTimeBarHeight, true);
  auto* frame = new ShapeBox(ctl::kShape2, strip, ToQColor(colours::kClockFrame), 2);
  binder_->Bind(frame, frame, 0, metrics::kTimeBarHeight, true);
  const int clockWidths[3] = {metrics::kClockDigitsWidth, metrics::kClockColonWidth, metrics::kClockDigitsWidth};
  for (int i = 0; i < 3; ++i) {
    auto* clock = i == 1 ? new ClockSeparator(ctl::LblTime(i), font, strip)
                         : new CaptionLabel(ctl::LblTime(i), font, Qt::AlignCenter, strip, CaptionLabel::Edge::Halo);
    binder_->Bind(clock, clock, clockWidths[i], metrics::kTimeBarHeight);
  }
}

void MainWindow::BuildSideControls() {
  logo_ = new PictureBox(ctl::kImgLogo, {}, canvas_);
  binder_->Bind(logo_, logo_, 0, 0);

  auto* hintLine = new CaptionLabel(ctl::kLbltishi, SongTi(18, true), Qt::AlignCenter, canvas_);
  connect(hintLine, &CaptionLabel::clicked, this, [this] { game_.Click(ctl::kLbltishi); });
  binder_->Bind(hintLine, hintLine, 0, metrics::kHintLineHeight, true);

  auto addPicture = [this](QLatin1String name, PictureBox::Chooser chooser) {
    auto* box = new PictureBox(name, std::move(chooser), canvas_);
    connect(box, &PictureBox::clicked, this, [this, n = box->objectName()] { game_.Click(n); });
    binder_->Bind(box, box, metrics::kIconSize, metrics::kIconSize);
  };
  addPicture(ctl::kImgcol, [this](const ControlState&) {
    return game_.state().tool() == EntryKind::Pencil ? pictures::kPencil : pictures::kPen;
  });
  addPicture(ctl::kImgcle, [](const ControlState&) { return pictures::kEraser; });
  addPicture(ctl::kImgpt, [](const ControlState&) { return pictures::kPointer; });

  for (int i = 1; i <= 5; ++i) {
    auto* button = new CommandButton(ctl::Command(i), canvas_);
    button->setFont(SongTi(9));
    connect(button, &QPushButton::clicked, this, [this, n = button->objectName()] { game_.Click(n); });
    binder_->Bind(button, button, metrics::kButtonWidth, metrics::kButtonHeight);
  }
}

// What the game asks of the window's side: the start screen's hover and
// arrows, the top-bar slide, the pointer over the main grid, the level menu
// and the conflict crosses.
void MainWindow::ConnectGame() {
  game_.OnHover(ctl::kLblBegin, [this](int entry) {
    const bool noticeShown = game_.notice().kind() != StartNotice::Kind::None;
    startscreen::Hover(game_.controls(), game_.state(), settings_, entry, noticeShown);
  });
  GameLinks& links = game_.links();
  links.updateLevelArrows = [this] { startscreen::UpdateLevelArrows(game_.state(), settings_); };
  links.pointerOverMainGrid = [this] { return pointerOverMainGrid(); };
  links.finishGlides = [this] { glide_->FinishGlides(); };
  // The level and file menus mirror the game's lists.
  connect(&game_.levelBank().menu(), &LevelMenu::itemAdded, this,
          [this](int, const QString& caption) { levelMenu().Append({caption}); });
  new CurrentLevelMenu(
      *levelMenu().menu(), [this] { return StoredMissionLevel(settings_); }, this);
  connect(&game_.fileMenu(), &FileMenu::itemsChanged, this, [this] {
    fileMenu().RemoveFrom(1);
    fileMenu().Append(game_.fileMenu().items());
  });
  binder_->Bind(fileMenu().item(0));
  ConflictMarker& conflicts = game_.conflicts();
  connect(&conflicts, &ConflictMarker::crossChanged, this,
          [this, &conflicts](int grid) { setCrossCell(grid, conflicts.crossCell(grid)); });
}

// The boss key's tray and the two items of its menu "sys".
void MainWindow::BuildTray() {
  tray_ = new NotificationTray(
      *this, *menus_.tray, settings_, prompter_, game_.paths().file(QStringLiteral("HIDE.ICO")), [this] { quitNow(); },
      this);
  game_.OnClick(ctl::kHuanyuan, [this](int) { tray_->Restore(); });
  game_.OnClick(ctl::kTuichu2, [this](int) { tray_->Quit(); });
}

void MainWindow::LoadBackground() {
  const QString path = settings_.preferences().background;
  const LoadedPicture loaded = LoadPicture(path);
  canvas_->setPlayerPicture(loaded.image);
  if (loaded.error == PictureError::None) return;
  if (loaded.error == PictureError::Unreadable)
    prompter_.Fail(UnreadableBackgroundMessage(path));
  else if (path != setting_values::kDefaultBackground)
    prompter_.Fail(MissingBackgroundMessage(path));
  settings_.Write(SettingKey::Background, setting_values::kDefaultBackground);
}

void MainWindow::LoadLogo() {
  for (const char* name : {"logo.jpg", "logo.bmp", "logo.ico"}) {
    const QString path = game_.paths().file(QString::fromLatin1(name));
    if (!QFileInfo::exists(path)) continue;
    const LoadedPicture loaded = LoadPicture(path);
    if (loaded.image.isNull()) return;  // an unreadable logo ends the step quietly
    const int width = std::min(ToTwips(loaded.image.width()), kLogoMaxWidth);
    const int height = std::min(ToTwips(loaded.image.height()), kLogoMaxHeight);
    logo_->setImage(loaded.image);
    binder_->Bind(logo_, logo_, width, height);
    return;
  }
}

WindowSizes MainWindow::sizesInTwips() const {
  const QSize outer = frame_->outerSize();
  return WindowSizes{ToTwips(outer.width()), ToTwips(outer.height()), ToTwips(canvas_->width()),
                     ToTwips(canvas_->height())};
}

void MainWindow::Relayout() {
  LayoutContext context;
  context.comboOrder = game_.board().comboOrder();
  context.corrected = Corrected();
  context.noticeShown = game_.notice().kind() != StartNotice::Kind::None;
  context.extents = Extents();
  ScaleGrids(ApplyResize(game_.controls(), sizesInTwips(), context));
  game_.notice().FollowResize(clientWidth(), clientHeight());
  canvas_->update();
}

void MainWindow::PlaceGridsAfresh() {
  ScaleGrids(PlaceGrids(game_.controls(), sizesInTwips(), game_.board().comboOrder(), Extents()));
}

void MainWindow::setPlayerBackground(const QImage& picture) { canvas_->setPlayerPicture(picture); }

bool MainWindow::hasPlayerBackground() const { return canvas_->hasPlayerPicture(); }

void MainWindow::setCrossCell(int grid, int cell) { grids_[grid]->setCrossCell(cell); }

bool MainWindow::pointerOverMainGrid() const { return glide_->PointerInside(0); }

QPoint MainWindow::GridOriginTwips(int grid) const {
  return (grids_[grid]->mapToGlobal(grids_[grid]->containerOrigin()) * kTwipsPerPixel).toPoint();
}

double MainWindow::GridScale(int grid) const { return grids_[grid]->scale(); }

void MainWindow::ScaleGrids(double scale) {
  for (GridView* view : grids_) view->setScale(scale);
}

GridExtents MainWindow::Extents() const { return {geometries_[0].boardRect(), geometries_[1].boardRect()}; }

void MainWindow::ShowAtStoredPlacement() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  const QRect screen = primary ? primary->availableGeometry() : QRect();
  const bool fits =
      screen.isEmpty() || (frameGeometry().width() <= screen.width() && frameGeometry().height() <= screen.height());
  const StartPlacement plan = PlanStartPlacement(settings_, fits);
  resize(plan.width ? ToPixels(*plan.width) : width(), plan.height ? ToPixels(*plan.height) : height());
  if (plan.left || plan.top) {
    move(plan.left ? ToPixels(*plan.left) : x(), plan.top ? ToPixels(*plan.top) : y());
    frame_->setPlacedByStore(true);
  }
  // A first guess without the frame, which Qt learns only once the window
  // shows; the frame then puts the whole window on its screen.
  frame_->KeepOnScreen();
  if (plan.maximised)
    showMaximized();
  else
    show();
}

int MainWindow::clientWidth() const { return ToTwips(canvas_->width()); }
int MainWindow::clientHeight() const { return ToTwips(canvas_->height()); }

bool MainWindow::isMinimized() const { return QMainWindow::isMinimized() || isHidden(); }
bool MainWindow::isHidden() const { return tray_->windowHidden(); }

void MainWindow::openOptions() {
  game_.options().Open();
  OptionsDialog dialog(
      game_.options(), prompter_, game_.random(), [this](const QImage& picture) { setPlayerBackground(picture); },
      this);
  CentreOnOwnerWhenShown(dialog);
  // The pause notice stays in sight above the dialog, wherever it opens.
  // Until the window manager has framed the dialog, its title bar is taken
  // to be as high as this window's.
  WatchPlace(dialog, [this, &dialog](const QRect& frame) {
    const int titleBar = frame == dialog.geometry() ? geometry().top() - frameGeometry().top() : 0;
    const int top = ToTwips(canvas_->mapFromGlobal(frame.topLeft()).y() - titleBar);
    game_.notice().KeepPauseAbove(top, startscreen::kEntryHeight);
  });
  if (runDialog_)
    runDialog_(dialog);
  else
    dialog.exec();
}

void MainWindow::openRules() {
  RulesDialog dialog(game_.random(), this);
  CentreOnOwnerWhenShown(dialog);
  dialog.exec();
}

void MainWindow::openAbout() {
  AboutDialog dialog(this);
  CentreOnOwnerWhenShown(dialog);
  dialog.exec();
}

void MainWindow::requestClose() { close(); }

void MainWindow::quitNow() {
  quitting_ = true;
  close();
  QCoreApplication::quit();
}

void MainWindow::hideToTray() { tray_->Hide(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (quitting_) return event->accept();
  const Prompt question{texts::kQuitQuestion, Prompt::Icon::Question, Prompt::Buttons::OkCancel};
  if (prompter_.Ask(question) != Answer::Ok) return event->ignore();

  const ShownState state = isMaximized()   ? ShownState::Maximised
                           : isMinimized() ? ShownState::Minimised
                                           : ShownState::Normal;
  SaveClosingPlacement(settings_, state, {ToTwips(x()), ToTwips(y()), ToTwips(width()), ToTwips(height())});
  event->accept();
  QCoreApplication::quit();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  setFocus();  // no child takes the keys: they all belong to the board
  game_.completion().setWindowSeen(!QMainWindow::isMinimized());
}

void MainWindow::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  game_.completion().setWindowSeen(false);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange)
    game_.completion().setWindowSeen(isVisible() && !QMainWindow::isMinimized());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  game_.KeyDown(VirtualKeyOf(event->key(), event->modifiers()), ModifierBitsOf(event->modifiers()));
}

}  // namespace varelo
