// Strings cross between the core (8-bit std::string) and the widgets (QString) only here.
#pragma once

#include <QString>

#include <string>

// UTF-8 where the bytes are valid UTF-8, else Windows-1252, so files written on Windows read correctly.
QString FromCore(const std::string& text);
std::string ToCore(const QString& text);

class QLineEdit;

// A text field keeps the exact bytes the core gave it, so that a text it shows unchanged reads back
// byte for byte even where the bytes were not UTF-8.
void SetCoreText(QLineEdit* edit, const std::string& text);
std::string CoreTextOf(const QLineEdit* edit);
