#include "storage/PairingFile.h"

#include "storage/FileIO.h"

namespace {

// A pairing of ten thousand loci is 20 kB; anything near this size is not a pairing.
constexpr size_t MaxPairingFileSize = size_t(16) << 20;

} // namespace

bool SavePairing(const std::string& path, const TPairing& pairing, std::string& message) {
    return CreateFileAtomically(path, pairing.Male + "\r\n" + pairing.Female + "\r\n", message);
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

std::optional<TPairing> PairingFromLines(const std::vector<std::string>& lines) {
    if (lines.size() != 2)
        return std::nullopt;
    return TPairing{lines[0], lines[1]};
}
