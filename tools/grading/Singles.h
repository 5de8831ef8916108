#pragma once
// Singles, the two placing techniques: a hidden single is the only place left
// for a digit in a unit, a naked single the only digit left for a cell.

#include "grading/CandidateGrid.h"

namespace varelo::grading {

struct Placement {
  int position = -1;
  int digit = 0;
  bool found() const { return position >= 0; }
};

struct SinglesScan {
  Placement hidden;   // the first one, boxes before rows before columns
  Placement naked;    // the first one in position order
  int available = 0;  // distinct cells that are a single of either kind
};

SinglesScan ScanSingles(const CandidateGrid& grid);

// Places singles until none is left. False when the marks break down on the
// way, which proves that an assumption made before was wrong.
bool PropagateSingles(CandidateGrid& grid);

}  // namespace varelo::grading
