// Output gathered in pieces and written in large blocks: a grid or a JSON report can run to many
// megabytes, and none of it is held longer than one block.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

class TOutputStream {
public:
    // To standard output, or to `destination`, a block at a time.
    TOutputStream()
        : FDestination([](std::string_view block) { std::fwrite(block.data(), 1, block.size(), stdout); }) {}
    explicit TOutputStream(std::function<void(std::string_view)> destination)
        : FDestination(std::move(destination)) {}
    TOutputStream(const TOutputStream&) = delete;
    TOutputStream& operator=(const TOutputStream&) = delete;
    ~TOutputStream() { Flush(); }

    TOutputStream& operator<<(std::string_view text) {
        FBuffer += text;
        if (FBuffer.size() > (1u << 20))
            Flush();
        return *this;
    }
    // A large block written as it is, after what is gathered.
    void WriteBlock(std::string_view block) {
        Flush();
        if (!block.empty())
            FDestination(block);
    }
    void Flush() {
        if (!FBuffer.empty())
            FDestination(FBuffer);
        FBuffer.clear();
    }

private:
    std::function<void(std::string_view)> FDestination;
    std::string FBuffer;
};
