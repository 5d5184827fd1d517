// Makes the README's pictures of the window as PNG files in the folder given: the Calculation tab for a
// het. Blizzard male with a Blizzard female and for ten heterozygous loci in both parents, the Gene
// management tab, the Fun tab, the Edit Gene dialog, and the clutch view of a ball python pairing with
// pictures and health marks. Run it through docs/screenshots.sh, which starts it
// on a virtual display.
#include "storage/DefaultGeneSet.h"
#include "storage/PictureFolder.h"
#include "storage/ShippedGeneSets.h"
#include "ui/ClutchView.h"
#include "ui/FunTab.h"
#include "ui/Pictures.h"
#include "ui/uFrmEditGene.h"
#include "ui/uFrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>

#include <clocale>
#include <cmath>
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

// A stand-in photograph: a coil of the morph's ground colour with blotches of its pattern colour.
bool WriteMorphPicture(const std::string& path, QColor ground, QColor pattern) {
    QImage picture(96, 96, QImage::Format_RGB888);
    picture.fill(QColor(222, 210, 180));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ground, 16, Qt::SolidLine, Qt::RoundCap));
    painter.drawEllipse(QPoint(48, 48), 32, 32);
    painter.drawEllipse(QPoint(48, 48), 12, 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pattern);
    for (int k = 0; k < 8; ++k)
        painter.drawEllipse(QPointF(48 + 32 * std::cos(k * 0.785), 48 + 32 * std::sin(k * 0.785)), 6, 5);
    painter.end();
    std::string message;
    return WriteJpegFile(path, ToRgbImage(picture), message);
}

// Spider x Bumblebee het. Albino in the ball python set, with Super Spider marked lethal as some breeders
// hold it, pictures of three morphs, and two lines selected.
bool SaveClutchView(TfrmMain& window, const QDir& pictures) {
    const std::string set = "Ball Python";
    std::string text = ShippedGeneSetText(set).value_or("");
    text.replace(text.find("2-2=Note:"), 9, "2-2=Lethal:");
    std::ofstream(window.AppDir() + "/" + set + ".INI", std::ios::binary) << text;
    QDir().mkpath(QString::fromStdString(PictureFolderPath(window.AppDir())));
    const auto picture = [&](const std::string& name, QColor ground, QColor pattern) {
        return WriteMorphPicture(PictureFilePath(window.AppDir(), set, name), ground, pattern);
    };
    bool saved = picture("Pastel", QColor(214, 170, 40), QColor(90, 60, 30)) &&
                 picture("Spider", QColor(170, 120, 60), QColor(40, 30, 20)) &&
                 picture("Bumblebee", QColor(235, 200, 40), QColor(60, 40, 20));
    window.pcMain->setCurrentWidget(window.tsCalc);
    window.resize(1180, 860);
    window.ListGeneSets();
    window.cbxSelectIniFile->setEditText(QString::fromStdString(set));
    window.cbxSelectIniFileChange();
    window.Edit1->setText("+p+s++");
    window.Edit2->setText("+++s+a");
    window.RestoreParentSelection();
    window.btnCalcClick();
    QTableView* view = window.pnlClutch->tvClutch;
    view->selectionModel()->select(view->model()->index(1, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(view->model()->index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return Save(window, pictures.filePath("clutch-view.png")) && saved;
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
    saved = SaveClutchView(window, pictures) && saved;
    window.close();
    return saved ? 0 : 1;
}
