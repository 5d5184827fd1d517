#include "storage/PairingFile.h"

#include "storage/FileIO.h"

namespace {

// A pairing of ten thousand loci is 20 kB; anything near this size is not a pairing.
constexpr size_t MaxPairingFileSize = size_t(16) << 20;

} // namespace

bool SavePairing(const std::string& path, const TPairing& pairing, std::string& message) {
    std::string content = pairing.Male + "\r\n" + pairing.Female + "\r\n";
    const std::string male = PossibleHetsText(PossibleHetsKept(pairing.MalePossible, pairing.Male));
    const std::string female = PossibleHetsText(PossibleHetsKept(pairing.FemalePossible, pairing.Female));
    if (!male.empty() || !female.empty())
        content += male + "\r\n" + female + "\r\n";
    return CreateFileAtomically(path, content, message);
}

bool ReadPairingLines(const std::string& path, std::vector<std::string>& lines, std::string& message) {
    std::string content;
    std::string reason;
    if (ReadWholeFile(path, content, reason, MaxPairingFileSize) != TReadResult::Ok) {
        message = CannotOpenFileMessage(path, reason);
        return false;
    }
    lines = SplitLines(content);
    return true;
}

std::optional<TPairing> PairingFromLines(const std::vector<std::string>& lines, std::string& damage) {
    damage.clear();
    if (lines.size() != 2 && lines.size() != 4)
        return std::nullopt;
    TPairing pairing{lines[0], lines[1]};
    if (lines.size() == 2)
        return pairing;
    TPossibleHetsRead male = ReadPossibleHets(lines[2], pairing.Male);
    TPossibleHetsRead female = ReadPossibleHets(lines[3], pairing.Female);
    pairing.MalePossible = std::move(male.Hets);
    pairing.FemalePossible = std::move(female.Hets);
    if (male.Dropped > 0)
        damage = LeftOutPossibleHetsText(male.Dropped, "male");
    if (female.Dropped > 0)
        damage += (damage.empty() ? "" : "; ") + LeftOutPossibleHetsText(female.Dropped, "female");
    if (!damage.empty())
        damage = "The pairing file is damaged and was read only in part: " + damage + ".";
    return pairing;
}
