// Zygora: a genetics calculator for snake breeders.
#include "ui/ApplicationFolder.h"
#include "ui/TerminationSignals.h"
#include "ui/uFrmMain.h"

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
    TfrmMain window(ApplicationFolder());
    window.show();
    return QApplication::exec();
}
