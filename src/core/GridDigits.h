#pragma once
// One grid's digits by search position (0..80), 0 for an empty cell. This is
// the form of the solver's work digits and of a parsed puzzle string.

#include <array>

namespace varelo {

using GridDigits = std::array<unsigned char, 81>;

}  // namespace varelo
