// Time of the clutch view for the largest report breeders list: ten heterozygous loci in both parents as
// genotypes, 59,049 lines. The view is a model over the result, so showing, scrolling and a new clutch
// size must not grow with the lines.
#include "calc/Calculation.h"
#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFile.h"
#include "ui/calculation/ClutchView.h"

#include <QApplication>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string TenHets = "+a+b+c+d+e+f+g+h+i+k";

const TCalcResult& TenHetsGenotypes() {
    static TGeneSet set;
    static const TCalcResult result = [] {
        LoadGeneSetText(DefaultGeneSetText(), set, "Serpentia.INI");
        return RunCalculation(TenHets, TenHets, TCalcOptions{0, 0, 0, 1, "."}, set.LocusList, set.CombiList,
                              {});
    }();
    return result;
}

// A shown view, painted once so that later steps time only their own work. Painting is timed by rendering
// the view into a picture, which the offscreen display would otherwise skip.
struct TShownView {
    TClutchView view{nullptr};
    TShownView() {
        view.resize(900, 400);
        view.show();
        view.ShowResult(&TenHetsGenotypes(), {".", "", "Serpentia"});
        view.grab();
    }
};

// From the end of the calculation to the view painted with its first rows.
void ShowResult(benchmark::State& state) {
    TShownView shown;
    for (auto _ : state) {
        shown.view.ShowResult(&TenHetsGenotypes(), {".", "", "Serpentia"});
        benchmark::DoNotOptimize(shown.view.grab());
    }
    state.counters["lines"] = shown.view.Model().rowCount();
}

// One page down through the lines, painted.
void ScrollOnePage(benchmark::State& state) {
    TShownView shown;
    QScrollBar* bar = shown.view.findChild<QTableView*>("ClutchTable")->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        benchmark::DoNotOptimize(shown.view.grab());
    }
}

// A new number of eggs: every odds cell in view is worked out again and painted.
void ChangeEggs(benchmark::State& state) {
    TShownView shown;
    int eggs = 1;
    for (auto _ : state) {
        eggs = eggs % 99 + 1;
        shown.view.findChild<QSpinBox*>("EggsSpin")->setValue(eggs);
        benchmark::DoNotOptimize(shown.view.grab());
    }
}

BENCHMARK(ShowResult)->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollOnePage)->Unit(benchmark::kMillisecond);
BENCHMARK(ChangeEggs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    TenHetsGenotypes();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
