#pragma once
// The random colour of a dialog's credit label: each component a random
// number in [0, 256) rounded to a whole number, where a rounded 256 counts
// as 255.

#include "core/Colour.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <cmath>

namespace varelo {

inline Rgb CreditColour(RandomSource& random) {
  auto component = [&random] {
    const long value = std::lround(random.Next() * 256);
    return static_cast<std::uint8_t>(std::min(value, 255L));
  };
  const std::uint8_t r = component();
  const std::uint8_t g = component();
  const std::uint8_t b = component();
  return Rgb{r, g, b};
}

}  // namespace varelo
