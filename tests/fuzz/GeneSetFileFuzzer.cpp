// Fuzz target: any bytes as a gene-set file. The set read must save and read back as the same set, its
// possible hets included, and a key written into any file must read back.
#include "storage/GeneSetFile.h"
#include "storage/IniFile.h"

#include "FuzzCheck.h"
#include "GeneSetImage.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    TGeneSet first;
    LoadGeneSetText(content, first, "Fuzz.INI");
    const std::string saved = GeneSetFileContent(first);
    TGeneSet second;
    // What we wrote ourselves is never damaged.
    FUZZ_CHECK(LoadGeneSetText(saved, second, "Fuzz.INI").empty());
    FUZZ_CHECK(GeneSetImage(first) == GeneSetImage(second));
    // A parent without possible hets leaves its key out of the file.
    const TIniFile savedIni(saved);
    FUZZ_CHECK(first.MalePossible.empty() == savedIni.ReadString("Config", "MalePossible", "").empty());
    FUZZ_CHECK(first.FemalePossible.empty() == savedIni.ReadString("Config", "FemalePossible", "").empty());

    // Exit records the set's name in the main settings file, whatever that file holds.
    TIniFile ini(content);
    ini.WriteString("Statistics", "IniFile", "Boas");
    FUZZ_CHECK(TIniFile(ini.Content()).ReadString("STATISTICS", "inifile", "") == "Boas");
    return 0;
}
