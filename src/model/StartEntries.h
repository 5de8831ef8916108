#pragma once
// The start screen's entries by what they do; each value is the index i of
// its label LblBegin(i). Seven main entries in a column, and the sub-entries
// each group opens beside them.

namespace varelo {

enum class StartEntry : int {
  StartGame = 0,    // opens Mission and Random
  Combination = 1,  // opens Order2 and Order3
  SolveSudoku = 2,  // opens Solve1..Solve3; "Loading..." and "Pause" borrow it
  Options = 3,
  Help = 4,
  About = 5,
  Exit = 6,
  Mission = 7,  // "任务模式", or the level it resumes
  Random = 8,
  Order2 = 9,
  Order3 = 10,
  CombinationEnd = 11,  // the group's blank last line
  Solve1 = 12,
  Solve2 = 13,
  Solve3 = 14,
  SolveEnd = 15,  // the group's blank last line
};

constexpr int IndexOf(StartEntry entry) { return static_cast<int>(entry); }
constexpr StartEntry StartEntryAt(int index) { return static_cast<StartEntry>(index); }

}  // namespace varelo
