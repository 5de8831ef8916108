#pragma once
// The eliminating techniques of the grader, from locked candidates to a
// one-step trial. Each looks for its pattern in a fixed scan order, applies
// the first instance that strikes at least one candidate, and reports whether
// it did: the grader then goes back to the singles, as a player would.

#include "grading/CandidateGrid.h"

namespace varelo::grading {

// Pointing and claiming: a digit confined to one line within a box, or to one
// box within a line.
bool LockedCandidates(CandidateGrid& grid);

// Naked pair, triple, quad (size 2..4): `size` cells of a unit holding only
// `size` digits between them.
bool NakedSubset(CandidateGrid& grid, int size);

// Hidden pair, triple, quad: `size` digits of a unit confined to `size` cells.
bool HiddenSubset(CandidateGrid& grid, int size);

// X-wing (size 2) and swordfish (size 3), with rows or columns as the base.
bool Fish(CandidateGrid& grid, int size);

// A bivalue pivot {x,y} seeing pincers {x,z} and {y,z}: z goes from every
// cell that sees both pincers.
bool XyWing(CandidateGrid& grid);

// The same with a pivot {x,y,z}: z goes from every cell that sees all three.
bool XyzWing(CandidateGrid& grid);

// Assume one digit of a two-candidate cell and place singles: when the marks
// break, the digit is wrong.
bool BivalueTrial(CandidateGrid& grid);

}  // namespace varelo::grading
