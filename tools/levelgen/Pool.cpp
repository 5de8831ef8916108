#include "Pool.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <set>
#include <tuple>

#include "BankLayout.h"
#include "Parallel.h"

namespace levelgen {

namespace {

// Task families draw from seeds far apart, so no two tasks share a stream.
constexpr std::int64_t kClimbSeedOffset = 1'000'000'000;
constexpr std::int64_t kGridSeedOffset = 2'000'000'000;

// Climbs start from minimal puzzles that are already low.
constexpr int kClimbStartGivens = 22;
// Puzzles a climb passes are kept up to this many givens.
constexpr int kClimbKeepGivens = 21;

PoolPuzzle Graded(const GridDigits& puzzle) {
  PoolPuzzle entry;
  entry.text = ToText(puzzle);
  entry.givens = GivensOf(puzzle);
  entry.grade = *varelo::grading::GradePuzzle(puzzle);
  return entry;
}

std::vector<PoolPuzzle> MinimalTask(const PoolOptions& options, int index) {
  RandomSource random;
  random.Reseed(options.seed + index);
  const GridDigits solution = RandomSolution(random);
  const GridDigits minimal = Minimise(solution, random);
  std::vector<PoolPuzzle> found{Graded(minimal)};
  if (options.derivedEvery > 0 && index % options.derivedEvery == 0) {
    for (int givens = std::max(GivensOf(minimal) + 1, 26); givens <= kMaxGivens; ++givens)
      found.push_back(Graded(AddGivens(minimal, solution, givens, random)));
  }
  return found;
}

std::vector<PoolPuzzle> ClimbTask(const PoolOptions& options, int index) {
  RandomSource random;
  random.Reseed(options.seed + kClimbSeedOffset + index);
  GridDigits start;
  do {
    start = Minimise(RandomSolution(random), random);
  } while (GivensOf(start) > kClimbStartGivens);
  std::vector<PoolPuzzle> found;
  ClimbDown(start, kMinGivens, options.climb, random, [&](const GridDigits& puzzle) {
    if (GivensOf(puzzle) <= kClimbKeepGivens) found.push_back(Graded(puzzle));
  });
  return found;
}

// Runs `count` tasks and reports progress on stderr now and then.
std::vector<std::vector<PoolPuzzle>> RunFamily(const char* name, int count, int threads,
                                               const std::function<std::vector<PoolPuzzle>(int)>& task) {
  std::vector<std::vector<PoolPuzzle>> results(count);
  std::atomic<int> done{0};
  const int step = std::max(1, count / 20);
  RunTasks(count, threads, [&](int i) {
    results[i] = task(i);
    const int finished = ++done;
    if (finished % step == 0 || finished == count) std::fprintf(stderr, "  %s: %d/%d\n", name, finished, count);
  });
  return results;
}

}  // namespace

std::string ToText(const GridDigits& digits) {
  std::string text(81, '0');
  for (int p = 0; p < 81; ++p) text[p] = static_cast<char>('0' + digits[p]);
  return text;
}

std::vector<PoolPuzzle> BuildPool(const PoolOptions& options) {
  std::vector<PoolPuzzle> pool;
  auto collect = [&](const std::vector<std::vector<PoolPuzzle>>& results) {
    for (const auto& found : results) pool.insert(pool.end(), found.begin(), found.end());
  };
  collect(RunFamily("minimal puzzles", options.minimalTasks, options.threads,
                    [&](int i) { return MinimalTask(options, i); }));
  collect(RunFamily("low-givens climbs", options.climbTasks, options.threads,
                    [&](int i) { return ClimbTask(options, i); }));
  std::sort(pool.begin(), pool.end(), [](const PoolPuzzle& a, const PoolPuzzle& b) {
    return std::tie(a.givens, a.grade, a.text) < std::tie(b.givens, b.grade, b.text);
  });
  pool.erase(
      std::unique(pool.begin(), pool.end(), [](const PoolPuzzle& a, const PoolPuzzle& b) { return a.text == b.text; }),
      pool.end());
  return pool;
}

std::vector<std::string> CompleteGrids(std::int64_t seed, int count, const std::vector<std::string>& avoid) {
  RandomSource random;
  random.Reseed(seed + kGridSeedOffset);
  std::set<std::string> seen(avoid.begin(), avoid.end());
  std::vector<std::string> grids;
  while (static_cast<int>(grids.size()) < count) {
    std::string text = ToText(RandomSolution(random));
    if (seen.insert(text).second) grids.push_back(std::move(text));
  }
  return grids;
}

}  // namespace levelgen
