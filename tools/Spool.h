// Output set aside until the output before it is written: the JSON report lists the offspring after the
// whole report, and clutch odds follow the report. It waits in memory up to a bound, and beyond it in a
// temporary file, so that a report of a million lines is never held whole; where no temporary file can be
// made, or it fails (a full disk), the rest waits in memory.
#pragma once

#include "tools/OutputStream.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <string>
#include <string_view>

class TSpool {
public:
    // `memoryBound`: bytes held in memory before the rest goes to a temporary file.
    explicit TSpool(size_t memoryBound = size_t(32) << 20) : FMemoryBound(memoryBound) {}
    TSpool(const TSpool&) = delete;
    TSpool& operator=(const TSpool&) = delete;
    ~TSpool() {
        if (FFile)
            std::fclose(FFile);
    }

    void Append(std::string_view text) {
        // Blocks of their own, so that nothing set aside is ever copied again in memory.
        if (FBlocks.empty() || FBlocks.back().size() + text.size() > BlockSize) {
            if (FHeld > FMemoryBound && !FFileFailed)
                MoveToFile();
            FBlocks.emplace_back().reserve(std::max(BlockSize, text.size()));
        }
        FBlocks.back() += text;
        FHeld += text.size();
    }

    // Writes everything set aside, in order, to `out`.
    void CopyTo(TOutputStream& out) {
        if (FFile && std::fflush(FFile) == 0) {
            std::rewind(FFile);
            std::string block(BlockSize, '\0');
            size_t read = 0;
            for (size_t left = FInFile; left > 0; left -= read) {
                read = std::fread(block.data(), 1, std::min(left, block.size()), FFile);
                if (read == 0)
                    break;
                out.WriteBlock(std::string_view(block.data(), read));
            }
        }
        for (const std::string& held : FBlocks)
            out.WriteBlock(held);
    }

private:
    static constexpr size_t BlockSize = size_t(1) << 16;

    // All but the block being filled go to the file.
    void MoveToFile() {
        if (!FFile)
            FFile = std::tmpfile();
        while (FFile && FBlocks.size() > 0) {
            const std::string& held = FBlocks.front();
            if (std::fwrite(held.data(), 1, held.size(), FFile) != held.size())
                break;
            FInFile += held.size();
            FHeld -= held.size();
            FBlocks.pop_front();
        }
        FFileFailed = !FBlocks.empty();
    }

    size_t FMemoryBound;
    std::FILE* FFile = nullptr;
    size_t FInFile = 0; // bytes the file took whole
    bool FFileFailed = false;
    std::deque<std::string> FBlocks; // what waits in memory, after what the file holds
    size_t FHeld = 0;                // bytes in FBlocks
};
