// New-puzzle set-up: how many givens, which cells, carried corners, and the
// opening of the game.

#include <gtest/gtest.h>

#include <set>

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/RandomSource.h"
#include "core/RuleChecks.h"
#include "game/GameClock.h"
#include "game/PuzzleSetup.h"
#include "game/StartNotice.h"
#include "game/TimeBar.h"
#include "model/Controls.h"
#include "model/Cursors.h"
#include "model/GameState.h"
#include "support/Fakes.h"
#include "support/Grids.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

// Level 51 of the fake bank: a stored puzzle.
constexpr char kLevel51[] = "001000009500003800060002100000070084000401000240030000005600030007200005800000700";

using testing::kSolution;

GridDigits ParseGrid(const char* text) {
  GridDigits grid{};
  for (int p = 0; p < 81; ++p) grid[p] = static_cast<unsigned char>(text[p] - '0');
  return grid;
}

GridDigits GridWith(int position, int digit) { return testing::RelabelledGrid(position, digit); }

class PuzzleSetupTest : public ::testing::Test {
 protected:
  PuzzleSetupTest()
      : checks(board), hint(board, checks, random, settings.store()), state(controls), bar(controls),
        clock(state, bar, window, prompter),
        setup(board, state, notice, cursors, hint, random, settings.store(), clock, Hooks()) {}

  PuzzleSetupHooks Hooks() {
    PuzzleSetupHooks hooks;
    hooks.randomFill = [this](const FillRequest& request) {
      requests.push_back(request);
      FilledGrid filled;
      if (testFileCells.empty() || request.workGrid != 1 || !request.randomMode || request.comboOrder != 0) {
        filled.digits = request.workGrid == 2   ? GridWith(0, request.sharedDigit12)
                        : request.workGrid == 3 ? GridWith(72, request.sharedDigit23)
                                                : ParseGrid(kSolution);
        return filled;
      }
      filled.fromTestFile = true;
      for (int cell : testFileCells) {
        filled.digits[cell - 1] = static_cast<unsigned char>(kSolution[cell - 1] - '0');
        filled.fromSource[cell - 1] = true;
      }
      return filled;
    };
    hooks.slideTopBarIn = [this] { ++slides; };
    return hooks;
  }

  int Givens(int grid) const {
    int count = 0;
    for (int n = 1; n <= 81; ++n) count += board.isFixed(grid, n);
    return count;
  }
  void StartRandom(const char* givensSetting) {
    settings.store().Write(SettingKey::Givens, QString::fromUtf8(givensSetting));
    state.EnterRandom();
    board.setComboOrder(0);
    setup.NewPuzzle();
  }
  void StartMission(int level) {
    state.EnterMission(level);
    board.setComboOrder(0);
    // The game copies the bank's entry: a solution, or from level 51 a puzzle.
    setup.solutionDigits() = ParseGrid(level > 50 ? kLevel51 : kSolution);
    setup.NewPuzzle();
  }
  void StartCombination(int order, const char* givensSetting) {
    settings.store().Write(SettingKey::Givens, QString::fromUtf8(givensSetting));
    state.StartCombination(order);
    board.setComboOrder(order);
    setup.NewPuzzle();
  }
  std::set<int> GivenCells(int grid) const {
    std::set<int> cells;
    for (int n = 1; n <= 81; ++n)
      if (board.isFixed(grid, n)) cells.insert(n);
    return cells;
  }

  Board board;
  Controls controls;
  Cursors cursors;
  RandomSource random;
  testing::TempSettings settings;
  testing::RecordingPrompter prompter;
  testing::FakeWindow window;
  RuleChecks checks;
  ColourHint hint;
  GameState state;
  StartNotice notice{controls, state};
  TimeBar bar;
  GameClock clock;
  PuzzleSetup setup;
  std::vector<FillRequest> requests;
  std::vector<int> testFileCells;
  int slides = 0;
};

TEST_F(PuzzleSetupTest, RandomGamesTakeTheirGivensFromTheSetting) {
  for (auto [setting, expected] :
       {std::pair{"11", 11}, std::pair{"75", 75}, std::pair{"76", 35}, std::pair{"10", 35}, std::pair{"abc", 35},
        std::pair{"20abc", 35}, std::pair{" 20 ", 20}, std::pair{"20.5", 35}}) {
    StartRandom(setting);
    EXPECT_EQ(Givens(0), expected) << setting;
  }
  // Every given is the solution's digit, in black; every other cell empty and blue.
  for (int n = 1; n <= 81; ++n) {
    if (board.isFixed(0, n)) {
      EXPECT_EQ(board.digit(0, n), kSolution[n - 1] - '0');
      EXPECT_EQ(board.ink(0, n), colours::kBlack);
    } else {
      EXPECT_EQ(board.digit(0, n), 0);
      EXPECT_EQ(board.ink(0, n), colours::kBlue);
    }
  }
}

TEST_F(PuzzleSetupTest, MissionLevelsShowTheirCountAndTheSameGivensEveryTime) {
  for (auto [level, expected] :
       {std::pair{1, 40}, std::pair{2, 40}, std::pair{3, 40}, std::pair{4, 39}, std::pair{7, 38}, std::pair{50, 24}}) {
    StartMission(level);
    EXPECT_EQ(Givens(0), expected) << level;
  }
  for (int level = 1; level <= 50; ++level) {
    StartMission(level);
    const std::set<int> first = GivenCells(0);
    random.ReseedFromClock();
    StartMission(level);
    EXPECT_EQ(GivenCells(0), first) << "level " << level;
    EXPECT_EQ(static_cast<int>(first.size()), 40 - (level - 1) / 3);
  }
  EXPECT_TRUE(requests.empty()) << "mission levels never generate";
}

