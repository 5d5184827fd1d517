#include "storage/PictureFolder.h"

#include "model/Gene.h"
#include "storage/FileIO.h"
#include "storage/GeneSetFolder.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string FileNamePart(std::string name) {
    std::ranges::replace_if(name, IsUnsafeInFileName, '_');
    return name;
}

} // namespace

std::string PictureFolderPath(const std::string& appDir) {
    return ResolveInFolder(appDir, "Img");
}

bool MakePictureFolder(const std::string& appDir, std::string& message) {
    const std::string folder = PictureFolderPath(appDir);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error)
        return true;
    message = "Cannot create folder \"" + folder + "\". " + SystemReason(error.value());
    return false;
}

std::string PictureFilePath(const std::string& appDir, const std::string& geneSetName,
                            const std::string& name) {
    return ResolveInFolder(PictureFolderPath(appDir),
                           FileNamePart(geneSetName) + "-" + FileNamePart(name) + ".jpg");
}

bool BearsPicture(const TGene& gene) {
    return NameBearsPicture(gene.Name);
}

bool NameBearsPicture(const std::string& name) {
    return name.compare(0, 3, "het") != 0 && name != "Normal";
}
