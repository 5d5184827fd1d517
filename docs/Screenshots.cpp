// Makes the pictures of the window for the README and the guide as PNG files in the folder given: the
// Calculation tab for a het. Blizzard male with a Blizzard female and for ten heterozygous loci in both
// parents, the Gene management tab, the Fun tab, the Edit Gene dialog, a male that is only possibly het,
// the guide's pictures, the Animals tab on a small recorded family, the clutch view of a ball python pairing
// with pictures and health marks, and the Plan tab over a small family. Run it through docs/screenshots.sh,
// which starts it on a virtual display.
#include "model/Gene.h"
#include "storage/AnimalCsv.h"
#include "storage/DefaultGeneSet.h"
#include "storage/PictureFolder.h"
#include "storage/ShippedGeneSets.h"
#include "ui/calculation/CalculationTab.h"
#include "ui/calculation/ReportView.h"
#include "ui/calculation/ClutchView.h"
#include "ui/genes/CombiDialog.h"
#include "ui/genes/GeneDialogs.h"
#include "ui/genes/LocusDialog.h"
#include "ui/kit/RadioGroup.h"
#include "ui/kit/ReportPrinter.h"
#include "ui/puzzle/PuzzleTab.h"
#include "ui/window/MainWindow.h"
#include "ui/window/NewGeneSetDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPdfWriter>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>

#include <clocale>
#include <cstdio>
#include <fstream>

