// Where the picture of a gene or combination lives: one JPEG file per gene-set name and morph name.
#pragma once

#include <string>

class TGene;

// The folder "Img" of the application directory.
std::string PictureFolderPath(const std::string& appDir);
// Makes that folder when it is missing, before a picture is stored and at a first start; false with
// "Cannot create folder "<path>". <reason>" when it cannot be made.
bool MakePictureFolder(const std::string& appDir, std::string& message);

// appDir/Img/<gene set>-<name>.jpg. Both names are kept as typed, except that a character no file name
// can hold here (a path separator, a control character) becomes '_': a name such as "../x" still names a
// file inside "Img". Like the gene-set files, the folder and the file are found ignoring letter case, so
// pictures named on Windows are found whatever case the selector shows.
std::string PictureFilePath(const std::string& appDir, const std::string& geneSetName,
                            const std::string& name);

// Hets and the normal type share the look of another gene and have no picture of their own.
bool BearsPicture(const TGene& gene);
// The same rule for a name alone, as an offspring line names its genes.
bool NameBearsPicture(const std::string& name);
