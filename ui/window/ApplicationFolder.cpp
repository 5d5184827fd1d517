#include "ui/window/ApplicationFolder.h"

#include "storage/DefaultGeneSet.h"
#include "storage/FileIO.h"
#include "storage/GeneSetFolder.h"
#include "storage/PictureFolder.h"
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

// A first start finds Serpentia and the picture folder, wherever the program was installed, copied or
// unpacked to.
void PrepareFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        ShowMessage(FromCore("Cannot create folder \"" + folder + "\". " + SystemReason(error.value())));
        return;
    }
    if (!IsFirstStart(folder))
        return;
    std::string message;
    if (!CreateFileAtomically(GeneSetPath(folder, DefaultGeneSetName), DefaultGeneSetText(), message) ||
        !MakePictureFolder(folder, message))
        ShowMessage(FromCore(message));
}

} // namespace

std::string ApplicationFolder() {
    return ApplicationFolderFor(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::string ApplicationFolderFor(const QString& executableFolder, const QString& userFolder) {
    const bool installed = !QFileInfo(executableFolder).isWritable() && !userFolder.isEmpty();
    const std::string folder = LocalPath(installed ? userFolder : executableFolder);
    PrepareFolder(folder);
    return folder;
}
