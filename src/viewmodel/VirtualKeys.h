#pragma once
// Qt key events in the terms the keyboard map is written in: Windows
// virtual-key codes (Backspace 8, Esc 27, arrows 37..40, digits 48..57,
// keypad digits 96..105) and the modifier bits Shift 1, Ctrl 2, Alt 4.

#include <QString>
#include <Qt>

namespace varelo {

// 0 for a key the map has no code for. Shift+digit arrives as the symbol on
// the key ("!" for 1 on a US layout) and is mapped back to its digit key.
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

int ModifierBitsOf(Qt::KeyboardModifiers modifiers);

}  // namespace varelo
