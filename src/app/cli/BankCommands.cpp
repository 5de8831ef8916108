#include "app/cli/BankCommands.h"

#include <string_view>

#include "core/CellMath.h"
#include "core/RandomSource.h"
#include "game/PuzzleSetup.h"
#include "solver/RandomFill.h"
#include "sources/LevelBank.h"
#include "sources/LevelBankData.h"
#include "sources/MissionProgress.h"

namespace varelo::cli {

// Generation calls the game's own set-up steps with the options as their
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

Givens Reveal(const GridDigits& solution, const std::vector<int>& cells) {
  Givens givens(kCellsPerGrid, '0');
  for (int cell : cells) givens[cell - 1] = static_cast<char>('0' + solution[cell - 1]);
  return givens;
}

// A random solution for grid `grid` of the chain, no test file in its place.
GridDigits Fill(RandomSource& random, int order, int grid, int shared12, int shared23) {
  return RandomFill(random, RandomFillRequest{order, order == 0, QString()}, FillTarget{grid, shared12, shared23})
      .digits;
}

Givens LevelGivens(int level) {
  if (level > LevelBank::kCompleteGridCount) return Givens(Entry(level));  // stored puzzles come out unchanged
  GridDigits solution{};
  const std::string_view entry = Entry(level);
  for (int p = 0; p < kCellsPerGrid; ++p) solution[p] = static_cast<unsigned char>(entry[p] - '0');
  // The game re-seeds with -N, so level N shows the same givens every time.
  RandomSource random;
  random.Reseed(-level);
  return Reveal(solution, PuzzleSetup::MissionCells(random.NextSingle(), PuzzleSetup::MissionGivens(level), {}));
}

std::string RandomGivens(int order, int givens) {
  RandomSource random;
  if (order == 1) {
    std::array<bool, 81> allowed;
    allowed.fill(true);
    return Reveal(Fill(random, 0, 1, 0, 0), PuzzleSetup::RandomCells(random, givens, allowed));
  }
  // Grid by grid, each carrying the corner digits of the one before.
  std::string line;
  int shared12 = 0, shared23 = 0;
  for (int grid = 1; grid <= order; ++grid) {
    const GridDigits solution = Fill(random, order, grid, shared12, shared23);
    if (grid == 1) shared12 = solution[80];
    if (grid == 2) shared23 = solution[8];
    if (grid > 1) line += ' ';
    line += Reveal(solution, PuzzleSetup::CombinationCells(random, grid, givens));
  }
  return line;
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
