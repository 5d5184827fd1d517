#include "ui/calculation/CalculationProgress.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// A pairing of this many heterozygous loci of both parents together is calculated in well under a
// millisecond: it is shown at once, as a breeder types.
constexpr int AtOnceHets = 8;
// A run that takes longer than this shows its progress.
constexpr int QuietMilliseconds = 200;

int HetCount(const std::string& selection) {
    int hets = 0;
    for (size_t i = 0; i + 1 < selection.size(); i += 2)
        hets += selection[i] != selection[i + 1] ? 1 : 0;
    return hets;
}

std::shared_ptr<TCalcOutcome> RunRequest(TCalcRequest request, const TCalcControl& control) {
    auto outcome = std::make_shared<TCalcOutcome>();
    outcome->Result = RunCalculation(request.Male, request.Female, request.Options, request.Loci,
                                     request.Combis, request.PossibleHets, control);
    outcome->Loci = std::move(request.Loci);
    return outcome;
}

} // namespace

TCalculationProgress::TCalculationProgress(QWidget* parent) : QWidget(parent) {
    setObjectName("CalculationProgressPanel");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FProgressBar = new QProgressBar(this);
    FProgressBar->setObjectName("CalculationProgressBar");
    FProgressBar->setFormat("Calculating… %p%");
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("CancelCalculationButton");
    layout->addWidget(FProgressBar, 1);
    layout->addWidget(cancelButton);
    hide();
    FPoll.setInterval(50);
    connect(&FPoll, &QTimer::timeout, this, &TCalculationProgress::ShowProgress);
    connect(cancelButton, &QPushButton::clicked, this, &TCalculationProgress::Cancel);
}

TCalculationProgress::~TCalculationProgress() {
    Drop();
}

void TCalculationProgress::Start(TCalcRequest request) {
    Drop();
    if (HetCount(request.Male) + HetCount(request.Female) <= AtOnceHets) {
        emit Finished(RunRequest(std::move(request), {}));
        return;
    }
    auto run = std::make_shared<TRun>();
    FRun = run;
    auto* watcher = new QFutureWatcher<std::shared_ptr<TCalcOutcome>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, run] {
        watcher->deleteLater();
        // A run that a newer one replaced, or that was cancelled, is never shown.
        if (run != FRun)
            return;
        FRun.reset();
        FPoll.stop();
        hide();
        emit Finished(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([run, request = std::move(request)]() mutable {
        return RunRequest(std::move(request), {&run->Cancel, [&run](int percent) {
                                                   run->Percent.store(percent, std::memory_order_relaxed);
                                               }});
    }));
    FSince.start();
    FPoll.start();
}

void TCalculationProgress::Cancel() {
    if (!Running())
        return;
    Drop();
    auto outcome = std::make_shared<TCalcOutcome>();
    outcome->Result = TCalcResult::RefusedWith(CancelledMessage);
    emit Finished(outcome);
}

void TCalculationProgress::Drop() {
    if (FRun)
        FRun->Cancel = true;
    FRun.reset();
    FPoll.stop();
    hide();
}

void TCalculationProgress::ShowProgress() {
    if (!FRun || FSince.elapsed() < QuietMilliseconds)
        return;
    FProgressBar->setValue(FRun->Percent.load(std::memory_order_relaxed));
    show();
}
