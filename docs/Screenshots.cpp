// Makes the README's pictures of the window as PNG files in the folder given: the Calculation tab for a
// het. Blizzard male with a Blizzard female and for ten heterozygous loci in both parents, the Gene
// management tab, the Fun tab and the Edit Gene dialog. Run it through docs/screenshots.sh, which starts it
// on a virtual display.
#include "storage/DefaultGeneSet.h"
#include "ui/FunTab.h"
#include "ui/uFrmEditGene.h"
#include "ui/uFrmMain.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <clocale>
#include <cstdio>
#include <fstream>

namespace {

// Lets the window settle: laid out, painted, and fed what the display sent.
void Settle() {
    const QDeadlineTimer settled(300);
    while (!settled.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool Save(QWidget& window, const QString& file) {
    Settle();
    if (window.grab().save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

// A board on which the first three columns are one purple group of 36 stones and the next two one green
// group of 24: taking the first scores 1260, and marking the second shows 552 more.
TJBLayout FourDigitGame() {
    TJBLayout layout;
    for (int c = 0; c < JBColumns; ++c)
        for (int r = 0; r < JBRows; ++r)
            layout[c][r] = {c < 3 ? 0 : c < 5 ? 1 : 3 + (c + r) % 2, false};
    return layout;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder for the pictures>\n", argv[0]);
        return 2;
    }
    const QDir pictures(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir folder;
    std::ofstream(QDir(folder.path()).filePath("Serpentia.INI").toStdString(), std::ios::binary)
        << DefaultGeneSetText();

    TfrmMain window(QFile::encodeName(folder.path()).toStdString());
    window.show();
    const QDeadlineTimer shown(10000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !shown.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const auto pair = [&window](const QString& male, const QString& female) {
        window.Edit1->setText(male);
        window.Edit2->setText(female);
        window.RestoreParentSelection();
        window.btnCalcClick();
    };

    pair("+a+e", "aaee");
    bool saved = Save(window, pictures.filePath("calculation-tab.png"));
    pair("+a+b+c+d+e+f+g+h+i+k", "+a+b+c+d+e+f+g+h+i+k");
    saved = Save(window, pictures.filePath("calculation-tab-ten-loci.png")) && saved;
    window.pcMain->setCurrentWidget(window.tsIni);
    saved = Save(window, pictures.filePath("gene-management-tab.png")) && saved;

    auto* fun = static_cast<TFunTab*>(window.tsFun);
    window.pcMain->setCurrentWidget(fun);
    fun->Board().LayOut(FourDigitGame());
    fun->pbBoardMouseDown(15, 15);
    fun->pbBoardMouseDown(15, 15);
    fun->pbBoardMouseDown(3 * TJBBoard::CellSize + 15, 15);
    saved = Save(window, pictures.filePath("fun-tab.png")) && saved;

    TfrmEditGene dialog(&window, window.LocusList());
    dialog.SetGene(window.LocusList()[0]->Genes()[2]);
    dialog.show();
    saved = Save(dialog, pictures.filePath("edit-gene-dialog.png")) && saved;
    dialog.close();
    window.close();
    return saved ? 0 : 1;
}
