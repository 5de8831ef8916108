#include "game/Game.h"

#include <QRegularExpression>

#include "settings/SettingsStore.h"

namespace varelo {

Game::Game(SettingsStore& settings, Prompter& prompter, WindowPort& window, AppPaths paths,
           QObject* parent)
    : QObject(parent),
      settings_(settings),
      prompter_(prompter),
      window_(window),
      paths_(std::move(paths)),
      checks_(board_),
      hint_(board_, checks_, random_, settings_) {}

Game::~Game() = default;

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

void Game::KeyDown(int keyCode, int modifiers) {
  if (keyHandler_) keyHandler_(keyCode, modifiers);
}

}  // namespace varelo
