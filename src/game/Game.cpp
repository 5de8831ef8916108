#include "game/Game.h"

#include <QPointer>
#include <QRegularExpression>
#include <QStandardPaths>

#include "core/ControlNames.h"
#include "game/Completion.h"
#include "game/FileMenu.h"
#include "game/GameClock.h"
#include "game/GameFlow.h"
#include "game/OptionsFlow.h"
#include "game/SolveController.h"
#include "game/TimeBar.h"
#include "game/TopBarSlide.h"
#include "input/CellEditor.h"
#include "input/ConflictMarker.h"
#include "input/KeyboardMap.h"
#include "input/MouseInput.h"
#include "model/Prompter.h"
#include "model/Texts.h"
#include "model/WindowPort.h"
#include "settings/SettingsStore.h"
#include "solver/RandomFill.h"
#include "sources/LevelBank.h"
#include "sources/SolveFolder.h"

namespace varelo {

namespace {
QString PerUserSolveDir() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/solve");
}

PuzzleFiles FilesInUse(const AppPaths& paths) {
  const QString folder = SolveFolderInUse(paths.solveDir(), PerUserSolveDir());
  return PuzzleFiles(folder, folder == paths.solveDir() ? PuzzleFiles::Place::BesideGame : PuzzleFiles::Place::PerUser);
}

// Calls a link if it is there, with a neutral result otherwise.
template <typename R, typename... Args>
auto Through(const std::function<R(Args...)>& link) {
  return [&link](Args... args) -> R {
    if (link) return link(args...);
    return R();
  };
}
}  // namespace

Game::Game(SettingsStore& settings, Prompter& prompter, WindowPort& window, AppPaths paths, QObject* parent)
    : QObject(parent), settings_(settings), prompter_(prompter), window_(window), paths_(std::move(paths)),
      checks_(board_), hint_(board_, checks_, random_, settings_), conflicts_(new ConflictMarker(board_, hint_, this)),
      timeBar_(new TimeBar(controls_, this)), clock_(new GameClock(state_, *timeBar_, window_, prompter_, this)) {
  editor_ = std::make_unique<CellEditor>(board_, cursors_, checks_, *conflicts_, hint_, state_);
  setup_ = std::make_unique<PuzzleSetup>(board_, state_, notice_, cursors_, hint_, random_, settings_, *clock_,
                                         PuzzleSetupHooks{Through(links_.randomFill), Through(links_.slideTopBarIn)});
  bank_ = new LevelBank(settings_, this);
  completion_ = new Completion(board_, controls_, state_, notice_, cursors_, prompter_, settings_, *clock_, *editor_,
                               *setup_, Through(links_.levelEntry), bank_->menu(), this);
  solver_ = new SolveController(board_, state_, prompter_, window_, *timeBar_, *completion_, *conflicts_, this);
  files_ = new FileMenu(board_, controls_, prompter_, FilesInUse(paths_), *solver_, *completion_, *conflicts_, this);
  flow_ =
      new GameFlow(board_, state_, notice_, cursors_, settings_, *clock_, *editor_, *conflicts_, *setup_, *completion_,
                   *files_, GameFlowHooks{Through(links_.levelEntry), Through(links_.slideTopBarIn)}, this);
  mouse_ = std::make_unique<MouseInput>(state_, settings_, Through(links_.updateLevelArrows));
  keyboard_ =
      std::make_unique<KeyboardMap>(cursors_, *editor_, *mouse_, settings_, prompter_, window_,
                                    KeyboardHooks{Through(links_.pointerOverMainGrid), Through(links_.finishGlides),
                                                  [this] { completion_->AfterEntryCheck(); }});
  topBar_ = new TopBarSlide(controls_, this);
  options_ = std::make_unique<OptionsFlow>(board_, controls_, state_, notice_, cursors_, settings_, *clock_, *topBar_,
                                           *flow_, window_, hint_, prompter_);
  LinkOwnParts();
  RegisterHandlers();
}

void Game::LinkOwnParts() {
  links_.randomFill = [this](const FillRequest& request) { return GenerateGrid(request); };
  links_.levelEntry = [this](int level) { return bank_->entry(level); };
  links_.slideTopBarIn = [this] { topBar_->StartSlideIn(); };
}

FilledGrid Game::GenerateGrid(const FillRequest& request) {
  RandomFillRequest fill{request.comboOrder, request.randomMode, paths_.testPuzzle()};
  const FillTarget target{request.workGrid, request.sharedDigit12, request.sharedDigit23};
  RandomGrid grid = RandomFill(random_, fill, target);
  if (grid.errorCode != 0) {
    prompter_.Fail(texts::kErrorCode + QString::number(grid.errorCode));
    // A test file that cannot be read gives way to a random grid rather
    // than to an empty board.
    fill.testFilePath.clear();
    grid = RandomFill(random_, fill, target);
  }
  if (grid.usedTestFile) solver_->ShowTimedHint(QStringLiteral("非随机数独，从test.txt文件中生成"));
  return FilledGrid{grid.digits, grid.fromSource, grid.usedTestFile};
}

