#include "viewmodel/VirtualKeys.h"

#include "model/KeyCodes.h"

namespace varelo {

namespace {

// The symbols of the digit row with Shift held (US layout), in digit order 0..9.
constexpr int kShiftedDigits[10] = {Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
                                    Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
                                    Qt::Key_Asterisk,   Qt::Key_ParenLeft};

}  // namespace

int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    const int digit = qtKey - Qt::Key_0;
    return (modifiers & Qt::KeypadModifier) ? 96 + digit : 48 + digit;
  }
  for (int digit = 0; digit < 10; ++digit)
    if (qtKey == kShiftedDigits[digit]) return 48 + digit;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
  }
}

int ModifierBitsOf(Qt::KeyboardModifiers modifiers) {
  int bits = 0;
  if (modifiers & Qt::ShiftModifier) bits |= kShift;
  if (modifiers & Qt::ControlModifier) bits |= kCtrl;
  if (modifiers & Qt::AltModifier) bits |= kAlt;
  return bits;
}

}  // namespace varelo
