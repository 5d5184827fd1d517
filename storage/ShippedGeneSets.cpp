#include "storage/ShippedGeneSets.h"

#include "model/Text.h"
#include "storage/DefaultGeneSet.h"
#include "storage/ShippedGeneSetData.h"

std::vector<std::string> ShippedGeneSetNames() {
    std::vector<std::string> names{DefaultGeneSetName};
    for (const TShippedGeneSetFile& file : ShippedGeneSetFiles)
        names.emplace_back(file.Name);
    return names;
}

std::optional<std::string> ShippedGeneSetText(std::string_view name) {
    if (SameTextIgnoringCase(name, DefaultGeneSetName))
        return DefaultGeneSetText();
    for (const TShippedGeneSetFile& file : ShippedGeneSetFiles)
        if (SameTextIgnoringCase(name, file.Name))
            return std::string(reinterpret_cast<const char*>(file.Bytes), file.Size);
    return std::nullopt;
}
