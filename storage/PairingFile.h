// Saved pairings: the male and female selection strings, and the parents' possible hets when there are
// any, in a small ".zyg" text file.
#pragma once

#include "model/PossibleHet.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TPairing {
    std::string Male;
    std::string Female;
    // Left out of a brace list, a pairing has no possible hets.
    std::vector<TPossibleHet> MalePossible = {};
    std::vector<TPossibleHet> FemalePossible = {};
};

// Writes the two selection strings, and the two lists of possible hets when either parent has one, each
// line followed by CR LF, replacing any file at `path`.
// On failure `message` reads "Cannot create file "<path>". <reason>".
bool SavePairing(const std::string& path, const TPairing& pairing, std::string& message);

// Reads the lines of the file (CR, LF or CR LF end a line; a final line end adds no empty line).
// On failure `message` reads "Cannot open file "<path>". <reason>".
bool ReadPairingLines(const std::string& path, std::vector<std::string>& lines, std::string& message);

// A pairing only when the file held two lines (male, female) or four (then the male's and the female's
// possible hets, either list may be empty). Entries that are no possible het of that parent are left out
// and `damage` says so; it is empty when nothing was left out.
std::optional<TPairing> PairingFromLines(const std::vector<std::string>& lines, std::string& damage);
