#pragma once
// Writes the bank as C++ source: one constexpr array of the 1999 strings.

#include <string>
#include <vector>

namespace levelgen {

struct BankLine {
  std::string text;
  std::string note;  // shown as a comment after the string
};

// `lines` holds levels 1..1999 in order; `origin` names the command that made them.
bool WriteBankSource(const std::string& path, const std::vector<BankLine>& lines, const std::string& origin);

}  // namespace levelgen
