// Output set aside until the output before it is written: the JSON report lists the offspring after the
// whole report, and clutch odds follow the report. It waits in a temporary file, so that a report of a
// million lines is never held in memory; where no temporary file can be made, in memory.
#pragma once

#include "tools/OutputStream.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

class TSpool {
public:
    TSpool() : FFile(std::tmpfile()) {}
    TSpool(const TSpool&) = delete;
    TSpool& operator=(const TSpool&) = delete;
    ~TSpool() {
        if (FFile)
            std::fclose(FFile);
    }

    void Append(std::string_view text) {
        // Once the file fails (a full disk), the rest waits in memory behind what the file holds.
        if (FFile && FMemory.empty() && std::fwrite(text.data(), 1, text.size(), FFile) == text.size()) {
            FInFile += text.size();
            return;
        }
        FMemory += text;
    }

    // Writes everything set aside, in order, to `out`.
    void CopyTo(TOutputStream& out) {
        if (FFile && std::fflush(FFile) == 0) {
            std::rewind(FFile);
            char block[1 << 16];
            for (size_t left = FInFile, read;
                 left > 0 && (read = std::fread(block, 1, std::min(left, sizeof block), FFile)) > 0;
                 left -= read)
                out << std::string_view(block, read);
        }
        out << FMemory;
    }

private:
    std::FILE* FFile;
    size_t FInFile = 0;  // bytes the file took whole
    std::string FMemory; // what followed once the file failed
};
