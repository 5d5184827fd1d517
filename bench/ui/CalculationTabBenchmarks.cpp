// Time and peak memory of the Calculation tab from Calculate to the report, the grid and the clutch view
// painted, for ten heterozygous loci in both parents as genotypes: a grid of 1024 by 1024 cells, calculated
// beside the window.
#include "bench/PeakMemory.h"

#include "calc/Calculation.h"
#include "storage/DefaultGeneSet.h"
#include "ui/calculation/CalculationTab.h"
#include "ui/kit/RadioGroup.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

void CalculateTenHets(benchmark::State& state) {
    QTemporaryDir folder;
    std::ofstream(folder.filePath("Serpentia.INI").toStdString(), std::ios::binary) << DefaultGeneSetText();
    TMainWindow window(folder.path().toStdString());
    window.resize(1180, 860);
    window.show();
    const auto* tab = window.findChild<TCalculationTab*>();
    for (const char* field : {"MaleCodesEdit", "FemaleCodesEdit"})
        window.findChild<QLineEdit*>(field)->setText("+a+b+c+d+e+f+g+h+i+k");
    // Ratio, Seperate genes, Genotype; "Show Poss." or "No poss. hets" as the argument says.
    for (const char* choice : {"RatioChoice", "CombiChoice", "PhenotypeChoice"})
        window.findChild<TRadioGroup*>(choice)->SetItemIndex(0);
    window.findChild<TRadioGroup*>("PossibleHetsChoice")->SetItemIndex(static_cast<int>(state.range(0)));
    auto* calculate = window.findChild<QToolButton*>("CalculateButton");
    window.grab();
    ResetPeakMemory();
    for (auto _ : state) {
        calculate->click();
        while (tab->Calculating())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        benchmark::DoNotOptimize(window.grab());
    }
    state.counters["report_lines"] = static_cast<double>(tab->Result()->ReportLines().size());
    state.counters["peak_MB"] = PeakMemoryMB();
}

// 0: with possible hets, 1,030 lines; 1: without, 59,049 lines.
BENCHMARK(CalculateTenHets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
