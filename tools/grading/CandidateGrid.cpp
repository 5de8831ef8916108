#include "grading/CandidateGrid.h"

#include <bit>

namespace varelo::grading {

namespace {

constexpr int BoxIndex(int p) { return p / 27 * 3 + p % 9 / 3; }

constexpr Geometry BuildGeometry() {
  Geometry g{};
  std::array<int, kUnitCount> filled{};
  for (int p = 0; p < 81; ++p) {
    const int units[3] = {p / 9, 9 + p % 9, 18 + BoxIndex(p)};
    for (int i = 0; i < 3; ++i) {
      g.unitsOf[p][i] = static_cast<unsigned char>(units[i]);
      g.unitCells[units[i]][filled[units[i]]++] = static_cast<unsigned char>(p);
    }
  }
  for (int p = 0; p < 81; ++p) {
    int count = 0;
    for (int q = 0; q < 81; ++q) {
      const bool peer = q != p && (p / 9 == q / 9 || p % 9 == q % 9 || BoxIndex(p) == BoxIndex(q));
      g.sees[p][q] = peer;
      if (peer) g.peers[p][count++] = static_cast<unsigned char>(q);
    }
  }
  return g;
}

constexpr Geometry kGeometry = BuildGeometry();

}  // namespace

const Geometry& Cells() { return kGeometry; }

bool CandidateGrid::Load(const GridDigits& givens) {
  candidates_.fill(kAllDigits);
  digits_.fill(0);
  placed_.fill(0);
  empty_ = 81;
  for (int p = 0; p < 81; ++p) {
    const int d = givens[p];
    if (d == 0) continue;
    if (d > 9 || !(candidates_[p] & Bit(d))) return false;
    Place(p, d);
  }
  return true;
}

void CandidateGrid::Place(int p, int digit) {
  const Mask bit = Bit(digit);
  digits_[p] = static_cast<unsigned char>(digit);
  candidates_[p] = 0;
  --empty_;
  for (unsigned char unit : kGeometry.unitsOf[p]) placed_[unit] |= bit;
  for (unsigned char q : kGeometry.peers[p]) candidates_[q] &= static_cast<Mask>(~bit);
}

bool CandidateGrid::Eliminate(int p, Mask digits) {
  if (!(candidates_[p] & digits)) return false;
  candidates_[p] &= static_cast<Mask>(~digits);
  return true;
}

Mask CandidateGrid::PlacesIn(int unit, int digit) const {
  const Mask bit = Bit(digit);
  Mask places = 0;
  for (int i = 0; i < 9; ++i)
    if (candidates_[kGeometry.unitCells[unit][i]] & bit) places |= static_cast<Mask>(1u << i);
  return places;
}

bool CandidateGrid::Broken() const {
  for (int p = 0; p < 81; ++p)
    if (digits_[p] == 0 && candidates_[p] == 0) return true;
  for (int unit = 0; unit < kUnitCount; ++unit) {
    Mask reachable = placed_[unit];
    for (unsigned char p : kGeometry.unitCells[unit]) reachable |= candidates_[p];
    if (reachable != kAllDigits) return true;
  }
  return false;
}

}  // namespace varelo::grading
