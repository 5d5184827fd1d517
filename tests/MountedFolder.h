// A folder whose file system refuses writes, for tests of saves that must fail cleanly: read-only, or a
// disk that is full. Mounting needs root with the right to mount; where the test cannot have the folder,
// `Problem()` says why, so that the test skips with that message.
#pragma once

#include "TempFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

enum class TRefusal { ReadOnly, DiskFull };

class TMountedFolder {
public:
    // The folder holds `fileName` with `content` before it starts refusing. A full disk is a small tmpfs
    // filled up by one more file, so that any write fails with "No space left on device".
    TMountedFolder(TRefusal refusal, const std::string& fileName, const std::string& content) {
        if (refusal == TRefusal::DiskFull) {
            if (Mount("tmpfs", "tmpfs", 0, "size=256k")) {
                FFolder.Write(fileName, content);
                FFolder.Write(FillerName, std::string(256 * 1024, 'x'));
            }
            return;
        }
        FFolder.Write(fileName, content);
        // Root writes into folders without write permission, so only a read-only mount stops it.
        if (geteuid() != 0)
            chmod(Path().c_str(), 0555);
        else if (Mount(Path().c_str(), nullptr, MS_BIND, nullptr) &&
                 mount(nullptr, Path().c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            FProblem =
                std::string("this system does not let the test remount read-only: ") + std::strerror(errno);
    }
    ~TMountedFolder() {
        if (FMounted)
            umount2(Path().c_str(), MNT_DETACH);
    }
    TMountedFolder(const TMountedFolder&) = delete;
    TMountedFolder& operator=(const TMountedFolder&) = delete;

    const std::string& Problem() const { return FProblem; }
    const std::string& Path() const { return FFolder.Path(); }
    std::string File(const std::string& name) const { return FFolder.File(name); }
    std::string Read(const std::string& name) const { return FFolder.Read(name); }
    // Entries of the folder, the file that fills a full disk not counted.
    int EntryCount() const {
        return FFolder.EntryCount() - (std::filesystem::exists(FFolder.File(FillerName)) ? 1 : 0);
    }

private:
    static constexpr const char* FillerName = "filler";

    bool Mount(const char* source, const char* type, unsigned long flags, const char* options) {
        if (geteuid() != 0) {
            FProblem = "mounting a file system needs root";
            return false;
        }
        if (mount(source, Path().c_str(), type, flags, options) != 0) {
            FProblem = std::string("this system does not let the test mount: ") + std::strerror(errno);
            return false;
        }
        FMounted = true;
        return true;
    }

    TTempFolder FFolder;
    bool FMounted = false;
    std::string FProblem;
};
