#pragma once
// Keys as the game's rules see them: virtual-key codes and modifier bits.
// The window translates Qt's key events into these.

namespace varelo {

// Virtual-key codes of the keys the game knows.
namespace keys {
constexpr int kBackspace = 8;
constexpr int kEscape = 27;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDigit0 = 48;   // .. 57
constexpr int kKeypad0 = 96;  // .. 105
}  // namespace keys

// Modifier bits of a key event, as the keyboard map tests them.
enum KeyModifier { kShift = 1, kCtrl = 2, kAlt = 4 };

}  // namespace varelo
