#include "grading/Eliminations.h"

#include <bit>

#include "grading/Singles.h"

namespace varelo::grading {

namespace {

// Calls visit(indices) for every k-subset of 0..n-1 in lexicographic order
// until it returns true.
template <typename Visit>
bool ForEachCombination(int n, int k, Visit visit) {
  if (k > n) return false;
  int index[4];
  for (int i = 0; i < k; ++i) index[i] = i;
  for (;;) {
    if (visit(index)) return true;
    int i = k - 1;
    while (i >= 0 && index[i] == n - k + i) --i;
    if (i < 0) return false;
    ++index[i];
    for (int j = i + 1; j < k; ++j) index[j] = index[j - 1] + 1;
  }
}

int Count(Mask m) { return CountOf(m); }

bool IsEmpty(const CandidateGrid& grid, int p) { return grid.digit(p) == 0; }

// Strikes `digits` from the cells of `unit` outside `keep` (unit indices).
bool StrikeFromUnit(CandidateGrid& grid, int unit, Mask keep, Mask digits) {
  bool struck = false;
  for (int i = 0; i < 9; ++i)
    if (!(keep & (1u << i))) struck |= grid.Eliminate(Cells().unitCells[unit][i], digits);
  return struck;
}

// Unit indices: a box counts its cells row by row, a line along itself.
constexpr Mask kBoxRow = 0x7;      // box cells 0-2, shifted by 3 per row
constexpr Mask kBoxColumn = 0x49;  // box cells 0, 3, 6, shifted by 1 per column
constexpr Mask kLineThird = 0x7;   // line cells 0-2, shifted by 3 per box

Mask Shift(Mask mask, int by) { return static_cast<Mask>(mask << by); }

// A digit confined to one row or column of a box leaves the rest of that line.
bool Pointing(CandidateGrid& grid, int box, int digit) {
  const Mask places = grid.PlacesIn(18 + box, digit);
  if (places == 0) return false;
  const int top = box / 3 * 3;
  const int left = box % 3 * 3;
  for (int k = 0; k < 3; ++k) {
    if (!(places & ~Shift(kBoxRow, 3 * k)) && StrikeFromUnit(grid, top + k, Shift(kLineThird, left), Bit(digit)))
      return true;
    if (!(places & ~Shift(kBoxColumn, k)) && StrikeFromUnit(grid, 9 + left + k, Shift(kLineThird, top), Bit(digit)))
      return true;
  }
  return false;
}

// A digit confined to one box within a row or column leaves the rest of the box.
bool Claiming(CandidateGrid& grid, int line, int digit) {
  const Mask places = grid.PlacesIn(line, digit);
  if (places == 0) return false;
  const bool row = line < 9;
  const int index = row ? line : line - 9;
  for (int third = 0; third < 3; ++third) {
    if (places & ~Shift(kLineThird, 3 * third)) continue;
    const int box = row ? index / 3 * 3 + third : third * 3 + index / 3;
    const Mask keep = row ? Shift(kBoxRow, 3 * (index % 3)) : Shift(kBoxColumn, index % 3);
    return StrikeFromUnit(grid, 18 + box, keep, Bit(digit));
  }
  return false;
}

bool NakedSubsetIn(CandidateGrid& grid, int unit, int size) {
  const auto& cells = Cells().unitCells[unit];
  int members[9];
  int memberCount = 0;
  int emptyCount = 0;
  for (int i = 0; i < 9; ++i) {
    if (!IsEmpty(grid, cells[i])) continue;
    ++emptyCount;
    const int n = Count(grid.candidates(cells[i]));
    if (n >= 2 && n <= size) members[memberCount++] = i;
  }
  if (emptyCount <= size) return false;
  return ForEachCombination(memberCount, size, [&](const int* pick) {
    Mask digits = 0;
    Mask keep = 0;
    for (int j = 0; j < size; ++j) {
      digits |= grid.candidates(cells[members[pick[j]]]);
      keep |= static_cast<Mask>(1u << members[pick[j]]);
    }
    return Count(digits) == size && StrikeFromUnit(grid, unit, keep, digits);
  });
}

bool HiddenSubsetIn(CandidateGrid& grid, int unit, int size) {
  const auto& cells = Cells().unitCells[unit];
  int members[9];
  Mask places[10] = {};
  int memberCount = 0;
  int openDigits = 0;
  for (int d = 1; d <= 9; ++d) {
    if (grid.placedIn(unit) & Bit(d)) continue;
    ++openDigits;
    places[d] = grid.PlacesIn(unit, d);
    const int n = Count(places[d]);
    if (n >= 2 && n <= size) members[memberCount++] = d;
  }
  if (openDigits <= size) return false;
  return ForEachCombination(memberCount, size, [&](const int* pick) {
    Mask where = 0;
    Mask digits = 0;
    for (int j = 0; j < size; ++j) {
      where |= places[members[pick[j]]];
      digits |= Bit(members[pick[j]]);
    }
    if (Count(where) != size) return false;
    bool struck = false;
    for (int i = 0; i < 9; ++i)
      if (where & (1u << i)) struck |= grid.Eliminate(cells[i], static_cast<Mask>(kAllDigits & ~digits));
    return struck;
  });
}

// Base lines are rows (coverOffset 9: covers are columns) or columns
// (baseOffset 9, covers rows). Index i along a line is the crossing line.
bool FishOf(CandidateGrid& grid, int digit, int size, int baseOffset, int coverOffset) {
  int members[9];
  Mask places[9] = {};
  int memberCount = 0;
  for (int line = 0; line < 9; ++line) {
    if (grid.placedIn(baseOffset + line) & Bit(digit)) continue;
    places[line] = grid.PlacesIn(baseOffset + line, digit);
    const int n = Count(places[line]);
    if (n >= 2 && n <= size) members[memberCount++] = line;
  }
  return ForEachCombination(memberCount, size, [&](const int* pick) {
    Mask covers = 0;
    Mask bases = 0;
    for (int j = 0; j < size; ++j) {
      covers |= places[members[pick[j]]];
      bases |= static_cast<Mask>(1u << members[pick[j]]);
    }
    if (Count(covers) != size) return false;
    bool struck = false;
    for (Mask c = covers; c != 0; c &= c - 1)
      struck |= StrikeFromUnit(grid, coverOffset + std::countr_zero(c), bases, Bit(digit));
    return struck;
  });
}

// Strikes `digit` from every empty cell that sees all of `seen`.
bool StrikeSeenByAll(CandidateGrid& grid, int digit, const int* seen, int count) {
  bool struck = false;
  for (int q = 0; q < 81; ++q) {
    if (!(grid.candidates(q) & Bit(digit))) continue;
    bool seesAll = true;
    for (int i = 0; i < count && seesAll; ++i) seesAll = Cells().sees[seen[i]][q];
    if (seesAll) struck |= grid.Eliminate(q, Bit(digit));
  }
  return struck;
}

}  // namespace

bool LockedCandidates(CandidateGrid& grid) {
  for (int d = 1; d <= 9; ++d)
    for (int box = 0; box < 9; ++box)
      if (Pointing(grid, box, d)) return true;
  for (int d = 1; d <= 9; ++d)
    for (int line = 0; line < 18; ++line)
      if (Claiming(grid, line, d)) return true;
  return false;
}

bool NakedSubset(CandidateGrid& grid, int size) {
  for (int unit = 0; unit < kUnitCount; ++unit)
    if (NakedSubsetIn(grid, unit, size)) return true;
  return false;
}

bool HiddenSubset(CandidateGrid& grid, int size) {
  for (int unit = 0; unit < kUnitCount; ++unit)
    if (HiddenSubsetIn(grid, unit, size)) return true;
  return false;
}

bool Fish(CandidateGrid& grid, int size) {
  for (int d = 1; d <= 9; ++d) {
    if (FishOf(grid, d, size, 0, 9)) return true;
    if (FishOf(grid, d, size, 9, 0)) return true;
  }
  return false;
}

bool XyWing(CandidateGrid& grid) {
  const auto& geometry = Cells();
  for (int pivot = 0; pivot < 81; ++pivot) {
    const Mask xy = grid.candidates(pivot);
    if (Count(xy) != 2) continue;
    for (unsigned char a : geometry.peers[pivot]) {
      const Mask xz = grid.candidates(a);
      if (Count(xz) != 2 || Count(xz & xy) != 1) continue;
      const Mask z = static_cast<Mask>(xz & ~xy);
      const Mask yz = static_cast<Mask>((xy & ~xz) | z);
      for (unsigned char b : geometry.peers[pivot]) {
        if (b == a || grid.candidates(b) != yz) continue;
        const int pincers[2] = {a, b};
        if (StrikeSeenByAll(grid, std::countr_zero(z) + 1, pincers, 2)) return true;
      }
    }
  }
  return false;
}

bool XyzWing(CandidateGrid& grid) {
  const auto& geometry = Cells();
  for (int pivot = 0; pivot < 81; ++pivot) {
    const Mask xyz = grid.candidates(pivot);
    if (Count(xyz) != 3) continue;
    const auto& peers = geometry.peers[pivot];
    for (int i = 0; i < kPeerCount; ++i) {
      const Mask first = grid.candidates(peers[i]);
      if (Count(first) != 2 || (first & ~xyz)) continue;
      for (int j = i + 1; j < kPeerCount; ++j) {
        const Mask second = grid.candidates(peers[j]);
        if (Count(second) != 2 || (second & ~xyz) || second == first) continue;
        const int wing[3] = {pivot, peers[i], peers[j]};
        if (StrikeSeenByAll(grid, std::countr_zero(static_cast<Mask>(first & second)) + 1, wing, 3)) return true;
      }
    }
  }
  return false;
}

bool BivalueTrial(CandidateGrid& grid) {
  for (int p = 0; p < 81; ++p) {
    const Mask pair = grid.candidates(p);
    if (Count(pair) != 2) continue;
    for (Mask left = pair; left != 0; left &= left - 1) {
      const int digit = std::countr_zero(left) + 1;
      CandidateGrid trial = grid;
      trial.Place(p, digit);
      if (!PropagateSingles(trial)) return grid.Eliminate(p, Bit(digit));
    }
  }
  return false;
}

}  // namespace varelo::grading
