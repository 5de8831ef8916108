#pragma once
// Colours of the board as plain RGB triples. The core does not depend on Qt
// Gui; views convert with QColor(r, g, b).

#include <cstdint>

namespace varelo {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  constexpr bool operator==(const Rgb&) const = default;

  // The settings store keeps colours as R + 256 * G + 65536 * B.
  constexpr std::uint32_t ToValue() const {
    return std::uint32_t(r) + 256u * g + 65536u * b;
  }
  static constexpr Rgb FromValue(std::uint32_t value) {
    return Rgb{std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF),
               std::uint8_t((value >> 16) & 0xFF)};
  }
};

namespace colours {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kPencilGrey{168, 168, 168};
inline constexpr Rgb kCheckerOdd{255, 255, 210};
inline constexpr Rgb kCheckerEven{210, 255, 255};
inline constexpr Rgb kSharedCorner{128, 255, 128};

// The neutral checkerboard: odd cell numbers pale yellow, even pale cyan.
constexpr Rgb Checkerboard(int cell) { return cell % 2 == 1 ? kCheckerOdd : kCheckerEven; }
}  // namespace colours

}  // namespace varelo
