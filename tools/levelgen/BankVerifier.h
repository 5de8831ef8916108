#pragma once
// The generator's own check of a finished bank before it is written: a bank
// that breaks a rule is never saved.

#include <string>
#include <vector>

#include "BankWriter.h"
#include "grading/PuzzleGrader.h"

namespace levelgen {

// An empty string when `lines` (levels 1..1999) keeps every rule of the bank,
// else the first rule broken. `grades` receives the grades of levels 51..1999.
std::string VerifyBank(const std::vector<BankLine>& lines, std::vector<varelo::grading::Grade>& grades);

}  // namespace levelgen
