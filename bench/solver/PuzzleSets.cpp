// Hard puzzle sets from the level generator's own makers, one puzzle a line.
//   build/bin/bench_puzzle_sets minimal N [SEED]   N random minimal puzzles
//   build/bin/bench_puzzle_sets lowclue N [SEED]   N distinct minimal puzzles
//       with 17 to 19 givens, from climbs down from low minimal puzzles
//       (at most 10 from one climb)
//   build/bin/bench_puzzle_sets fewer N [SEED [K]] N random minimal puzzles
//       with one, two or three givens taken away in turn (K of them each
//       when given): several solutions, often thousands
// The same arguments always print the same puzzles.

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "GridMaker.h"
#include "LowClueSearch.h"

namespace {

using namespace levelgen;

constexpr int kClimbStartGivens = 22;  // climbs start from puzzles this low
constexpr int kMostGivens = 19;        // a low-clue puzzle has at most this many
constexpr int kTargetGivens = 17;
constexpr int kPerClimb = 10;  // neighbours on one climb look alike

std::string Text(const GridDigits& digits) {
  std::string text(81, '.');
  for (int p = 0; p < 81; ++p)
    if (digits[p] != 0) text[p] = static_cast<char>('0' + digits[p]);
  return text;
}

void PrintMinimal(int count, long long seed) {
  for (int i = 0; i < count; ++i) {
    RandomSource random;
    random.Reseed(seed + i);
    std::printf("%s\n", Text(Minimise(RandomSolution(random), random)).c_str());
  }
}

void PrintFewer(int count, long long seed, int takeAway) {
  for (int i = 0; i < count; ++i) {
    RandomSource random;
    random.Reseed(seed + i);
    GridDigits puzzle = Minimise(RandomSolution(random), random);
    const int toTake = takeAway > 0 ? takeAway : 1 + i % 3;
    for (int taken = 0; taken < toTake;) {
      const int p = random.NextBelow(81);
      if (puzzle[p] == 0) continue;
      puzzle[p] = 0;
      ++taken;
    }
    std::printf("%s\n", Text(puzzle).c_str());
  }
}

void PrintLowClue(int count, long long seed) {
  std::set<std::string> seen;
  for (long long climb = 0; static_cast<int>(seen.size()) < count; ++climb) {
    RandomSource random;
    random.Reseed(seed + climb);
    GridDigits start;
    do {
      start = Minimise(RandomSolution(random), random);
    } while (GivensOf(start) > kClimbStartGivens);
    int kept = 0;
    ClimbDown(start, kTargetGivens, {20000, 300}, random, [&](const GridDigits& puzzle) {
      if (GivensOf(puzzle) > kMostGivens || kept >= kPerClimb) return;
      if (static_cast<int>(seen.size()) >= count || !seen.insert(Text(puzzle)).second) return;
      std::printf("%s\n", Text(puzzle).c_str());
      ++kept;
    });
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string kind = argc > 1 ? argv[1] : "";
  const int count = argc > 2 ? std::atoi(argv[2]) : 0;
  const long long seed = argc > 3 ? std::atoll(argv[3]) : 17;
  const int takeAway = argc > 4 ? std::atoi(argv[4]) : 0;
  if (count < 1 || (kind != "minimal" && kind != "lowclue" && kind != "fewer") || takeAway < 0 || takeAway > 3 ||
      (takeAway > 0 && kind != "fewer")) {
    std::fprintf(stderr, "usage: bench_puzzle_sets minimal|lowclue|fewer N [SEED [K]]\n");
    return 2;
  }
  if (kind == "minimal")
    PrintMinimal(count, seed);
  else if (kind == "lowclue")
    PrintLowClue(count, seed);
  else
    PrintFewer(count, seed + 100000, takeAway);
  return 0;
}
