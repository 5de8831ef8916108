// levelgen: writes the mission level bank (src/sources/LevelBankData.cpp).
//
//   build-levels/bin/levelgen --out src/sources/LevelBankData.cpp
//
// The same options always write the same file, byte for byte, whatever the
// number of threads. See docs/LEVELS.md.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BankLayout.h"
#include "BankVerifier.h"
#include "BankWriter.h"
#include "Pool.h"
#include "Selection.h"

namespace levelgen {

namespace {

using varelo::grading::Technique;
using varelo::grading::TechniqueName;
constexpr int kClasses = varelo::grading::kTechniqueCount;

struct Options {
  std::string out;
  PoolOptions pool;
};

// The defaults are the recorded recipe of the shipped bank.
Options Defaults() {
  Options options;
  options.pool.seed = 1999;
  options.pool.minimalTasks = 40000;
  options.pool.derivedEvery = 4;
  options.pool.climbTasks = 8;
  options.pool.climb = {60000, 300};
  options.pool.threads = 2;
  return options;
}

// Share of each class in the bank: a gentle start, most of the bank in the
// middle techniques, and a tail of the hardest puzzles. Triples, X-wings and
// swordfish are rarely the hardest step a puzzle needs, so the pool caps
// their share whatever the weight.
constexpr ClassWeights kWeights{0, 16, 15, 15, 12, 3, 3, 10, 3, 18, 5};

bool ParseOptions(int argc, char** argv, Options& options) {
  PoolOptions& pool = options.pool;
  const std::map<std::string, std::function<void(long long)>> numbers = {
      {"--seed", [&](long long v) { pool.seed = v; }},
      {"--pool", [&](long long v) { pool.minimalTasks = static_cast<int>(v); }},
      {"--climbs", [&](long long v) { pool.climbTasks = static_cast<int>(v); }},
      {"--climb-attempts", [&](long long v) { pool.climb.attempts = static_cast<int>(v); }},
      {"--threads", [&](long long v) { pool.threads = static_cast<int>(v); }},
  };
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--out") {
      options.out = argv[i + 1];
    } else if (const auto it = numbers.find(name); it != numbers.end()) {
      it->second(std::atoll(argv[i + 1]));
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && !options.out.empty() && pool.threads >= 1;
}

std::string Origin(const Options& options) {
  return "levelgen --seed " + std::to_string(options.pool.seed) + " --pool " +
         std::to_string(options.pool.minimalTasks) + " --climbs " + std::to_string(options.pool.climbTasks) +
         " --climb-attempts " + std::to_string(options.pool.climb.attempts);
}

std::string Note(const varelo::grading::Grade& grade) {
  return std::string(TechniqueName(grade.hardest)) + ", " + std::to_string(grade.score);
}

void PrintTable(const char* title, const ChoiceTable& table) {
  std::fprintf(stderr, "%s\n  givens", title);
  for (int c = 1; c <= kClasses; ++c) std::fprintf(stderr, " %6d", c);
  std::fprintf(stderr, "\n");
  for (const auto& [givens, row] : table) {
    std::fprintf(stderr, "  %6d", givens);
    for (int c = 1; c <= kClasses; ++c) std::fprintf(stderr, " %6d", row[c]);
    std::fprintf(stderr, "\n");
  }
}

void PrintRamp(const std::vector<varelo::grading::Grade>& grades) {
  std::fprintf(stderr, "Classes by level range (1 %s .. 10 %s):\n",
               std::string(TechniqueName(Technique::HiddenSingle)).c_str(),
               std::string(TechniqueName(Technique::Beyond)).c_str());
  for (int from = kCompleteGridCount + 1; from <= kLevelCount; from += 200) {
    const int to = std::min(from + 199, kLevelCount);
    int counts[kClasses + 1] = {};
    for (int level = from; level <= to; ++level)
      ++counts[static_cast<int>(grades[level - kCompleteGridCount - 1].hardest)];
    std::fprintf(stderr, "  %4d-%4d", from, to);
    for (int c = 1; c <= kClasses; ++c) std::fprintf(stderr, " %4d", counts[c]);
    std::fprintf(stderr, "\n");
  }
}

}  // namespace

int Run(int argc, char** argv) {
  Options options = Defaults();
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: levelgen --out FILE [--seed N] [--pool N] [--climbs N]\n"
                 "                [--climb-attempts N] [--threads N]\n");
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();

  std::fprintf(stderr, "Building the pool (seed %lld)...\n", static_cast<long long>(options.pool.seed));
  const std::vector<PoolPuzzle> pool = BuildPool(options.pool);

  ChoiceTable available;
  for (const PoolPuzzle& p : pool) ++available[p.givens][static_cast<int>(p.grade.hardest)];
  PrintTable("Pool by givens (rows) and class (columns):", available);

  std::map<int, int> needed;
  for (const GivensCount& g : kGivensDistribution) needed[g.givens] = g.puzzles;
  std::vector<std::string> fixedTexts;
  for (const FixedRow& row : kFixedRows) {
    fixedTexts.emplace_back(row.text);
    if (row.level > kCompleteGridCount) --needed[GivensOf(FromText(row.text))];
  }
  const Choice choice = ChooseRamp(pool, needed, kWeights, fixedTexts);
  PrintTable("Chosen:", choice.table);
  if (!choice.complete) {
    std::fprintf(stderr, "The pool is too small for the distribution; enlarge --pool or --climbs.\n");
    return 1;
  }

  std::vector<BankLine> lines(kLevelCount);
  for (const FixedRow& row : kFixedRows) {
    lines[row.level - 1].text = row.text;
    if (row.level > kCompleteGridCount)
      lines[row.level - 1].note = Note(*varelo::grading::GradePuzzle(FromText(row.text))) + " (fixed)";
  }
  int gridIndex = 0;
  const auto grids = CompleteGrids(options.pool.seed, kCompleteGridCount - 2, fixedTexts);
  for (int level = 1; level <= kCompleteGridCount; ++level)
    if (lines[level - 1].text.empty()) lines[level - 1].text = grids[gridIndex++];
  std::size_t next = 0;
  for (int level = kCompleteGridCount + 1; level <= kLevelCount; ++level) {
    if (!lines[level - 1].text.empty()) continue;
    const PoolPuzzle& puzzle = choice.puzzles[next++];
    lines[level - 1] = {puzzle.text, Note(puzzle.grade)};
  }

  std::vector<varelo::grading::Grade> grades;
  const std::string problem = VerifyBank(lines, grades);
  if (!problem.empty()) {
    std::fprintf(stderr, "The bank fails a check: %s\n", problem.c_str());
    return 1;
  }
  PrintRamp(grades);
  if (!WriteBankSource(options.out, lines, Origin(options))) {
    std::fprintf(stderr, "Cannot write %s\n", options.out.c_str());
    return 1;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::fprintf(stderr, "Wrote %s in %.1f s.\n", options.out.c_str(), seconds);
  return 0;
}

}  // namespace levelgen

int main(int argc, char** argv) { return levelgen::Run(argc, argv); }
