// Setting up a new puzzle of each kind, as the menu entries do it (without
// a window): random, order 2, order 3, a mission level from the bank's
// complete grids and a stored one.
//   build/bin/bench_setup

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchMain.h"

#include "game/Game.h"
#include "game/Headless.h"
#include "settings/SettingsStore.h"
#include "sources/LevelBank.h"

namespace {

using namespace varelo;

void SetUp(benchmark::State& state, const QString& entry) {
  SettingsStore settings(QStringLiteral("varelo-bench"));
  settings.Write(SettingKey::Difficulty, 1);
  SilentPrompter prompter;
  NoWindow window;
  QTemporaryDir programDir;
  Game game(settings, prompter, window, AppPaths{programDir.path()});
  game.Load();
  game.levelBank().LoadRest();
  for (auto _ : state) game.Click(entry);
}

void BM_Random(benchmark::State& state) { SetUp(state, QStringLiteral("sjms")); }
void BM_Order2(benchmark::State& state) { SetUp(state, QStringLiteral("zhej")); }
void BM_Order3(benchmark::State& state) { SetUp(state, QStringLiteral("zhsj")); }
void BM_MissionLevel7(benchmark::State& state) { SetUp(state, QStringLiteral("mnuLevels(6)")); }
void BM_MissionLevel1999(benchmark::State& state) { SetUp(state, QStringLiteral("mnuLevels(1998)")); }
BENCHMARK(BM_Random)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Order2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Order3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MissionLevel7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MissionLevel1999)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
