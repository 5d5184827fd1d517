// Zygora: a genetics calculator for snake breeders.
#include "storage/AnimalCsv.h"
#include "ui/window/ApplicationFolder.h"
#include "ui/window/MainWindow.h"
#include "ui/window/TerminationSignals.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

// For the test that kills the program in the middle of saving: the animals of the CSV file named by
// ZYGORA_ADD_ANIMALS are added to the set in memory one at a time, each named on the standard output once
// it is saved, so that the test knows which ones the database must hold after the kill.
void AddAnimalsOneByOne(TAnimalKeeper& keeper) {
    const char* file = std::getenv("ZYGORA_ADD_ANIMALS");
    TAnimalList animals;
    std::string message;
    if (file == nullptr || !LoadAnimalCsv(file, animals, message))
        return;
    for (const TAnimal& animal : animals) {
        if (!keeper.AddAnimal(keeper.GeneSetInMemory(), animal, message))
            return;
        std::printf("saved %s\n", animal.Name.c_str());
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The core formats numbers itself; printf-style conversions must not follow the user's decimal comma.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Zygora");
    // Desktops find the launcher's entry and icon by this name.
    QApplication::setDesktopFileName("zygora");
    QApplication::setWindowIcon(QIcon(":/app/zygora.svg"));
    CloseWindowsOnTerminationSignals(&application);
    TMainWindow window(ApplicationFolder());
    window.show();
    QTimer::singleShot(0, &window, [&window] { AddAnimalsOneByOne(window.AnimalKeeper()); });
    return QApplication::exec();
}
