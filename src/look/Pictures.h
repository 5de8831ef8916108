#pragma once
// The program's own pictures (SVG in the resources), rendered at the size
// they are shown at and at the screen's pixel ratio, so they stay sharp.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace varelo::pictures {

inline const QString kBackground = QStringLiteral("background");
inline const QString kIcon = QStringLiteral("icon");
inline const QString kPen = QStringLiteral("pen");
inline const QString kPencil = QStringLiteral("pencil");
inline const QString kEraser = QStringLiteral("eraser");
inline const QString kArrowLeft = QStringLiteral("arrow-left");
inline const QString kArrowRight = QStringLiteral("arrow-right");
inline const QString kPointer = QStringLiteral("pointer");
inline const QString kRules = QStringLiteral("rules");

// `size` in logical pixels; an empty pixmap for an unknown name.
QPixmap Render(const QString& name, QSize size, qreal devicePixelRatio = 1.0);

// The program icon in the sizes a window manager asks for.
QIcon ProgramIcon();

}  // namespace varelo::pictures