namespace {

// A control of the window, by its object name.
template <typename T> T* Find(const QObject& window, const char* name) {
    return window.findChild<T*>(name);
}

// Lets the window settle: laid out, painted, and fed what the display sent.
void Settle() {
    const QDeadlineTimer settled(300);
    while (!settled.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool Save(QWidget& window, const QString& file) {
    // A large pairing is calculated beside the window: its picture shows the result.
    for (const TCalculationTab* tab = window.findChild<TCalculationTab*>(); tab && tab->Calculating();)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    Settle();
    if (window.grab().save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

// A board on which the first three columns are one purple group of 36 stones and the next two one green
// group of 24: taking the first scores 1260, and marking the second shows 552 more.
TBoardLayout FourDigitGame() {
    TBoardLayout layout;
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = 0; r < BoardRows; ++r)
            layout[c][r] = {c < 3 ? 0 : c < 5 ? 1 : 3 + (c + r) % 2, false};
    return layout;
}

// A 66% poss. het. Amel male (bred from two hets) with a het. Amel female, picked in the selectors as a
// breeder picks them, shown with the share of possible hets.
bool SavePossibleHets(TMainWindow& window, const QString& file) {
    Find<QTabWidget>(window, "MainTabs")->setCurrentWidget(Find<QWidget>(window, "CalculationTab"));
    Find<QToolButton>(window, "ClearAllButton")->click();
    Find<TRadioGroup>(window, "CombiChoice")->SetItemIndex(0);
    Find<TRadioGroup>(window, "PhenotypeChoice")->SetItemIndex(0);
    Find<TRadioGroup>(window, "PossibleHetsChoice")->SetItemIndex(0);
    const auto pick = [](QScrollArea* box, const QString& entry) {
        auto* amel = box->widget()->findChildren<QComboBox*>().first();
        amel->setCurrentIndex(amel->findText(entry));
        emit amel->activated(amel->currentIndex());
    };
    pick(Find<QScrollArea>(window, "MaleSelectors"), "+a 66% poss. het. Amelanistic");
    pick(Find<QScrollArea>(window, "FemaleSelectors"), "+a het. Amel");
    return Save(window, file);
}

// Het Amel parents and their normal-looking son Rex (2/3), who sired four normal-looking young with an
// Amel female (1/9) and a daughter with a normal female (1/18); Rex selected.
bool SaveAnimalsTab(TMainWindow& window, const QString& file) {
    TAnimalList family;
    std::string message;
    ReadAnimalCsv(
        "name,sex,morph,sire,dam\n"
        "Dad,male,het Amelanistic,,\nMum,female,het Amelanistic,,\nRex,male,,Dad,Mum\n"
        "Ruby,female,Amelanistic,,\nNell,female,,,\n"
        "Pip,unknown,,Rex,Ruby\nPod,unknown,,Rex,Ruby\nPeg,unknown,,Rex,Ruby\nPat,unknown,,Rex,Ruby\n"
        "Dot,female,,Rex,Nell\n",
        family, message);
    TAnimalKeeper& keeper = window.AnimalKeeper();
    if (!keeper.ImportAnimals(keeper.GeneSetInMemory(), family, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return false;
    }
    Find<QTabWidget>(window, "MainTabs")->setCurrentWidget(Find<QWidget>(window, "AnimalsTab"));
    auto* list = Find<QTreeWidget>(window, "AnimalListView");
    list->setCurrentItem(list->findItems("Rex", Qt::MatchExactly).value(0));
    return Save(window, file);
}

// A picture for the guide: a snake drawn in the colours of a morph, standing in for a breeder's photograph.
bool DrawMorph(const QString& file, QColor body, QColor blotches) {
    QImage picture(480, 320, QImage::Format_RGB32);
    picture.fill(QColor(214, 196, 160));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath snake(QPointF(40, 160));
    for (int bend = 0; bend < 4; ++bend)
        snake.cubicTo(90 + bend * 100, bend % 2 ? 280 : 40, 110 + bend * 100, bend % 2 ? 280 : 40,
                      140 + bend * 100, 160);
    painter.setPen(QPen(body, 46, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(snake);
    painter.setPen(QPen(blotches, 22, Qt::DotLine, Qt::RoundCap));
    painter.drawPath(snake);
    painter.end();
    return picture.save(file, "JPEG", 85);
}

// The pictures the breeders' guide shows beyond the README's: the dialogs to edit a locus, add a gene and
// edit a combination, the New dialog starting from a shipped set, the Images tab with pictures of the two
// combinations it shows first, and the printed report as a PDF page (docs/screenshots.sh turns it into a
// PNG).
bool SaveGuidePictures(TMainWindow& window, const QDir& pictures, const QDir& folder) {
    Find<QTabWidget>(window, "MainTabs")->setCurrentWidget(Find<QWidget>(window, "GeneManagementTab"));
    TLocusDialog locus(&window);
    locus.SetLocus(window.LocusList()[0]);
    locus.show();
    bool saved = Save(locus, pictures.filePath("edit-locus-dialog.png"));
    locus.close();

    TGene scaleless('?', '?', "New gene");
    TAddGeneDialog gene(&window, window.LocusList());
    gene.SetGene(&scaleless);
    gene.GeneNameEdit->setText("Scaleless");
    gene.GeneIdEdit->setText("s");
    gene.show();
    saved = Save(gene, pictures.filePath("add-gene-dialog.png")) && saved;
    gene.close();

    TCombiDialog combi(&window, window.LocusList());
    combi.SetCombi(window.CombiList()[1]);
    combi.show();
    saved = Save(combi, pictures.filePath("edit-combi-dialog.png")) && saved;
    combi.close();

    TNewGeneSetDialog newSet(&window);
    newSet.SetSetInMemory(Find<QComboBox>(window, "GeneSetSelector")->currentText());
    newSet.SetNameEdit->setText("Royals");
    newSet.show();
    // Opened on its first entry, the list drops below the field and leaves the name in sight.
    newSet.StartFromSelector->showPopup();
    newSet.StartFromSelector->view()->setCurrentIndex(
        newSet.StartFromSelector->model()->index(newSet.StartFromSelector->findText("Ball Python"), 0));
    Settle();
    // The open list is a window of its own, so the picture is taken from the screen.
    QWidget* list = newSet.StartFromSelector->view()->window();
    const QRect shown = newSet.frameGeometry().united(list->frameGeometry()).adjusted(-4, -4, 4, 4);
    saved = newSet.screen()
                ->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
                .save(pictures.filePath("new-gene-set-dialog.png")) &&
            saved;
    newSet.StartFromSelector->hidePopup();
    newSet.close();

    folder.mkpath("Img");
    saved =
        DrawMorph(folder.filePath("Img/Serpentia-Sulfur.jpg"), QColor(244, 214, 120), QColor(236, 170, 60)) &&
        DrawMorph(folder.filePath("Img/Serpentia-Snow.jpg"), QColor(250, 246, 240), QColor(246, 196, 200)) &&
        saved;
    window.BuildImageFrames();
    Find<QTabWidget>(window, "MainTabs")->setCurrentWidget(Find<QWidget>(window, "PicturesTab"));
    saved = Save(window, pictures.filePath("images-tab.png")) && saved;

    Find<QLineEdit>(window, "MaleCodesEdit")->setText("+a+e");
    Find<QLineEdit>(window, "FemaleCodesEdit")->setText("aaee");
    window.RestoreParentSelection();
    Find<QToolButton>(window, "CalculateButton")->click();
    QPdfWriter page(pictures.filePath("printed-report.pdf"));
    page.setPageSize(QPageSize(QPageSize::A4));
    page.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    PrintDocument(*Find<TReportView>(window, "ReportView")->Document(), page);
    return saved;
}

// Spider x Bumblebee het. Albino in the ball python set, with Super Spider marked lethal as some breeders
// hold it, pictures of three morphs, and two lines selected.
bool SaveClutchView(TMainWindow& window, const QDir& pictures) {
    const std::string set = "Ball Python";
    std::string text = ShippedGeneSetText(set).value_or("");
    text.replace(text.find("2-2=Note:"), 9, "2-2=Lethal:");
    std::ofstream(window.AppDir() + "/" + set + ".INI", std::ios::binary) << text;
    QDir().mkpath(QString::fromStdString(PictureFolderPath(window.AppDir())));
    const auto picture = [&](const std::string& name, QColor ground, QColor pattern) {
        return DrawMorph(QString::fromStdString(PictureFilePath(window.AppDir(), set, name)), ground,
                         pattern);
    };
    bool saved = picture("Pastel", QColor(214, 170, 40), QColor(90, 60, 30)) &&
                 picture("Spider", QColor(170, 120, 60), QColor(40, 30, 20)) &&
                 picture("Bumblebee", QColor(235, 200, 40), QColor(60, 40, 20));
    Find<QTabWidget>(window, "MainTabs")->setCurrentWidget(Find<QWidget>(window, "CalculationTab"));
    window.resize(1180, 860);
    window.ListGeneSets();
    Find<QComboBox>(window, "GeneSetSelector")->setEditText(QString::fromStdString(set));
    window.SwitchToChosenGeneSet();
    Find<QLineEdit>(window, "MaleCodesEdit")->setText("+p+s++");
    Find<QLineEdit>(window, "FemaleCodesEdit")->setText("+++s+a");
    window.RestoreParentSelection();
    Find<QToolButton>(window, "CalculateButton")->click();
    QTableView* view = Find<QTableView>(window, "ClutchTable");
    view->selectionModel()->select(view->model()->index(1, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(view->model()->index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return Save(window, pictures.filePath("clutch-view.png")) && saved;
}

// The same window on a dark theme, as a desktop set to one gives it.
bool SaveOnDarkTheme(TMainWindow& window, const QString& file) {
    const QPalette light = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(220, 220, 220));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(220, 220, 220));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(220, 220, 220));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    QApplication::setPalette(dark);
    const bool saved = Save(window, file);
    QApplication::setPalette(light);
    return saved;
}

// The Plan tab over the ball python family of the README: het. Clown parents, two of their young and a
// Clown female, ranked for Pastel Clown or Clown in a clutch of six, the best pairing selected.
bool SavePlanTab(TMainWindow& window, const QString& file) {
    const TAnimalList family = {
        {"Rex", TSex::Male, "Pastel het Clown", "", "", "", ""},
        {"Bella", TSex::Female, "Clown", "", "", "", ""},
        {"Dot", TSex::Female, "het Clown", "", "", "", ""},
        {"Pip", TSex::Male, "", "Rex", "Dot", "", ""},
        {"Ivy", TSex::Female, "Pastel", "Rex", "Dot", "", ""},
    };
    std::string message;
    if (!window.AnimalKeeper().ImportAnimals(window.AnimalKeeper().GeneSetInMemory(), family, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return false;
    }
    Find<QTabWidget>(window, "MainTabs")->setCurrentWidget(Find<QWidget>(window, "PlanTab"));
    Find<QSpinBox>(window, "PlanClutchSpinBox")->setValue(6);
    auto* goal = Find<QLineEdit>(window, "PlanGoalEdit");
    goal->setText("any of Pastel Clown, Clown");
    goal->setModified(true);
    emit goal->editingFinished();
    Find<QTableView>(window, "PlanView")->selectRow(0);
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

    TMainWindow window(QFile::encodeName(folder.path()).toStdString());
    window.show();
    const QDeadlineTimer shown(10000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !shown.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const auto pair = [&window](const QString& male, const QString& female) {
        Find<QLineEdit>(window, "MaleCodesEdit")->setText(male);
        Find<QLineEdit>(window, "FemaleCodesEdit")->setText(female);
        window.RestoreParentSelection();
        Find<QToolButton>(window, "CalculateButton")->click();
    };

    pair("+a+e", "aaee");
    bool saved = Save(window, pictures.filePath("calculation-tab.png"));
    pair("+a+b+c+d+e+f+g+h+i+k", "+a+b+c+d+e+f+g+h+i+k");
    saved = Save(window, pictures.filePath("calculation-tab-ten-loci.png")) && saved;
    // Small screens, the window's frame taking its share of the height.
    const QSize usual = window.size();
    for (const QSize screen : {QSize(1024, 640), QSize(800, 600)}) {
        window.resize(screen - QSize(0, 30));
        saved = Save(window,
                     pictures.filePath(
                         QString("calculation-tab-%1x%2.png").arg(screen.width()).arg(screen.height()))) &&
                saved;
    }
    Find<QTabWidget>(window, "MainTabs")->setCurrentWidget(Find<QWidget>(window, "GeneManagementTab"));
    saved = Save(window, pictures.filePath("gene-management-tab-800x600.png")) && saved;
    window.resize(usual);
    saved = Save(window, pictures.filePath("gene-management-tab.png")) && saved;

    auto* fun = static_cast<TPuzzleTab*>(Find<QWidget>(window, "PuzzleTab"));
    Find<QTabWidget>(window, "MainTabs")->setCurrentWidget(fun);
    fun->Board().LayOut(FourDigitGame());
    fun->ClickBoard(15, 15);
    fun->ClickBoard(15, 15);
    fun->ClickBoard(3 * TBoard::CellSize + 15, 15);
    saved = Save(window, pictures.filePath("fun-tab.png")) && saved;

    TEditGeneDialog dialog(&window, window.LocusList());
    dialog.SetGene(window.LocusList()[0]->Genes()[2]);
    dialog.show();
    saved = Save(dialog, pictures.filePath("edit-gene-dialog.png")) && saved;
    dialog.close();
    saved = SaveGuidePictures(window, pictures, QDir(folder.path())) && saved;
    saved = SavePossibleHets(window, pictures.filePath("possible-hets.png")) && saved;
    saved = SaveAnimalsTab(window, pictures.filePath("animals-tab.png")) && saved;
    saved = SaveClutchView(window, pictures) && saved;
    saved = SaveOnDarkTheme(window, pictures.filePath("clutch-view-dark.png")) && saved;
    saved = SavePlanTab(window, pictures.filePath("plan-tab.png")) && saved;
    window.close();
    return saved ? 0 : 1;
}
