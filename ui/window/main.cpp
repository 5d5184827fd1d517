// Zygora: a genetics calculator for snake breeders.
#include "ui/window/ApplicationFolder.h"
#include "ui/window/MainWindow.h"
#include "ui/window/TerminationSignals.h"

#include <QApplication>
#include <QIcon>

#include <clocale>

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
    return QApplication::exec();
}
