#include "app/cli/BankCommands.h"

#include <string_view>

#include "core/CellMath.h"
#include "core/RandomSource.h"
#include "game/PuzzleGenerator.h"
#include "solver/RandomFill.h"
#include "sources/LevelBank.h"
#include "sources/LevelBankData.h"
#include "sources/MissionProgress.h"

namespace varelo::cli {

// Generation calls the game's own generator with the options as its
// inputs: no settings store, no test file, no solve folder, so the tool
// reads and writes no file of the game's or the player's.

namespace {

using Givens = std::string;  // 81 cells, '0' empty

bool InBank(int level) { return level >= kFirstLevel && level <= kLastLevel; }

std::string_view Entry(int level) { return level_data::Entries()[static_cast<size_t>(level - 1)]; }

int NoSuchLevel(int level, std::ostream& err) {
  err << "varelo-cli: there is no level " << level << " (levels are 1 to " << kLastLevel << ")\n";
  return 2;
}

Givens Reveal(const GridPuzzle& grid) {
  Givens givens(kCellsPerGrid, '0');
  for (int cell : grid.givenCells) givens[cell - 1] = static_cast<char>('0' + grid.solution[cell - 1]);
  return givens;
}

// The game's own generator, its random solutions made without a test file.
std::string Generated(const PuzzleRequest& request) {
  RandomSource random;
  const GridFill fill = [&random](const FillRequest& ask) {
    const RandomFillRequest without{ask.comboOrder, ask.randomMode, QString()};
    const FillTarget target{ask.workGrid, ask.sharedDigit12, ask.sharedDigit23};
    return FilledGrid{RandomFill(random, without, target).digits, {}, false};
  };
  std::string line;
  for (const GridPuzzle& grid : Generate(request, random, fill).grids) {
    if (!line.empty()) line += ' ';
    line += Reveal(grid);
  }
  return line;
}

std::string LevelGivens(int level) {
  if (level > LevelBank::kCompleteGridCount) return std::string(Entry(level));  // stored puzzles come out unchanged
  PuzzleRequest request;
  request.level = level;
  const std::string_view entry = Entry(level);
  for (int p = 0; p < kCellsPerGrid; ++p) request.levelDigits[p] = static_cast<unsigned char>(entry[p] - '0');
  return Generated(request);
}

std::string RandomGivens(int order, int givens) {
  PuzzleRequest request;
  request.order = order == 1 ? 0 : order;
  request.randomMode = order == 1;
  request.givens = givens;
  return Generated(request);
}

}  // namespace

int RunLevel(int level, std::ostream& out, std::ostream& err) {
  if (!InBank(level)) return NoSuchLevel(level, err);
  out << Entry(level) << '\n';
  return 0;
}

int RunLevels(std::ostream& out) {
  for (int level = kFirstLevel; level <= kLastLevel && out; ++level) out << Entry(level) << '\n';
  return 0;
}

int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err) {
  if (options.level && !InBank(*options.level)) return NoSuchLevel(*options.level, err);
  out << (options.level ? LevelGivens(*options.level) : RandomGivens(options.order, options.givens)) << '\n';
  return 0;
}

}  // namespace varelo::cli
