// The offspring calculation run beside the window, so that a large pairing never freezes it: the newest
// request only is shown, and one that takes a while shows how far it is, with Cancel.
#pragma once

#include "calc/Calculation.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <string>

class QProgressBar;

// Everything a run reads, copied: the gene set in memory is the window's alone.
struct TCalcRequest {
    std::string Male;
    std::string Female;
    TCalcOptions Options;
    TLocusList Loci;
    TCombiList Combis;
    TPairingPossibleHets PossibleHets;
};

// A run's result, and its copy of the loci with the default relations the run stored in them.
struct TCalcOutcome {
    TCalcResult Result;
    TLocusList Loci;
};

class TCalculationProgress : public QWidget {
    Q_OBJECT
public:
    explicit TCalculationProgress(QWidget* parent);
    // A run still going is cancelled; it ends on its own and its result is dropped.
    ~TCalculationProgress() override;

    // Runs `request` instead of any run still going. A small pairing is calculated at once, and Finished
    // is emitted before this returns.
    void Start(TCalcRequest request);
    // Stops the run going: Finished comes at once with the cancelled report.
    void Cancel();
    // Stops the run going, whose result is never shown, for one the window answers itself.
    void Drop();
    bool Running() const { return FRun != nullptr; }

signals:
    void Finished(std::shared_ptr<TCalcOutcome> outcome);

private:
    // What the window and the worker share of one run; the worker keeps it alive until it ends.
    struct TRun {
        std::atomic<bool> Cancel{false};
        std::atomic<int> Percent{0};
    };

    void ShowProgress();

    std::shared_ptr<TRun> FRun; // the newest run, while it goes
    QElapsedTimer FSince;
    QTimer FPoll;
    QProgressBar* FProgressBar;
};
