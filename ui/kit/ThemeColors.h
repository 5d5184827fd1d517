// The colours Zygora draws itself, taken from the palette so that they read as well on a dark theme as on
// a light one; on a light palette they are the colours the window always had.
#pragma once

#include <QColor>

class QPalette;

// A dark theme: the window's ground is darker than middle grey.
bool IsDarkPalette(const QPalette& palette);
// `from` turned `amount` (0 to 1) of the way to `to`.
QColor Blended(const QColor& from, const QColor& to, double amount);

// Health notes: dark red on a light ground, a light red on a dark one.
QColor WarningTextColor(const QPalette& palette);
// The share bar and the trough it grows in, a grey a tenth of the way from the base to the text.
QColor ShareBarColor(const QPalette& palette);
QColor ShareTroughColor(const QPalette& palette);
// Text that is there but counts for nothing, such as the grid's cells that do not hatch: half way from
// the base to the text.
QColor FadedTextColor(const QPalette& palette);
// The navy of captions and pictures on a light ground, a light blue on a dark one.
QColor CaptionColor(const QPalette& palette);
