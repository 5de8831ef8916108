#include "game/Game.h"

#include <QRegularExpression>

#include "game/Completion.h"
#include "game/GameClock.h"
#include "game/GameFlow.h"
#include "game/WindowPort.h"
#include "input/CellEditor.h"
#include "input/ConflictMarker.h"
#include "input/KeyboardMap.h"
#include "input/MouseInput.h"
#include "settings/SettingsStore.h"

namespace varelo {

namespace {
// Calls a link if it is there, with a neutral result otherwise.
template <typename R, typename... Args>
auto Through(const std::function<R(Args...)>& link) {
  return [&link](Args... args) -> R {
    if (link) return link(args...);
    return R();
  };
}
}  // namespace

Game::Game(SettingsStore& settings, Prompter& prompter, WindowPort& window, AppPaths paths,
           QObject* parent)
    : QObject(parent),
      settings_(settings),
      prompter_(prompter),
      window_(window),
      paths_(std::move(paths)),
      checks_(board_),
      hint_(board_, checks_, random_, settings_),
      conflicts_(new ConflictMarker(board_, hint_, this)),
      clock_(new GameClock(controls_, window_, prompter_, this)) {
  editor_ = std::make_unique<CellEditor>(board_, cursors_, checks_, *conflicts_, hint_, controls_);
  setup_ = std::make_unique<PuzzleSetup>(
      board_, controls_, cursors_, hint_, random_, settings_, *clock_,
      PuzzleSetupHooks{Through(links_.randomFill), Through(links_.levelEntry),
                       Through(links_.slideTopBarIn)});
  completion_ = new Completion(board_, controls_, cursors_, prompter_, settings_, *clock_, *editor_,
                               *setup_,
                               CompletionHooks{Through(links_.levelEntry),
                                               Through(links_.addLevelMenuItem)},
                               this);
  flow_ = new GameFlow(board_, controls_, cursors_, settings_, *clock_, *editor_, *conflicts_,
                       *setup_, *completion_,
                       GameFlowHooks{Through(links_.levelEntry), Through(links_.buildFileMenu),
                                     Through(links_.hideFileMenu), Through(links_.slideTopBarIn)},
                       this);
  mouse_ = std::make_unique<MouseInput>(controls_, settings_, Through(links_.updateLevelArrows));
  keyboard_ = std::make_unique<KeyboardMap>(
      cursors_, *editor_, controls_, settings_, prompter_, window_,
      KeyboardHooks{Through(links_.pointerOverMainGrid), [this] { mouse_->ImgLa_Click(); },
                    [this] { mouse_->ImgRa_Click(); }, [this] { completion_->AfterEntryCheck(); }});
  RegisterHandlers();
}

Game::~Game() = default;

void Game::RegisterHandlers() {
  auto on = [this](const char* name, std::function<void()> action) {
    OnClick(QString::fromLatin1(name), [action = std::move(action)](int) { action(); });
  };
  on("sjms", [this] { flow_->sjms_Click(); });
  on("zhej", [this] { flow_->zhej_Click(); });
  on("zhsj", [this] { flow_->zhsj_Click(); });
  on("qjyj", [this] { flow_->qjyj_Click(); });
  on("qjej", [this] { flow_->qjej_Click(); });
  on("qjsj", [this] { flow_->qjsj_Click(); });
  on("Command1", [this] { flow_->Command1_Click(); });
  on("Imgcol", [this] { editor_->Imgcol_Click(); });
  on("Imgcle", [this] { editor_->Imgcle_Click(); });
  on("ImgLa", [this] { mouse_->ImgLa_Click(); });
  on("ImgRa", [this] { mouse_->ImgRa_Click(); });
  on("Lbltishi", [this] { mouse_->Lbltishi_Click(); });
  on("tuichu", [this] { window_.requestClose(); });
  on("xuanxiang", [this] { window_.openOptions(); });
  on("yxgz", [this] { window_.openRules(); });
  on("guanyu", [this] { window_.openAbout(); });
  OnClick(QStringLiteral("mnuLevels"), [this](int index) { flow_->mnuLevels_Click(index); });
  OnClick(QStringLiteral("LblBegin"), [this](int index) {
    switch (index) {
      case 3: return window_.openOptions();
      case 4: return window_.openRules();
      case 5: return window_.openAbout();
      case 6: return window_.requestClose();
      default: return flow_->LblBegin_Click(index);
    }
  });
}

void Game::Load() {
  random_.ReseedFromClock();
  const auto colour = static_cast<std::uint32_t>(settings_.ReadInt(SettingKey::HintLineColour));
  controls_.setColour(QStringLiteral("Lbltishi"), Rgb::FromValue(colour));
}

void Game::Dispatch(const QHash<QString, Handler>& handlers, const QString& name) {
  if (const auto it = handlers.constFind(name); it != handlers.constEnd()) return (*it)(-1);
  static const QRegularExpression kIndexed(QStringLiteral(R"(^(\w+)\((\d+)\)$)"));
  const auto match = kIndexed.match(name);
  if (!match.hasMatch()) return;
  if (const auto it = handlers.constFind(match.captured(1)); it != handlers.constEnd())
    (*it)(match.captured(2).toInt());
}

void Game::Click(const QString& name) { Dispatch(clickHandlers_, name); }

void Game::Hover(const QString& name) { Dispatch(hoverHandlers_, name); }

void Game::KeyDown(int keyCode, int modifiers) { keyboard_->Form_KeyDown(keyCode, modifiers); }

}  // namespace varelo
