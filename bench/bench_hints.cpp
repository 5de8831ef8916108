// One full colour-hint refresh of a half-filled main grid.
//   build/bin/bench_hints
// "steady" is the refresh after a key press that changed no count (no cell
// repainted); "repaint" is the first refresh of a new puzzle (every empty
// cell graded and painted).

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchMain.h"

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/RandomSource.h"
#include "core/RuleChecks.h"
#include "settings/SettingsStore.h"

namespace {

using namespace varelo;

constexpr char kSolution[] = "172396854596874231384521769243619587759482613861753942437265198618937425925148376";

struct HalfFilled {
  HalfFilled() : checks(board, &work), hint(board, checks, random, store) {
    random.Reseed(-1);
    for (int n = 1; n <= 81; ++n) {
      if (random.Next() < 0.5) continue;
      board.setDigit(0, n, kSolution[n - 1] - '0');
      board.setKind(0, n, EntryKind::Given);
    }
  }
  Board board;
  GridDigits work{};
  RuleChecks checks;
  RandomSource random;
  SettingsStore store{QStringLiteral("varelo-bench")};
  ColourHint hint;
};

void BM_RefreshHintsSteady(benchmark::State& state) {
  HalfFilled f;
  f.hint.RefreshHints();
  for (auto _ : state) f.hint.RefreshHints();
}
BENCHMARK(BM_RefreshHintsSteady);

void BM_RefreshHintsRepaint(benchmark::State& state) {
  HalfFilled f;
  for (auto _ : state) {
    f.board.resetCandidateCache();
    f.hint.RefreshHints();
  }
}
BENCHMARK(BM_RefreshHintsRepaint);

// The settings read every refresh makes, for comparison.
void BM_ReadColourSetting(benchmark::State& state) {
  SettingsStore store{QStringLiteral("varelo-bench")};
  for (auto _ : state) benchmark::DoNotOptimize(store.ReadNumber(SettingKey::ColourHint));
}
BENCHMARK(BM_ReadColourSetting);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
