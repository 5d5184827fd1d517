// Saved pairings: the male and female selection strings in a small ".zyg" text file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TPairing {
    std::string Male;
    std::string Female;
};

// Writes the two lines, each followed by CR LF, replacing any file at `path`.
// On failure `message` reads "Cannot create file "<path>". <reason>".
bool SavePairing(const std::string& path, const TPairing& pairing, std::string& message);

// Reads the lines of the file (CR, LF or CR LF end a line; a final line end adds no empty line).
// On failure `message` reads "Cannot open file "<path>". <reason>".
bool ReadPairingLines(const std::string& path, std::vector<std::string>& lines, std::string& message);

// A pairing only when the file held exactly two lines: male, then female.
std::optional<TPairing> PairingFromLines(const std::vector<std::string>& lines);
