// Fuzz target: any bytes as a saved pairing file. Reading never fails on content, and a pairing read
// saves and reads back as the same pairing, its possible hets included.
#include "storage/PairingFile.h"

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "zygora-fuzz-XXXXXX").string();
        return std::string(mkdtemp(pattern.data()));
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = Folder() + "/in.zyg";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::vector<std::string> lines;
    std::string message;
    FUZZ_CHECK(ReadPairingLines(path, lines, message));
    std::string damage;
    const std::optional<TPairing> pairing = PairingFromLines(lines, damage);
    if (!pairing)
        return 0;
    const std::string copy = Folder() + "/out.zyg";
    FUZZ_CHECK(SavePairing(copy, *pairing, message));
    FUZZ_CHECK(ReadPairingLines(copy, lines, message));
    // What we wrote ourselves is never damaged, and only possible hets make it four lines.
    const std::optional<TPairing> again = PairingFromLines(lines, damage);
    FUZZ_CHECK(again && damage.empty() && again->Male == pairing->Male && again->Female == pairing->Female &&
               again->MalePossible == pairing->MalePossible &&
               again->FemalePossible == pairing->FemalePossible);
    FUZZ_CHECK((lines.size() == 4) == (!pairing->MalePossible.empty() || !pairing->FemalePossible.empty()));
    return 0;
}
