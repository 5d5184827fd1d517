// The previous version of every file a save replaces, kept in the folder "Backup" of the application
// directory under the file's own name.
#pragma once

#include <set>
#include <string>

inline constexpr const char* BackupFolderName = "Backup";

// Keeps one generation per file: the file as it was before this run first replaced it, so that later
// saves of the same run (the exit saves a set and then updates a key of it) never push that version out.
class TBackupFolder {
public:
    explicit TBackupFolder(std::string appDir) : FAppDir(std::move(appDir)) {}

    // Call before the file at `path` is replaced. The first call of the run for a file copies it, as it
    // stands, over any older backup of it; a file that does not exist has nothing to keep. A copy that
    // cannot be made is given up without a word: the save it comes before must go on.
    void KeepBeforeReplacing(const std::string& path);

private:
    std::string FAppDir;
    std::set<std::string> FHandled; // paths whose first replacement of this run has been seen
};
