#include "solver/CandidateGrid.h"

#include <bit>

namespace varelo::fast {

using bands::BandMask;
using bands::kTables;

namespace {

// The cells of a band on a full matching of its rows to its boxes.
BandMask RowsOnMatching(BandMask band) {
  const auto& t = kTables;
  const unsigned pattern =
      t.boxesOfRow[band & bands::kRow] | t.boxesOfRow[band >> 9 & bands::kRow] << 3 | t.boxesOfRow[band >> 18] << 6;
  return t.rowsOnMatching[pattern];
}

// The same across the bands: `columns` holds band b's columns at bit
// 9 * b + c; the result keeps those on a full matching of the bands to the
// columns of each stack, or is 0 when a stack has none.
BandMask ColumnsOnMatching(BandMask columns) {
  constexpr BandMask kStack = 7u | 7u << 9 | 7u << 18;
  BandMask keep = 0;
  bool none = false;  // rare, so the loop runs straight through
  for (int shift = 0; shift < 9; shift += 3) {
    const BandMask stack = columns >> shift & kStack;
    const unsigned pattern = (stack & 7) | (stack >> 6 & 0x38) | (stack >> 12 & 0x1C0);
    const BandMask kept = kTables.stackOnMatching[pattern];
    none |= kept == 0;
    keep |= kept << shift;
  }
  return none ? 0 : keep;
}

}  // namespace

CandidateGrid::CandidateGrid() {
  for (auto& band : cells_)
    for (BandMask& digit : band) digit = bands::kAllCells;
  for (BandMask& band : open_) band = bands::kAllCells;
  for (BandMask& columns : stableColumns_) columns = bands::kAllCells;
}

int CandidateGrid::digit(int p) const {
  const int b = bands::BandOf(p);
  const BandMask bit = 1u << bands::IndexInBand(p);
  if (open_[b] & bit) return 0;
  for (int d = 0; d < 9; ++d)
    if (cells_[b][d] & bit) return d + 1;
  return 0;
}

DigitMask CandidateGrid::candidates(int p) const {
  const int b = bands::BandOf(p);
  const int i = bands::IndexInBand(p);
  DigitMask mask = 0;
  for (int d = 0; d < 9; ++d) mask |= static_cast<DigitMask>((cells_[b][d] >> i & 1u) << d);
  return mask;
}

GridDigits CandidateGrid::digits() const {
  GridDigits out{};
  for (int b = 0; b < 3; ++b)
    for (int d = 0; d < 9; ++d)
      for (BandMask placed = cells_[b][d] & ~open_[b]; placed != 0; placed &= placed - 1)
        out[b * 27 + std::countr_zero(placed)] = static_cast<unsigned char>(d + 1);
  return out;
}

int CandidateGrid::BranchCell() const {
  // The cells with the fewest candidates: two, found with three bit-sliced
  // counters, where there are any.
  BandMask fewest[3];
  bool pairs = false;
  for (int b = 0; b < 3; ++b) {
    BandMask once = 0, twice = 0, thrice = 0;
    for (const BandMask digit : cells_[b]) {
      thrice |= twice & digit;
      twice |= once & digit;
      once |= digit;
    }
    fewest[b] = open_[b] & twice & ~thrice;
    pairs |= fewest[b] != 0;
  }
  if (!pairs && !FewestCandidates(fewest)) return -1;
  // Among them the one with the most open peers: its digit tells most.
  int best = -1, most = -1;
  for (int b = 0; b < 3; ++b) {
    const BandMask above = open_[(b + 1) % 3], below = open_[(b + 2) % 3];
    for (BandMask cells = fewest[b]; cells != 0; cells &= cells - 1) {
      const int i = std::countr_zero(cells);
      const BandMask column = bands::InEveryRow(1u << (i % 9));
      // The other bands' column cells, apart by a shift of one.
      const int peers =
          bands::Count(open_[b] & kTables.rowBoxPeers[i]) + bands::Count((above & column) | (below & column) << 1);
      if (peers > most) {
        most = peers;
        best = b * 27 + i;
      }
    }
  }
  return best;
}

// Where no open cell has two candidates: the open cells with the fewest,
// counted with four bit-sliced counters.
bool CandidateGrid::FewestCandidates(BandMask (&fewest)[3]) const {
  int least = 10;
  for (int b = 0; b < 3; ++b) {
    fewest[b] = 0;
    BandMask sum[4] = {0, 0, 0, 0};  // bit k of every cell's count
    for (const BandMask digit : cells_[b]) {
      BandMask carry = digit & open_[b];
      for (BandMask& bit : sum) {
        const BandMask next = bit & carry;
        bit ^= carry;
        carry = next;
      }
    }
    for (int n = 3; n <= least && n < 10 && open_[b] != 0; ++n) {
      BandMask match = open_[b];
      for (int k = 0; k < 4; ++k) match &= (n >> k & 1) ? sum[k] : ~sum[k];
      if (match == 0) continue;
      if (n < least) {
        for (int other = 0; other < b; ++other) fewest[other] = 0;
        least = n;
      }
      fewest[b] = match;
      break;
    }
  }
  return least < 10;
}

unsigned CandidateGrid::Solve(int d, int b, BandMask cells, BandMask peers) {
  open_[b] &= ~cells;
  const BandMask own = cells_[b][d];
  unsigned others = 0;  // bit e: digit e + 1 lost a cell
#pragma GCC unroll 9
  for (int e = 0; e < 9; ++e) {
    others |= static_cast<unsigned>((cells_[b][e] & cells) != 0) << e;
    cells_[b][e] &= ~cells;
  }
  cells_[b][d] = own & ~peers;
  dirty_ |= kTables.everyThird[others & ~(1u << d)] << b;
  unsigned changed = static_cast<unsigned>((own & peers) != 0) << b;
  const BandMask columns = bands::InEveryRow(bands::Columns(cells));
  for (int other = 0; other < 3; ++other) {
    if (other == b) continue;
    changed |= static_cast<unsigned>((cells_[other][d] & columns) != 0) << other;
    cells_[other][d] &= ~columns;
  }
  return changed;
}

void CandidateGrid::Assign(int d, int b, int i) { dirty_ |= Solve(d, b, 1u << i, kTables.rowBoxPeers[i]) << (3 * d); }

bool CandidateGrid::Place(int p, int digit) {
  const int b = bands::BandOf(p);
  const int i = bands::IndexInBand(p);
  const BandMask bit = 1u << i;
  if (!(cells_[b][digit - 1] & bit)) return false;
  if (open_[b] & bit) Assign(digit - 1, b, i);
  return true;
}

bool CandidateGrid::Restrict(int p, DigitMask allowed) {
  const int b = bands::BandOf(p);
  const BandMask bit = 1u << bands::IndexInBand(p);
  bool left = false;
  for (int d = 0; d < 9; ++d) {
    if (!(cells_[b][d] & bit)) continue;
    if (allowed >> d & 1) {
      left = true;
    } else if (open_[b] & bit) {
      cells_[b][d] &= ~bit;
      dirty_ |= 1u << (3 * d + b);
    }
  }
  return left;
}

// Box-line interactions of one digit: rows against boxes in the bands that
// changed, then columns against boxes in every stack, until neither strikes
// out a cell. After both a row with a single cell means the digit has no
// other place in that row, its box or its column: those cells are placed.
bool CandidateGrid::UpdateDigit(int d, unsigned changedBands) {
  const auto board = [this, d](int b) -> BandMask& { return cells_[b][d]; };
  unsigned touched = changedBands;  // bands to look at for singles
  while (changedBands != 0) {
    for (int b = 0; b < 3; ++b) {
      if (!(changedBands >> b & 1)) continue;
      if ((board(b) &= RowsOnMatching(board(b))) == 0) return false;
    }
    const BandMask columns = bands::Columns(board(0)) | bands::Columns(board(1)) << 9 | bands::Columns(board(2)) << 18;
    changedBands = 0;
    if (columns != stableColumns_[d]) {
      // The column pass sees only which columns each band still has.
      const BandMask keep = ColumnsOnMatching(columns);
      if (keep == 0) return false;
      for (int b = 0; b < 3; ++b) {
        const BandMask kept = board(b) & bands::InEveryRow(keep >> (9 * b) & bands::kRow);
        changedBands |= static_cast<unsigned>(kept != board(b)) << b;
        board(b) = kept;
      }
      stableColumns_[d] = keep & columns;
    }
    touched |= changedBands;
    if (changedBands != 0) continue;
    for (int b = 0; b < 3; ++b) {
      if (!(touched >> b & 1)) continue;
      const BandMask band = board(b);
      const BandMask singles =
          (kTables.singleInRow[band & bands::kRow] | kTables.singleInRow[band >> 9 & bands::kRow] << 9 |
           kTables.singleInRow[band >> 18] << 18) &
          open_[b];
      if (singles != 0) changedBands |= Solve(d, b, singles, 0);
    }
    touched = changedBands;
  }
  return true;
}

// Open cells with one candidate get it; an open cell with none, or two
// such cells asking for the same digit in a unit, is a contradiction.
bool CandidateGrid::PlaceNakedSingles(bool& placed) {
  for (int b = 0; b < 3; ++b) {
    if (open_[b] == 0) continue;
    BandMask once = 0, twice = 0;
    for (const BandMask digit : cells_[b]) {
      twice |= once & digit;
      once |= digit;
    }
    if (open_[b] & ~once) return false;
    const BandMask singles = open_[b] & ~twice;
    if (singles == 0) continue;
    placed = true;
    for (int d = 0; d < 9; ++d) {
      const BandMask cells = cells_[b][d] & singles;
      if (cells == 0) continue;
      BandMask peers = 0;
      for (BandMask rest = cells; rest != 0; rest &= rest - 1) peers |= kTables.rowBoxPeers[std::countr_zero(rest)];
      if (peers & cells) return false;
      dirty_ |= Solve(d, b, cells, peers) << (3 * d);
    }
  }
  return true;
}

// Each digit's changes first, box-line and hidden singles in one go; then
// the cells left with one candidate, until nothing more follows.
bool CandidateGrid::Settle() {
  for (;;) {
    while (dirty_ != 0) {
      const int d = std::countr_zero(dirty_) / 3;
      const unsigned changedBands = dirty_ >> (3 * d) & 7;
      dirty_ &= ~(7u << (3 * d));
      if (!UpdateDigit(d, changedBands)) return false;
    }
    bool placed = false;
    if (!PlaceNakedSingles(placed)) return false;
    if (!placed) return true;
  }
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
