#include "tools/BackgroundSink.h"

// Large enough that the threads seldom wait on each other, small enough that a batch is a few hundred
// kilobytes at most.
constexpr size_t BatchLines = 1024;

TBackgroundSink::TBackgroundSink(TReportSink& writer)
    : FWriter(writer), FThread([this] { WriteBatches(); }) {}

TBackgroundSink::~TBackgroundSink() {
    {
        std::lock_guard lock(FMutex);
        FStopping = true;
    }
    FChanged.notify_all();
    FThread.join();
}

void TBackgroundSink::WriteHeading(const std::vector<std::string>& lines) {
    WaitUntilWritten();
    FWriter.WriteHeading(lines);
}

void TBackgroundSink::WriteOffspring(const TOffspringLine& line, const std::string& reported) {
    if (FFilling.Size == FFilling.Lines.size()) {
        FFilling.Lines.push_back(line);
        FFilling.Reported.push_back(reported);
    } else {
        FFilling.Lines[FFilling.Size] = line;
        FFilling.Reported[FFilling.Size] = reported;
    }
    if (++FFilling.Size == BatchLines)
        HandOver();
}

void TBackgroundSink::WriteClosing(const std::vector<std::string>& lines) {
    WaitUntilWritten();
    FWriter.WriteClosing(lines);
}

void TBackgroundSink::HandOver() {
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return !FHandedReady || FFailure; });
    if (FFailure)
        std::rethrow_exception(FFailure);
    std::swap(FFilling, FHanded);
    FFilling.Size = 0;
    FHandedReady = true;
    lock.unlock();
    FChanged.notify_all();
}

void TBackgroundSink::WaitUntilWritten() {
    if (FFilling.Size > 0)
        HandOver();
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return (!FHandedReady && !FWriterBusy) || FFailure; });
    if (FFailure)
        std::rethrow_exception(FFailure);
}

void TBackgroundSink::WriteBatches() {
    std::unique_lock lock(FMutex);
    while (true) {
        FChanged.wait(lock, [this] { return FHandedReady || FStopping; });
        if (!FHandedReady)
            return;
        std::swap(FHanded, FWriting);
        FHandedReady = false;
        FWriterBusy = true;
        lock.unlock();
        FChanged.notify_all();
        try {
            if (!FFailure)
                for (size_t i = 0; i < FWriting.Size; ++i)
                    FWriter.WriteOffspring(FWriting.Lines[i], FWriting.Reported[i]);
        } catch (...) {
            lock.lock();
            FFailure = std::current_exception();
            lock.unlock();
        }
        lock.lock();
        FWriterBusy = false;
        FChanged.notify_all();
    }
}
