// What zygora-calc sets aside to write after the report comes back whole and in order, whether it waited
// in memory or in a temporary file, or in both.
#include "tools/Spool.h"

#include <gtest/gtest.h>

#include <string>

TEST(Spool, WhatIsSetAsideComesBackInOrderFromMemoryAndFromTheFile) {
    for (const size_t memoryBound : {size_t(0), size_t(70000), size_t(1) << 30}) {
        TSpool spool(memoryBound);
        std::string expected;
        for (int i = 0; i < 3000; ++i) {
            const std::string piece =
                std::to_string(i) + std::string(static_cast<size_t>(i % 97), 'x') + "\n";
            spool.Append(piece);
            expected += piece;
        }
        spool.Append(std::string(200000, 'y')); // larger than a block
        expected += std::string(200000, 'y');
        std::string written;
        {
            TOutputStream out([&](std::string_view block) { written += block; });
            out << "before ";
            spool.CopyTo(out);
        }
        EXPECT_EQ(written, "before " + expected) << memoryBound;
    }
}
