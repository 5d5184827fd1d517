// Makes the README's pictures of the window as PNG files in the folder given: the Calculation tab for a
// het. Blizzard male with a Blizzard female and for ten heterozygous loci in both parents, the Gene
// management tab, the Fun tab, the Edit Gene dialog, and a pairing with a male that is only possibly het.
// Run it through docs/screenshots.sh, which starts it on a virtual display.
#include "storage/DefaultGeneSet.h"
#include "ui/FunTab.h"
#include "ui/RadioGroup.h"
#include "ui/uFrmEditGene.h"
#include "ui/uFrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
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

// A 66% poss. het. Amel male (bred from two hets) with a het. Amel female, picked in the selectors as a
// breeder picks them, shown with the share of possible hets.
bool SavePossibleHets(TfrmMain& window, const QString& file) {
    window.pcMain->setCurrentWidget(window.tsCalc);
    window.btnClearAllClick();
    window.rgCombi->SetItemIndex(0);
    window.rgPheno->SetItemIndex(0);
    window.rgPossible->SetItemIndex(0);
    const auto pick = [](QScrollArea* box, const QString& entry) {
        auto* amel = box->widget()->findChildren<QComboBox*>().first();
        amel->setCurrentIndex(amel->findText(entry));
        emit amel->activated(amel->currentIndex());
    };
    pick(window.sbMale, "+a 66% poss. het. Amelanistic");
    pick(window.sbFemale, "+a het. Amel");
    return Save(window, file);
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
    saved = SavePossibleHets(window, pictures.filePath("possible-hets.png")) && saved;
    window.close();
    return saved ? 0 : 1;
}
