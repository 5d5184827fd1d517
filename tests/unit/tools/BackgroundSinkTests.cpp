// The writer behind zygora-calc's thread sees every call of the run in its order, however the lines fall
// into batches, and a writer that fails ends the run with its failure instead of ending the program.
#include "tools/BackgroundSink.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class TRecordingWriter : public TReportSink {
public:
    explicit TRecordingWriter(size_t failingLine = SIZE_MAX) : FFailingLine(failingLine) {}

    void WriteHeading(const std::vector<std::string>& lines) override { Record("heading", lines); }
    void WriteOffspring(const TOffspringLine& line, const std::string& reported) override {
        if (Calls.size() == FFailingLine)
            throw std::runtime_error("disk full");
        Calls.push_back(line.Line + " " + std::to_string(static_cast<uint64_t>(line.Count)) + " " +
                        line.Name + "|" + reported);
    }
    void WriteClosing(const std::vector<std::string>& lines) override { Record("closing", lines); }

    std::vector<std::string> Calls;

private:
    void Record(const std::string& what, const std::vector<std::string>& lines) {
        std::string call = what;
        for (const std::string& line : lines)
            call += " " + line;
        Calls.push_back(call);
    }

    size_t FFailingLine;
};

} // namespace

TEST(BackgroundSink, TheWriterSeesEveryCallInOrderAndItsFailureComesBack) {
    for (const size_t lines : {size_t(0), size_t(1), size_t(1024), size_t(2500)}) {
        TRecordingWriter writer;
        std::vector<std::string> expected = {"heading Male Female"};
        {
            TBackgroundSink sink(writer);
            sink.WriteHeading({"Male", "Female"});
            TOffspringLine line;
            for (size_t i = 0; i < lines; ++i) {
                line.Line = "+a" + std::to_string(i);
                line.Count = i;
                // Texts of different lengths, so that a batch that reuses a line's memory keeps none of it.
                line.Name = std::string(i % 7, 'n');
                const std::string reported = std::to_string(i) + "/4 " + line.Name;
                sink.WriteOffspring(line, reported);
                expected.push_back(line.Line + " " + std::to_string(i) + " " + line.Name + "|" + reported);
            }
            sink.WriteClosing({"unhatched"});
            expected.push_back("closing unhatched");
            EXPECT_EQ(writer.Calls, expected) << lines;
        }
        EXPECT_EQ(writer.Calls.size(), expected.size()) << lines;
    }

    TRecordingWriter failing(1500);
    TBackgroundSink sink(failing);
    sink.WriteHeading({});
    EXPECT_THROW(
        {
            for (int i = 0; i < 5000; ++i)
                sink.WriteOffspring(TOffspringLine{}, "1/4 Normal");
            sink.WriteClosing({});
        },
        std::runtime_error);
}
