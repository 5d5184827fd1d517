// Output set aside until the output before it is written: the JSON report lists the offspring after the
// whole report, and clutch odds follow the report. It waits in memory up to a bound, and beyond it in a
// temporary file, so that a report of a million lines is never held whole; where no temporary file can be
// made, or it fails (a full disk), the rest waits in memory.
#pragma once

#include "tools/OutputStream.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

class TSpool {
public:
    TSpool() = default;
    TSpool(const TSpool&) = delete;
    TSpool& operator=(const TSpool&) = delete;
    ~TSpool() {
        if (FFile)
            std::fclose(FFile);
    }

    void Append(std::string_view text) {
        FMemory += text;
        if (FMemory.size() > MemoryBound && !FFileFailed)
            MoveToFile();
    }

    // Writes everything set aside, in order, to `out`.
    void CopyTo(TOutputStream& out) {
        if (FFile && std::fflush(FFile) == 0) {
            std::rewind(FFile);
            char block[1 << 16];
            size_t read = 0;
            for (size_t left = FInFile; left > 0; left -= read) {
                read = std::fread(block, 1, std::min(left, sizeof block), FFile);
                if (read == 0)
                    break;
                out << std::string_view(block, read);
            }
        }
        out << FMemory;
    }

private:
    static constexpr size_t MemoryBound = size_t(32) << 20;

    void MoveToFile() {
        if (!FFile)
            FFile = std::tmpfile();
        if (FFile && std::fwrite(FMemory.data(), 1, FMemory.size(), FFile) == FMemory.size()) {
            FInFile += FMemory.size();
            FMemory.clear();
            return;
        }
        FFileFailed = true;
    }

    std::FILE* FFile = nullptr;
    size_t FInFile = 0; // bytes the file took whole
    bool FFileFailed = false;
    std::string FMemory; // what waits in memory, after what the file holds
};
