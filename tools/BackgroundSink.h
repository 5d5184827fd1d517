// The offspring lines of a run handed to their writer on a thread of its own, a batch at a time: on two
// cores the lines of a large pairing are written out while the next ones are named, and the run takes
// about as long as the larger of the two jobs. The writer sees exactly the calls it would have had, in
// the same order; a failure of the writer comes back to the caller at its next call.
#pragma once

#include "calc/Calculation.h"

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TBackgroundSink : public TReportSink {
public:
    explicit TBackgroundSink(TReportSink& writer);
    TBackgroundSink(const TBackgroundSink&) = delete;
    TBackgroundSink& operator=(const TBackgroundSink&) = delete;
    // Waits for the lines handed over, and ends the thread.
    ~TBackgroundSink() override;

    void WriteHeading(const std::vector<std::string>& lines) override;
    void WriteOffspring(const TOffspringLine& line, const std::string& reported) override;
    void WriteClosing(const std::vector<std::string>& lines) override;

private:
    // Lines and their reports; the strings of a written batch keep their memory for the next.
    struct TBatch {
        std::vector<TOffspringLine> Lines;
        std::vector<std::string> Reported;
        size_t Size = 0;
    };

    void HandOver();
    // Until every line handed over is written; then the writer may be called from this thread.
    void WaitUntilWritten();
    void WriteBatches();

    TReportSink& FWriter;
    TBatch FFilling; // this thread's
    TBatch FHanded;  // waiting for the writer's thread
    TBatch FWriting; // the writer's thread's
    std::mutex FMutex;
    std::condition_variable FChanged;
    bool FHandedReady = false;
    bool FWriterBusy = false;
    bool FStopping = false;
    std::exception_ptr FFailure;
    std::thread FThread;
};
