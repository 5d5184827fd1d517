// Fuzz target: any bytes as a saved pairing file. Reading never fails on content, and a pairing read
// saves and reads back as the same pairing.
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
    const std::optional<TPairing> pairing = PairingFromLines(lines);
    if (!pairing)
        return 0;
    const std::string copy = Folder() + "/out.zyg";
    FUZZ_CHECK(SavePairing(copy, *pairing, message));
    FUZZ_CHECK(ReadPairingLines(copy, lines, message));
    const std::optional<TPairing> again = PairingFromLines(lines);
    FUZZ_CHECK(again && again->Male == pairing->Male && again->Female == pairing->Female);
    return 0;
}
