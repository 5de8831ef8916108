#pragma once
// The program's palette: every colour it names, as plain RGB triples. The
// core does not depend on Qt Gui; views convert with QColor(r, g, b).

#include <cstdint>

namespace varelo {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  constexpr bool operator==(const Rgb&) const = default;

  // The settings store keeps colours as R + 256 * G + 65536 * B.
  constexpr std::uint32_t ToValue() const { return std::uint32_t(r) + 256u * g + 65536u * b; }
  static constexpr Rgb FromValue(std::uint32_t value) {
    return Rgb{std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF), std::uint8_t((value >> 16) & 0xFF)};
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

// The top bar: names of the fields yellow, their values green; the time bar
// green on its black strip, flashing red in the last seconds.
inline constexpr Rgb kFieldName{255, 255, 0};
inline constexpr Rgb kFieldValue{0, 255, 0};
inline constexpr Rgb kTimeBar{0, 225, 0};
inline constexpr Rgb kTimeWarning = kRed;
inline constexpr Rgb kClockFrame{192, 192, 255};

// The start screen: entries teal, the one under the pointer cyan; the
// "Loading..." and "Pause" notice borrows an entry and shows green.
inline constexpr Rgb kEntry{0, 128, 128};
inline constexpr Rgb kEntryLit{0, 255, 255};
inline constexpr Rgb kNotice = kFieldValue;

// The hint line starts yellow and steps through these on each click.
inline constexpr Rgb kHintLineCycle[] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                         {0, 255, 255}, {0, 0, 255},   {255, 0, 255}};

// Behind a shadowed caption; the About dialog's backdrop, top to bottom.
inline constexpr Rgb kCaptionShadow{0, 0, 0};
inline constexpr int kCaptionShadowAlpha = 170;
inline constexpr Rgb kAboutTop{246, 249, 252};
inline constexpr Rgb kAboutBottom{222, 232, 242};
}  // namespace colours

}  // namespace varelo
