#pragma once
// Opens a dialog with its frame centred on its owner's frame. Qt centres a
// dialog by the owner's client area and guesses at frames, which under a
// window manager puts it a title bar's height off; the frame of a dialog
// is not known before it shows, so the owner's frame stands in for it.

class QWidget;

namespace varelo {

// Installs itself on `dialog`; `dialog` must have a parent.
void CentreOnOwnerWhenShown(QWidget& dialog);

}  // namespace varelo
