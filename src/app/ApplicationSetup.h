#pragma once

class QApplication;

namespace varelo {

// The game's application as the player meets it: the Windows font names
// mapped to installed fonts, "宋体" 9 pt as the default font, and Qt's own
// texts (dialog buttons) in Chinese like the rest of the game.
// No application display name: Qt would add it to every window title that
// does not already end with it ("选项 — Varelo").
void SetUpApplication(QApplication& app);

}  // namespace varelo
