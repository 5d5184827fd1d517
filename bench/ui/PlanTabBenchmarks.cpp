// Time of the Plan tab over the largest collection we plan for, the ninety animals of
// bench/NinetyAnimals.csv (30 males and 60 females, chances at eight loci from their family): the 1,800
// pairings ranked, shown and painted after a goal is entered, or after an animal is edited.
#include "storage/AnimalCsv.h"
#include "storage/DefaultGeneSet.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

void PlanNinetyAnimals(benchmark::State& state) {
    QTemporaryDir folder;
    std::ofstream(folder.filePath("Serpentia.INI").toStdString(), std::ios::binary) << DefaultGeneSetText();
    TMainWindow window(folder.path().toStdString());
    window.resize(1180, 860);
    window.show();
    TAnimalList animals;
    std::string message;
    if (!LoadAnimalCsv(ZYGORA_BENCH_DIR "/NinetyAnimals.csv", animals, message) ||
        !window.AnimalKeeper().ImportAnimals(window.AnimalKeeper().GeneSetInMemory(), animals, message)) {
        state.SkipWithError(message.c_str());
        return;
    }
    window.findChild<QTabWidget*>("MainTabs")->setCurrentWidget(window.findChild<QWidget*>("PlanTab"));
    auto* goal = window.findChild<QLineEdit*>("PlanGoalEdit");
    goal->setText("any of Amelanistic Anerythristic Bloodred Caramel, Charcoal Hypomelanistic Lava Lavender");
    window.grab();
    goal->setModified(true);
    emit goal->editingFinished();
    window.grab();
    TAnimal edited = animals.back();
    for (auto _ : state) {
        if (state.range(0) == 0) {
            goal->setModified(true);
            emit goal->editingFinished();
        } else {
            // An animal edited: the database written, the family's chances worked out again, then the plan.
            edited.Notes = edited.Notes.empty() ? "weighed" : "";
            window.AnimalKeeper().UpdateAnimal(window.AnimalKeeper().GeneSetInMemory(), edited.Name, edited,
                                               message);
        }
        benchmark::DoNotOptimize(window.grab());
    }
    state.counters["pairings"] = window.findChild<QTableView*>("PlanView")->model()->rowCount();
}

// 0: the goal entered again; 1: an animal edited.
BENCHMARK(PlanNinetyAnimals)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
