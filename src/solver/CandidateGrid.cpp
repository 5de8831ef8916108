#include "solver/CandidateGrid.h"

#include <array>
#include <bit>

namespace varelo::fast {

namespace {

struct Tables {
  std::array<std::array<unsigned char, 20>, 81> peers{};
  std::array<std::array<unsigned char, 9>, 27> units{};
};

constexpr Tables BuildTables() {
  Tables t{};
  for (int i = 0; i < 9; ++i) {
    for (int j = 0; j < 9; ++j) {
      t.units[i][j] = static_cast<unsigned char>(i * 9 + j);                   // rows
      t.units[9 + i][j] = static_cast<unsigned char>(j * 9 + i);               // columns
      t.units[18 + i][j] = static_cast<unsigned char>((i / 3 * 3 + j / 3) * 9  // boxes
                                                      + i % 3 * 3 + j % 3);
    }
  }
  for (int p = 0; p < 81; ++p) {
    int n = 0;
    for (int q = 0; q < 81; ++q) {
      if (q == p) continue;
      const bool row = q / 9 == p / 9;
      const bool column = q % 9 == p % 9;
      const bool box = q / 27 == p / 27 && q % 9 / 3 == p % 9 / 3;
      if (row || column || box) t.peers[p][n++] = static_cast<unsigned char>(q);
    }
  }
  return t;
}

constexpr Tables kTables = BuildTables();

constexpr int LowestDigit(DigitMask mask) { return std::countr_zero(mask) + 1; }
constexpr bool Single(DigitMask mask) { return (mask & (mask - 1)) == 0; }

}  // namespace

CandidateGrid::CandidateGrid() {
  for (int p = 0; p < 81; ++p) {
    candidates_[p] = kAllDigits;
    digit_[p] = 0;
  }
}

void CandidateGrid::Queue(int p) { queue_[queued_++] = static_cast<unsigned char>(p); }

bool CandidateGrid::Place(int p, int digit) {
  if (digit_[p] != 0) return digit_[p] == digit;
  const DigitMask bit = DigitBit(digit);
  if (!(candidates_[p] & bit)) return false;
  digit_[p] = static_cast<unsigned char>(digit);
  candidates_[p] = bit;
  --open_;
  for (unsigned char q : kTables.peers[p]) {
    if (!(candidates_[q] & bit)) continue;
    if (digit_[q] != 0) return false;  // a placed peer holds the same digit
    candidates_[q] &= static_cast<DigitMask>(~bit);
    if (candidates_[q] == 0) return false;
    if (Single(candidates_[q])) Queue(q);
  }
  return true;
}

bool CandidateGrid::Restrict(int p, DigitMask allowed) {
  const DigitMask before = candidates_[p];
  candidates_[p] &= allowed;
  if (candidates_[p] == 0) return false;
  // A cell turns single once, so the queue never holds more than 81 entries.
  if (digit_[p] == 0 && candidates_[p] != before && Single(candidates_[p])) Queue(p);
  return true;
}

bool CandidateGrid::SettleHiddenSingles(bool& placed) {
  for (const auto& unit : kTables.units) {
    DigitMask once = 0, twice = 0, fixed = 0;
    for (unsigned char p : unit) {
      const DigitMask c = candidates_[p];
      if (digit_[p] != 0) {
        fixed |= c;
      } else {
        twice |= once & c;
        once |= c;
      }
    }
    if ((once | fixed) != kAllDigits) return false;  // a digit has no place left
    for (DigitMask hidden = once & ~twice & ~fixed; hidden != 0; hidden &= hidden - 1) {
      const auto bit = static_cast<DigitMask>(hidden & (~hidden + 1));
      for (unsigned char p : unit) {
        if (digit_[p] != 0 || !(candidates_[p] & bit)) continue;
        if (!Place(p, LowestDigit(bit))) return false;
        placed = true;
        break;
      }
    }
  }
  return true;
}

bool CandidateGrid::Settle() {
  for (;;) {
    while (queued_ > 0) {
      const int p = queue_[--queued_];
      if (digit_[p] != 0) continue;
      if (!Place(p, LowestDigit(candidates_[p]))) return false;
    }
    if (open_ == 0) return true;
    bool placed = false;
    if (!SettleHiddenSingles(placed)) return false;
    if (!placed && queued_ == 0) return true;
  }
}

GridDigits CandidateGrid::digits() const {
  GridDigits out{};
  for (int p = 0; p < 81; ++p) out[p] = digit_[p];
  return out;
}

namespace {

// The open cell with the fewest candidates; -1 when none is open.
int MostConstrained(const CandidateGrid& grid) {
  int best = -1;
  int bestCount = 10;
  for (int p = 0; p < 81; ++p) {
    if (grid.digit(p) != 0) continue;
    const int n = std::popcount(grid.candidates(p));
    if (n < bestCount) {
      best = p;
      bestCount = n;
      if (n == 2) break;
    }
  }
  return best;
}

bool Complete(CandidateGrid& grid, GridDigits& out) {
  if (!grid.Settle()) return false;
  const int p = MostConstrained(grid);
  if (p < 0) {
    out = grid.digits();
    return true;
  }
  for (DigitMask c = grid.candidates(p); c != 0; c &= c - 1) {
    CandidateGrid trial = grid;
    if (trial.Place(p, LowestDigit(c)) && Complete(trial, out)) return true;
  }
  return false;
}

void Count(CandidateGrid& grid, std::int64_t limit, std::int64_t& found) {
  if (!grid.Settle()) return;
  const int p = MostConstrained(grid);
  if (p < 0) {
    ++found;
    return;
  }
  for (DigitMask c = grid.candidates(p); c != 0 && found < limit; c &= c - 1) {
    CandidateGrid trial = grid;
    if (trial.Place(p, LowestDigit(c))) Count(trial, limit, found);
  }
}

}  // namespace

bool FindCompletion(CandidateGrid grid, GridDigits& out) { return Complete(grid, out); }

std::int64_t CountCompletions(const CandidateGrid& grid, std::int64_t limit) {
  if (limit <= 0) return 0;
  CandidateGrid work = grid;
  std::int64_t found = 0;
  Count(work, limit, found);
  return found;
}

bool LoadGivens(const GridDigits& digits, CandidateGrid& grid) {
  for (int p = 0; p < 81; ++p) {
    const int d = digits[p];
    if (d == 0) continue;
    if (d > 9 || !grid.Place(p, d)) return false;
  }
  return true;
}

}  // namespace varelo::fast
