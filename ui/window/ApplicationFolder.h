// Where the program keeps its gene sets, its main settings file and its pictures.
#pragma once

#include <QString>

#include <string>

// The folder of the running executable while it can be written (a program started where it was built
// or unpacked by hand). An installed program's folder cannot be written, so it keeps its files in the
// user's data folder for Zygora instead, created when missing. A first start in either (no gene-set file
// and no main settings file yet) finds the built-in gene set as Serpentia.INI and the picture folder Img.
// A folder that cannot be prepared is named in a message and still returned: the window then opens on an
// empty set.
std::string ApplicationFolder();
// The same for a program in `executableFolder` whose user's data folder for Zygora is `userFolder`.
std::string ApplicationFolderFor(const QString& executableFolder, const QString& userFolder);
