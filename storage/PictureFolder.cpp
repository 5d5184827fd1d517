#include "storage/PictureFolder.h"

#include "model/Gene.h"
#include "storage/GeneSetFolder.h"

namespace {

std::string FileNamePart(std::string name) {
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F)
            c = '_';
    }
    return name;
}

} // namespace

std::string PictureFolderPath(const std::string& appDir) {
    return ResolveInFolder(appDir, "Img");
}

std::string PictureFilePath(const std::string& appDir, const std::string& geneSetName,
                            const std::string& name) {
    return ResolveInFolder(PictureFolderPath(appDir),
                           FileNamePart(geneSetName) + "-" + FileNamePart(name) + ".jpg");
}

bool BearsPicture(const TGene& gene) {
    return gene.Name.compare(0, 3, "het") != 0 && gene.Name != "Normal";
}
