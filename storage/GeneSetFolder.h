// The application directory's gene-set files: listing them and finding a set's file by its name.
#pragma once

#include <string>
#include <vector>

// The main settings file: a full copy of the gene set current at exit, never listed as a gene set.
inline constexpr const char* MainSettingsFileName = "GenericZygora.INI";

// Names of the gene-set files of `appDir` (every "*.ini" in any letter case but the main settings file),
// without their last extension, sorted; files whose names differ only in letter case give one name.
std::vector<std::string> ListGeneSets(const std::string& appDir);

// The path of `fileName` in `appDir`. An existing file whose name differs only in letter case is that
// file, as users of the format expect: "serpentia.ini" finds "Serpentia.INI", and a save never creates
// a second file that differs only in case.
std::string ResolveInFolder(const std::string& appDir, const std::string& fileName);

// The file of the gene set `name`: name + ".INI" in `appDir`, resolved ignoring case.
std::string GeneSetPath(const std::string& appDir, const std::string& name);
// A character no file name of ours may hold: a path separator ('/' and, for files coming from Windows,
// '\\') or a control character.
bool IsUnsafeInFileName(char c);
// A name whose file lies in the application directory itself: not empty, not "." or "..", and without a
// character unsafe in a file name.
bool IsValidGeneSetName(const std::string& name);
std::string MainSettingsPath(const std::string& appDir);
// A gene-set name whose file is the main settings file, in any letter case: work kept under it would be
// overwritten by the copy of the current set at the next switch or exit.
bool IsMainSettingsName(const std::string& name);