Game::~Game() = default;

// The one table from the names of the window's controls and menu items to
// the game's operations.
void Game::RegisterHandlers() {
  auto on = [this](const QString& name, std::function<void()> action) {
    OnClick(name, [action = std::move(action)](int) { action(); });
  };
  on(ctl::kSjms, [this] { flow_->StartRandom(); });
  on(ctl::kZhej, [this] { flow_->StartCombination(2); });
  on(ctl::kZhsj, [this] { flow_->StartCombination(3); });
  on(ctl::kQjyj, [this] { flow_->EnterSolveMode(0); });
  on(ctl::kQjej, [this] { flow_->EnterSolveMode(2); });
  on(ctl::kQjsj, [this] { flow_->EnterSolveMode(3); });
  on(ctl::Command(1), [this] { flow_->Restart(); });
  on(ctl::Command(2), [this] { solver_->PressSolveButton(); });
  on(ctl::Command(3), [this] { solver_->ResetPuzzle(); });
  on(ctl::Command(4), [this] { solver_->ClearResults(); });
  on(ctl::kQxqj, [this] { solver_->CancelSolve(); });
  on(ctl::kImgcol, [this] { editor_->ToggleWritingTool(); });
  on(ctl::kImgcle, [this] { editor_->ErasePencilEntries(); });
  on(ctl::kImgLa, [this] { mouse_->PreviousLevel(); });
  on(ctl::kImgRa, [this] { mouse_->NextLevel(); });
  on(ctl::kLbltishi, [this] { mouse_->CycleHintColour(); });
  on(ctl::kTuichu, [this] { window_.requestClose(); });
  on(ctl::kWenjian, [this] { files_->BuildFileMenu(); });
  on(ctl::kBaocun, [this] { files_->Save(); });
  on(ctl::Command(5), [this] { files_->Save(); });
  OnClick(ctl::kMnufil, [this](int index) { files_->LoadFile(index); });
  on(ctl::kXuanxiang, [this] { window_.openOptions(); });
  on(ctl::kYxgz, [this] { window_.openRules(); });
  on(ctl::kGuanyu, [this] { window_.openAbout(); });
  OnClick(ctl::kMnuLevels, [this](int index) { flow_->StartMission(index + 1); });
  OnClick(ctl::kLblBegin, [this](int index) {
    switch (const StartEntry entry = StartEntryAt(index)) {
      case StartEntry::Options: return window_.openOptions();
      case StartEntry::Help: return window_.openRules();
      case StartEntry::About: return window_.openAbout();
      case StartEntry::Exit: return window_.requestClose();
      default: return flow_->StartScreenEntry(entry);
    }
  });
}

void Game::Load() {
  // A settings file set aside, or settings that cannot be saved: told once.
  settings_.OnNotice([this, alive = QPointer<Game>(this)](const QString& text) {
    if (alive) prompter_.Fail(text);
  });
  random_.ReseedFromClock();
  const auto colour = static_cast<std::uint32_t>(settings_.ReadInt(SettingKey::HintLineColour));
  state_.setHintLineColour(Rgb::FromValue(colour));
  state_.setResumeLevel(bank_->LoadLevelBank());
}

void Game::Register(QHash<QString, Handler>& handlers, const QString& name, Handler handler) {
  if (handlers.contains(name)) qFatal("Game: a second handler for \"%s\"", qPrintable(name));
  handlers.insert(name, std::move(handler));
}

// A control's own handler, else its array's with the index in parentheses.
const Game::Handler* Game::Find(const QHash<QString, Handler>& handlers, const QString& name, int& index) {
  index = -1;
  if (const auto it = handlers.constFind(name); it != handlers.constEnd()) return &*it;
  static const QRegularExpression kIndexed(QStringLiteral(R"(^(\w+)\((\d+)\)$)"));
  const auto match = kIndexed.match(name);
  if (!match.hasMatch()) return nullptr;
  const auto it = handlers.constFind(match.captured(1));
  if (it == handlers.constEnd()) return nullptr;
  index = match.captured(2).toInt();
  return &*it;
}

void Game::Dispatch(const QHash<QString, Handler>& handlers, const QString& name) {
  int index = -1;
  const Handler* handler = Find(handlers, name, index);
  if (!handler) qFatal("Game: no handler for \"%s\"", qPrintable(name));
  (*handler)(index);
}

void Game::ReplaceOnClick(const QString& name, Handler handler) {
  if (!clickHandlers_.contains(name)) qFatal("Game: no handler to replace for \"%s\"", qPrintable(name));
  clickHandlers_.insert(name, std::move(handler));
}

bool Game::handlesClick(const QString& name) const {
  int index = -1;
  return Find(clickHandlers_, name, index) != nullptr;
}

void Game::Click(const QString& name) { Dispatch(clickHandlers_, name); }

void Game::Hover(const QString& name) { Dispatch(hoverHandlers_, name); }

void Game::KeyDown(int keyCode, int modifiers) { keyboard_->KeyDown(keyCode, modifiers); }

}  // namespace varelo
