// Fuzz target: any bytes as the breeder's animals in CSV. Reading refuses or gives animals that keep the
// family rules, and what is read writes and reads back as the same animals.
#include "model/AnimalFamily.h"
#include "storage/AnimalCsv.h"

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TAnimalList animals;
    std::string message;
    if (!ReadAnimalCsv(std::string_view(reinterpret_cast<const char*>(data), size), animals, message)) {
        FUZZ_CHECK(message.starts_with("Row ") || message.starts_with("The header"));
        return 0;
    }
    FUZZ_CHECK(animals.size() <= MaxCsvAnimals && !FindFamilyProblem(animals));
    TAnimalList again;
    FUZZ_CHECK(ReadAnimalCsv(AnimalCsvText(animals), again, message) && again == animals);
    return 0;
}
