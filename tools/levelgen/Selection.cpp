#include "Selection.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <tuple>

namespace levelgen {

namespace {

constexpr int kClasses = varelo::grading::kTechniqueCount;

int ClassOf(const PoolPuzzle& puzzle) { return static_cast<int>(puzzle.grade.hardest); }

// Whole targets per class that add up to `total`, by largest remainder.
std::array<int, kClasses + 1> ClassTargets(const ClassWeights& weights, int total) {
  const long long sum = std::accumulate(weights.begin(), weights.end(), 0LL);
  std::array<int, kClasses + 1> target{};
  std::array<long long, kClasses + 1> remainder{};
  int given = 0;
  for (int c = 1; c <= kClasses; ++c) {
    target[c] = static_cast<int>(total * weights[c] / sum);
    remainder[c] = total * weights[c] % sum;
    given += target[c];
  }
  while (given < total) {
    int best = 1;
    for (int c = 2; c <= kClasses; ++c)
      if (remainder[c] > remainder[best]) best = c;
    ++target[best];
    remainder[best] = -1;
    ++given;
  }
  return target;
}

// `count` items of a sorted bucket, evenly spread from its easy to its hard end.
void TakeSpread(const std::vector<const PoolPuzzle*>& bucket, int count, std::vector<PoolPuzzle>& out) {
  const long long size = static_cast<long long>(bucket.size());
  for (long long i = 0; i < count; ++i) out.push_back(*bucket[(2 * i + 1) * size / (2LL * count)]);
}

}  // namespace

Choice ChooseRamp(const std::vector<PoolPuzzle>& pool, const std::map<int, int>& needed, const ClassWeights& weights,
                  const std::vector<std::string>& exclude) {
  const std::set<std::string> excluded(exclude.begin(), exclude.end());
  std::map<int, std::array<std::vector<const PoolPuzzle*>, kClasses + 1>> buckets;
  for (const PoolPuzzle& puzzle : pool)
    if (!excluded.count(puzzle.text)) buckets[puzzle.givens][ClassOf(puzzle)].push_back(&puzzle);

  int total = 0;
  for (const auto& [givens, count] : needed) total += count;
  const auto target = ClassTargets(weights, total);
  std::array<int, kClasses + 1> taken{};

  // The scarcest counts choose first; the big ones have room to even out
  // what is left of every class's target.
  std::vector<std::pair<int, int>> order(needed.begin(), needed.end());
  std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.second < b.second; });

  Choice choice;
  choice.complete = true;
  for (const auto& [givens, count] : order) {
    auto& bucket = buckets[givens];
    auto& row = choice.table[givens];
    for (int c = 1; c <= kClasses; ++c) {
      const int ideal = static_cast<int>(static_cast<long long>(count) * target[c] / total);
      row[c] = std::min<int>(ideal, static_cast<int>(bucket[c].size()));
    }
    int placed = std::accumulate(row.begin(), row.end(), 0);
    for (; placed < count; ++placed) {
      int best = -1;
      for (int c = 1; c <= kClasses; ++c) {
        if (row[c] >= static_cast<int>(bucket[c].size())) continue;
        const int deficit = target[c] - taken[c] - row[c];
        if (best < 0 || deficit > target[best] - taken[best] - row[best]) best = c;
      }
      if (best < 0) break;
      ++row[best];
    }
    if (placed < count) choice.complete = false;
    for (int c = 1; c <= kClasses; ++c) {
      taken[c] += row[c];
      TakeSpread(bucket[c], row[c], choice.puzzles);
    }
  }
  std::sort(choice.puzzles.begin(), choice.puzzles.end(), [](const PoolPuzzle& a, const PoolPuzzle& b) {
    return std::tie(a.grade, a.text) < std::tie(b.grade, b.text);
  });
  return choice;
}

}  // namespace levelgen
