#include "app/cli/BankCommands.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "core/Board.h"
#include "game/Game.h"
#include "game/GameFlow.h"
#include "game/Headless.h"
#include "settings/SettingsStore.h"
#include "sources/LevelBank.h"
#include "sources/MissionProgress.h"

namespace varelo::cli {

namespace {

void PrintGivens(const Board& board, int grid, std::ostream& out) {
  for (int n = 1; n <= kCellsPerGrid; ++n) out << (board.isFixed(grid, n) ? char('0' + board.digit(grid, n)) : '0');
}

std::optional<QString> BankEntry(int level) {
  SettingsStore settings(QStringLiteral("varelo-cli"));
  LevelBank bank(settings);
  bank.Timer18_Timer();
  const QString entry = bank.entry(level);
  if (level < kFirstLevel || level > kLastLevel || entry.isEmpty()) return std::nullopt;
  return entry;
}

}  // namespace

int RunLevel(int level, std::ostream& out, std::ostream& err) {
  const auto entry = BankEntry(level);
  if (!entry) {
    err << "varelo-cli: there is no level " << level << " (levels are 1 to " << kLastLevel << ")\n";
    return 2;
  }
  out << entry->toStdString() << '\n';
  return 0;
}

int RunLevels(std::ostream& out) {
  SettingsStore settings(QStringLiteral("varelo-cli"));
  LevelBank bank(settings);
  bank.Timer18_Timer();
  for (int level = kFirstLevel; level <= kLastLevel; ++level) out << bank.entry(level).toStdString() << '\n';
  return 0;
}

int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err) {
  if (options.level && !BankEntry(*options.level)) {
    err << "varelo-cli: there is no level " << *options.level << " (levels are 1 to " << kLastLevel << ")\n";
    return 2;
  }
  // The game reads its choices from the settings store: give it a private
  // one, so the player's own settings are never touched.
  QTemporaryDir store;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
  SettingsStore settings(QStringLiteral("varelo-cli"));
  settings.Write(SettingKey::Givens, options.givens);
  settings.Write(SettingKey::Difficulty, 1);  // no clock
  SilentPrompter prompter;
  NoWindow window;
  // No folder: a test puzzle beside the executable never replaces the generator.
  Game game(settings, prompter, window, AppPaths{});
  game.Load();
  game.levelBank().Timer18_Timer();

  if (options.level) {
    game.flow().StartMission(*options.level);
    PrintGivens(game.board(), 0, out);
  } else {
    if (options.order == 1)
      game.flow().StartRandom();
    else
      game.flow().StartCombination(options.order);
    for (int grid : GridsInPlay(options.order == 1 ? 0 : options.order)) {
      if (grid > 1) out << ' ';
      PrintGivens(game.board(), grid, out);
    }
  }
  out << '\n';
  return 0;
}

}  // namespace varelo::cli
