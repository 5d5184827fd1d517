#include "storage/BackupFolder.h"

#include "storage/GeneSetFolder.h"

#include <filesystem>

namespace {

std::string FileNameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// The copy goes to a temporary file first, so that a copy broken off halfway never replaces a whole
// older backup.
void CopyReplacing(const std::string& from, const std::string& to) {
    const std::string temporary = to + ".~";
    std::error_code error;
    std::filesystem::copy_file(from, temporary, std::filesystem::copy_options::overwrite_existing, error);
    if (!error)
        std::filesystem::rename(temporary, to, error);
    if (error)
        std::filesystem::remove(temporary, error);
}

} // namespace

void TBackupFolder::KeepBeforeReplacing(const std::string& path) {
    if (!FHandled.insert(path).second)
        return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return;
    const std::string folder = ResolveInFolder(FAppDir, BackupFolderName);
    std::filesystem::create_directory(folder, error);
    if (!error)
        CopyReplacing(path, ResolveInFolder(folder, FileNameOf(path)));
}
