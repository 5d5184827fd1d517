// Strings cross between the core (8-bit std::string) and the widgets (QString) only here.
#pragma once

#include "model/Text.h"

#include <QString>

#include <optional>

#include <string>

// Read as Utf8Of reads it: UTF-8 where the whole text is UTF-8, else Windows-1252.
QString FromCore(const std::string& text);
std::string ToCore(const QString& text);
// Texts of the window compared as the core compares names: only A to Z fold.
bool SameTextIgnoringCase(const QString& a, const QString& b);
// The system's decimal separator as UTF-8, whatever its length; a point where the system names none.
std::string DecimalSeparator();

class QLineEdit;

// A text field keeps the exact bytes the core gave it, so that a text it shows unchanged reads back
// byte for byte even where the bytes were not UTF-8.
void SetCoreText(QLineEdit* edit, const std::string& text);
std::string CoreTextOf(const QLineEdit* edit);
// The same for a text stored into a gene set, in the set's encoding; nothing when the encoding has no byte
// for one of its characters.
std::optional<std::string> CoreTextOf(const QLineEdit* edit, TTextEncoding encoding);
// The first character of `text` the encoding cannot hold, or an empty string when it holds them all.
QString FirstCharacterNotHeld(const QString& text, TTextEncoding encoding);
