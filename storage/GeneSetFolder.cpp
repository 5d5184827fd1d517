#include "storage/GeneSetFolder.h"

#include "model/Text.h"

#include <algorithm>
#include <dirent.h>

namespace {

// Entry names of a directory in the order the system returns them.
std::vector<std::string> DirectoryEntries(const std::string& dir) {
    std::vector<std::string> names;
    DIR* handle = opendir(dir.empty() ? "." : dir.c_str());
    if (handle == nullptr)
        return names;
    while (const dirent* entry = readdir(handle))
        names.emplace_back(entry->d_name);
    closedir(handle);
    return names;
}

std::string Join(const std::string& dir, const std::string& name) {
    if (dir.empty())
        return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

} // namespace

std::vector<std::string> ListGeneSets(const std::string& appDir) {
    std::vector<std::string> found;
    for (const std::string& entry : DirectoryEntries(appDir))
        if (entry.size() > 4 && SameTextIgnoringCase(entry.substr(entry.size() - 4), ".ini"))
            found.push_back(entry.substr(0, entry.size() - 4));
    std::ranges::sort(found);
    std::vector<std::string> names;
    for (std::string& name : found) {
        // Files that differ only in letter case are one set to the program, as they are to its users.
        const auto same = [&name](const std::string& listed) { return SameTextIgnoringCase(listed, name); };
        if (!IsMainSettingsName(name) && std::ranges::none_of(names, same))
            names.push_back(std::move(name));
    }
    return names;
}

std::string ResolveInFolder(const std::string& appDir, const std::string& fileName) {
    std::string match;
    for (const std::string& entry : DirectoryEntries(appDir)) {
        if (entry == fileName)
            return Join(appDir, entry);
        if (match.empty() && SameTextIgnoringCase(entry, fileName))
            match = entry;
    }
    return Join(appDir, match.empty() ? fileName : match);
}

std::string GeneSetPath(const std::string& appDir, const std::string& name) {
    return ResolveInFolder(appDir, name + ".INI");
}

std::string MainSettingsPath(const std::string& appDir) {
    return ResolveInFolder(appDir, MainSettingsFileName);
}

bool IsMainSettingsName(const std::string& name) {
    return SameTextIgnoringCase(name + ".INI", MainSettingsFileName);
}

bool IsUnsafeInFileName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F;
}

bool IsValidGeneSetName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && std::ranges::none_of(name, IsUnsafeInFileName);
}