TEST_F(PuzzleSetupTest, StoredLevelsPlaceExactlyTheirDigits) {
  StartMission(51);
  const QString entry = QString::fromLatin1(kLevel51);
  for (int n = 1; n <= 81; ++n) {
    const int digit = entry[n - 1].digitValue();
    EXPECT_EQ(board.digit(0, n), digit) << n;
    EXPECT_EQ(board.isFixed(0, n), digit != 0) << n;
  }
  EXPECT_EQ(Givens(0), 24);
}

TEST_F(PuzzleSetupTest, TheMissionSequenceEscapesCyclesAndTheEdge) {
  // 0.5 is a fixed point of x -> 1 - 2x^2 (cell 41 for ever); 1 maps to -1,
  // another fixed point, which names no cell.
  for (float seed : {0.5f, 1.0f, -1.0f, 0.0f}) {
    const auto cells = MissionCells(seed, 40, {});
    EXPECT_EQ(cells.size(), 40u) << seed;
    EXPECT_EQ(std::set<int>(cells.begin(), cells.end()).size(), 40u) << seed;
    for (int cell : cells) {
      EXPECT_GE(cell, 1);
      EXPECT_LE(cell, 81);
    }
    EXPECT_EQ(MissionCells(seed, 40, {}), cells) << "reproducible";
  }
  std::array<bool, 81> nearlyFull{};
  nearlyFull.fill(true);
  nearlyFull[16] = false;
  EXPECT_EQ(MissionCells(0.5f, 3, nearlyFull), std::vector<int>{17});
}

TEST_F(PuzzleSetupTest, CombinationsCarryTheirCornersAndNeverRevealThem) {
  StartCombination(2, "75");
  EXPECT_EQ(Givens(1), 75);
  EXPECT_EQ(Givens(2), 75);
  EXPECT_EQ(board.digit(1, 81), 0);
  EXPECT_EQ(board.digit(2, 1), 0);
  EXPECT_EQ(board.digit(2, 9), 0) << "never revealed, even where it is not shared";
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].workGrid, 2);
  EXPECT_EQ(requests[1].sharedDigit12, kSolution[80] - '0') << "grid 1's cell 81";
  EXPECT_EQ(board.background(1, 81), colours::kSharedCorner);
  EXPECT_EQ(board.background(2, 1), colours::kSharedCorner);

  requests.clear();
  StartCombination(3, "40");
  ASSERT_EQ(requests.size(), 3u);
  const GridDigits grid2 = GridWith(0, requests[1].sharedDigit12);
  EXPECT_EQ(requests[2].sharedDigit23, grid2[8]) << "grid 2's cell 9";
  for (int grid = 1; grid <= 3; ++grid) EXPECT_EQ(Givens(grid), 40);
  EXPECT_EQ(board.digit(3, 73), 0);
  EXPECT_EQ(board.background(2, 9), colours::kSharedCorner);
  EXPECT_EQ(board.background(3, 73), colours::kSharedCorner);
  for (int grid = 1; grid <= 3; ++grid) {
    EXPECT_TRUE(board.gridEditable(grid));
    EXPECT_TRUE(cursors.isTracking(grid));
    EXPECT_TRUE(controls.isVisible(ctl::PicMis(grid)));
  }
}

TEST_F(PuzzleSetupTest, ATestFileGivesItsCellsInRandomMode) {
  for (int n = 1; n <= 30; ++n) testFileCells.push_back(n * 2);
  StartRandom("35");
  EXPECT_EQ(GivenCells(0), std::set<int>(testFileCells.begin(), testFileCells.end()));
  StartRandom("20");
  EXPECT_EQ(Givens(0), 20);
  for (int cell : GivenCells(0)) EXPECT_EQ(cell % 2, 0) << "only cells the file gives";
}

TEST_F(PuzzleSetupTest, OpeningTheGameShowsItAndStartsItsServices) {
  settings.store().Write(SettingKey::Difficulty, QStringLiteral("1"));
  StartRandom("35");
  for (int i = 0; i < ctl::kStartEntryCount; ++i) EXPECT_FALSE(controls.isVisible(ctl::LblBegin(i)));
  EXPECT_TRUE(controls.isVisible(ctl::Command(1)));
  EXPECT_TRUE(controls.isEnabled(ctl::Command(1)));
  EXPECT_TRUE(controls.isVisible(ctl::kImgcol));
  EXPECT_TRUE(controls.isVisible(ctl::PicMis(0)));
  EXPECT_TRUE(cursors.isTracking(0));
  EXPECT_TRUE(board.gridEditable(0));
  EXPECT_EQ(slides, 1);
  EXPECT_FALSE(clock.isRunning()) << "beginners play without a clock";
  settings.store().Write(SettingKey::Difficulty, QStringLiteral("2"));
  StartRandom("35");
  EXPECT_TRUE(clock.isRunning());
  EXPECT_NE(board.background(0, 1), colours::Checkerboard(1)) << "the colour hint is drawn";
}

}  // namespace
}  // namespace varelo
