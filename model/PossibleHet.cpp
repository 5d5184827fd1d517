#include "model/PossibleHet.h"

#include "model/Text.h"

#include <algorithm>
#include <numeric>

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// One entry "+a:66", or false.
bool ReadEntry(std::string_view entry, TPossibleHet& het) {
    if (entry.size() < 4 || entry[0] != '+' || entry[1] == '+' || entry[2] != ':')
        return false;
    const std::optional<int> percent = ReadBoundedNumber(entry.substr(3), 1, 99);
    if (!percent)
        return false;
    het = TPossibleHet{std::string(entry.substr(0, 2)), *percent};
    return true;
}

} // namespace

TChance ChanceOf(int percent) {
    if (percent == 66)
        return {2, 3};
    if (percent == 33)
        return {1, 3};
    const int divisor = std::gcd(percent, 100);
    return {percent / divisor, 100 / divisor};
}

std::string PossibleHetsText(const std::vector<TPossibleHet>& hets) {
    std::string text;
    for (const TPossibleHet& het : hets)
        text += (text.empty() ? "" : ",") + het.Code + ":" + std::to_string(het.Percent);
    return text;
}

TPossibleHetsRead ReadPossibleHets(std::string_view text) {
    TPossibleHetsRead read;
    if (TrimBlanks(text).empty())
        return read;
    for (size_t begin = 0; begin <= text.size();) {
        const size_t end = std::min(text.find(',', begin), text.size());
        TPossibleHet het;
        if (ReadEntry(TrimBlanks(text.substr(begin, end - begin)), het) &&
            std::none_of(read.Hets.begin(), read.Hets.end(),
                         [&](const TPossibleHet& known) { return known.Code == het.Code; }))
            read.Hets.push_back(std::move(het));
        else
            ++read.Dropped;
        begin = end + 1;
    }
    return read;
}

bool SelectionHasGene(std::string_view selection, std::string_view code) {
    for (size_t i = 0; i + 1 < selection.size(); i += 2)
        if (selection.substr(i, 2) == code)
            return true;
    return false;
}

TPossibleHetsRead ReadPossibleHets(std::string_view text, std::string_view selection) {
    TPossibleHetsRead read = ReadPossibleHets(text);
    const auto notHeld = std::remove_if(read.Hets.begin(), read.Hets.end(), [&](const TPossibleHet& het) {
        return !SelectionHasGene(selection, het.Code);
    });
    read.Dropped += static_cast<int>(read.Hets.end() - notHeld);
    read.Hets.erase(notHeld, read.Hets.end());
    return read;
}

std::vector<TPossibleHet> PossibleHetsKept(const std::vector<TPossibleHet>& hets,
                                           std::string_view selection) {
    return ReadPossibleHets(PossibleHetsText(hets), selection).Hets;
}

std::string LeftOutPossibleHetsText(int dropped, std::string_view parent) {
    const std::string who(parent);
    return std::to_string(dropped) + (dropped == 1 ? " possible het of the " : " possible hets of the ") +
           who + " left out (each must be a gene of the " + who +
           "'s selection string, with a chance from 1 to 99)";
}
