#pragma once
// What the bank must hold, level by level: the rows that are given exactly,
// and how many puzzles have each number of givens.

#include <array>
#include <string_view>

namespace levelgen {

inline constexpr int kLevelCount = 1999;
inline constexpr int kCompleteGridCount = 50;  // levels 1..50 store solutions

struct FixedRow {
  int level;
  std::string_view text;
};

inline constexpr std::array<FixedRow, 5> kFixedRows{{
    {1, "172396854596874231384521769243619587759482613861753942437265198618937425925148376"},
    {50, "724369851936851472581472693269143587143587269875296134497625318618934725352718946"},
    {51, "001000009500003800060002100000070084000401000240030000005600030007200005800000700"},
    {71, "081600090000000000004037600600400500030000070007002004005210300000000000070004810"},
    {1999, "000700030300009000000300176004200300600000005008005200892001000000400008050008000"},
}};

struct GivensCount {
  int givens;
  int puzzles;
};

// Levels 51..1999, the fixed rows included.
inline constexpr std::array<GivensCount, 11> kGivensDistribution{{
    {19, 1},
    {20, 2},
    {21, 18},
    {22, 139},
    {23, 398},
    {24, 610},
    {25, 533},
    {26, 192},
    {27, 34},
    {28, 20},
    {29, 2},
}};

inline constexpr int kMinGivens = 19;
inline constexpr int kMaxGivens = 29;

}  // namespace levelgen
