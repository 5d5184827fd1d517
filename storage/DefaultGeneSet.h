// The built-in Serpentia gene set, written out by Restore defaults.
#pragma once

#include <string>

inline constexpr const char* DefaultGeneSetName = "Serpentia";

// The 108 lines of the built-in gene set, each followed by CR LF: the exact bytes of a restored file.
std::string DefaultGeneSetText();

// Writes the built-in gene set to the main settings file and then to "Serpentia.INI" in `appDir`, each
// replaced whole. Stops at the first file that cannot be written, with "Cannot create file "<path>".
// <reason>".
bool WriteDefaultGeneSetFiles(const std::string& appDir, std::string& message);
