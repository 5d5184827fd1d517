// Output gathered in pieces and written in large blocks: a grid or a JSON report can run to many
// megabytes, and none of it is held longer than one block.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class TOutputStream {
public:
    ~TOutputStream() { Flush(); }
    TOutputStream& operator<<(std::string_view text) {
        FBuffer += text;
        if (FBuffer.size() > (1u << 20))
            Flush();
        return *this;
    }
    void Flush() {
        std::fwrite(FBuffer.data(), 1, FBuffer.size(), stdout);
        FBuffer.clear();
    }

private:
    std::string FBuffer;
};
