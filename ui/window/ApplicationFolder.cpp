#include "ui/window/ApplicationFolder.h"

#include "storage/DefaultGeneSet.h"
#include "storage/FileIO.h"
#include "storage/GeneSetFolder.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/ShowMessage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool IsFirstStart(const std::string& folder) {
    std::error_code error;
    return ListGeneSets(folder).empty() && !std::filesystem::exists(MainSettingsPath(folder), error);
}

void PrepareUserFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        ShowMessage(FromCore("Cannot create folder \"" + folder + "\". " + SystemReason(error.value())));
        return;
    }
    std::string message;
    if (IsFirstStart(folder) &&
        !CreateFileAtomically(GeneSetPath(folder, DefaultGeneSetName), DefaultGeneSetText(), message))
        ShowMessage(FromCore(message));
}

} // namespace

std::string ApplicationFolder() {
    return ApplicationFolderFor(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::string ApplicationFolderFor(const QString& executableFolder, const QString& userFolder) {
    if (QFileInfo(executableFolder).isWritable() || userFolder.isEmpty())
        return LocalPath(executableFolder);
    const std::string folder = LocalPath(userFolder);
    PrepareUserFolder(folder);
    return folder;
}
