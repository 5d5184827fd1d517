#include "ui/window/MainWindow.h"

#include "model/Text.h"
#include "storage/GeneSetFolder.h"
#include "storage/PairingFile.h"
#include "ui/about/AboutTab.h"
#include "ui/animals/AnimalsTab.h"
#include "ui/calculation/CalculationTab.h"
#include "ui/genes/GeneManagementTab.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/FileDialogs.h"
#include "ui/kit/FramePlacement.h"
#include "ui/kit/ShowMessage.h"
#include "ui/pictures/PicturesTab.h"
#include "ui/plan/PlanTab.h"
#include "ui/puzzle/PuzzleTab.h"
#include "ui/window/NewGeneSetDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString PairingFilter = "Zygora gene selection (*.zyg)";

// A damaged file may hold any size; a window larger than this is never meant.
constexpr int MaxWindowSide = 10000;

// Gene sets are listed alphabetically, ignoring letter case, as a breeder looks for them; a name goes
// after the names it equals.
void InsertSorted(QComboBox* list, const QString& name) {
    const auto comesBefore = [&name](const QString& listed) {
        const int order = QString::compare(listed, name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : QString::compare(listed, name) <= 0;
    };
    int position = 0;
    while (position < list->count() && comesBefore(list->itemText(position)))
        ++position;
    list->insertItem(position, name);
}

} // namespace

TMainWindow::TMainWindow(const std::string& appDir, QWidget* parent)
    : QMainWindow(parent), FKeeper(appDir),
      FAnimalKeeper(FKeeper), FFramePictures{appDir, [this] { return SelectedGeneSet(); },
                                             [this](const std::string& file, const std::string& message) {
                                                 ShowPictureProblem(file, message);
                                             }} {
    setObjectName("MainWindow");
    setWindowTitle("Zygora");
    QFont eightPoint = font();
    eightPoint.setPointSize(8);
    setFont(eightPoint);
    SetFirstFileDialogFolder(QFile::decodeName(QByteArray::fromStdString(appDir)));
    BuildMenu();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildGeneSetBar());
    FMainTabs = new QTabWidget(central);
    FMainTabs->setObjectName("MainTabs");
    layout->addWidget(FMainTabs, 1);
    setCentralWidget(central);

    // Each part hears of a change of the set in the order it was made: the gene lists first, then the
    // parent columns, then the pictures.
    FGeneManagementTab = new TGeneManagementTab(FKeeper, FFramePictures, FMainTabs);
    AddTab(FGeneManagementTab, "GeneManagementTab", "Gene management");
    FCalculationTab = new TCalculationTab(FKeeper, FMainTabs);
    AddTab(FCalculationTab, "CalculationTab", "Calculation");
    FAnimalsTab = new TAnimalsTab(FAnimalKeeper, FKeeper, FMainTabs);
    AddTab(FAnimalsTab, "AnimalsTab", "Animals");
    auto* planTab = new TPlanTab(FKeeper, FAnimalKeeper, FMainTabs);
    AddTab(planTab, "PlanTab", "Plan");
    FPicturesTab = new TPicturesTab(FKeeper, FFramePictures, FMainTabs);
    AddTab(FPicturesTab, "PicturesTab", "Images");
    // The puzzle's board is created and its first game dealt here, before the gene set is loaded.
    AddTab(new TPuzzleTab(FMainTabs), "PuzzleTab", "Fun");
    AddTab(new TAboutTab(FMainTabs), "AboutTab", "About");
    connect(FGeneManagementTab, &TGeneManagementTab::CloseRequested, this, &QWidget::close);
    connect(FCalculationTab, &TCalculationTab::CloseRequested, this, &QWidget::close);
    connect(FAnimalsTab, &TAnimalsTab::UsedAsParent, this, [this](bool male, const TMorphReading& animal) {
        FCalculationTab->UseParent(male, animal);
        FMainTabs->setCurrentWidget(FCalculationTab);
    });
    connect(planTab, &TPlanTab::PairingChosen, this,
            [this](const TMorphReading& male, const TMorphReading& female) {
                FCalculationTab->UseParent(true, male);
                FCalculationTab->UseParent(false, female);
                FMainTabs->setCurrentWidget(FCalculationTab);
            });
    connect(FGeneManagementTab, &TGeneManagementTab::PrintRequested, FCalculationTab,
            &TCalculationTab::PrintResults);
    connect(FMainTabs, &QTabWidget::currentChanged, this, [this] {
        if (FMainTabs->currentWidget() == FGeneManagementTab)
            FGeneManagementTab->FocusLocusList();
    });

    move(83, 48);
    resize(906, 657 + menuBar()->sizeHint().height());
    FFramePlacement = new TFramePlacement(this);
    connect(&FKeeper, &TGeneSetKeeper::SetReplaced, this, [this] {
        const TGeneSet& set = GeneSet();
        FFramePlacement->Place(QRect(std::min(set.Left, MaxWindowSide), std::min(set.Top, MaxWindowSide),
                                     std::min(set.Width, MaxWindowSide),
                                     std::min(set.Height, MaxWindowSide)));
    });
    connect(&FKeeper, &TGeneSetKeeper::Saving, this, [this] {
        const QRect frame = frameGeometry();
        TGeneSet& set = FKeeper.GeneSet();
        set.Left = frame.x();
        set.Top = frame.y();
        set.Width = frame.width();
        set.Height = frame.height();
    });
    StartUp();
}

TMainWindow::~TMainWindow() {
    // Widgets going away emit signals (a selector losing focus finishes its editing); they must reach a
    // window whose gene set still exists, so the widgets go first.
    delete takeCentralWidget();
}

QWidget* TMainWindow::AddTab(QWidget* page, const QString& name, const QString& caption) {
    page->setObjectName(name);
    FMainTabs->addTab(page, caption);
    return page;
}

void TMainWindow::BuildMenu() {
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("FileMenu");
    auto* loadCalculationAction = file->addAction("Load calculation", this, &TMainWindow::LoadCalculation);
    loadCalculationAction->setObjectName("LoadCalculationAction");
    loadCalculationAction->setShortcut(QKeySequence::Open);
    auto* saveCalculationAction =
        file->addAction("Save current calculation", this, &TMainWindow::SaveCalculation);
    saveCalculationAction->setObjectName("SaveCalculationAction");
    saveCalculationAction->setShortcut(QKeySequence::Save);
    file->addAction("Save report as PDF…", this, [this] { FCalculationTab->SaveResultsAsPdf(); })
        ->setObjectName("SaveReportPdfAction");
    file->addSeparator();
    auto* closeAction = file->addAction("&Close", this, [this] { close(); });
    closeAction->setObjectName("CloseAction");
    closeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menuBar()->addMenu("Edit");
    edit->setObjectName("EditMenu");
    auto* undoAction = edit->addAction("Undo", &FKeeper, &TGeneSetKeeper::Undo);
    undoAction->setObjectName("UndoAction");
    undoAction->setShortcut(QKeySequence::Undo);
    auto* redoAction = edit->addAction("Redo", &FKeeper, &TGeneSetKeeper::Redo);
    redoAction->setObjectName("RedoAction");
    // Ctrl+Shift+Z wherever the desktop's own Redo is another key.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)))
        redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redoAction->setShortcuts(redoKeys);
    const auto showHistory = [this, undoAction, redoAction] {
        const QString undo = FKeeper.UndoName();
        const QString redo = FKeeper.RedoName();
        undoAction->setText(undo.isEmpty() ? "Undo" : "Undo " + undo);
        undoAction->setEnabled(!undo.isEmpty());
        redoAction->setText(redo.isEmpty() ? "Redo" : "Redo " + redo);
        redoAction->setEnabled(!redo.isEmpty());
    };
    showHistory();
    connect(&FKeeper, &TGeneSetKeeper::HistoryChanged, this, showHistory);
}

QWidget* TMainWindow::BuildGeneSetBar() {
    auto* panel = new QWidget(this);
    panel->setObjectName("GeneSetBar");
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    FGeneSetSelector = new QComboBox(panel);
    FGeneSetSelector->setObjectName("GeneSetSelector");
    FGeneSetSelector->setEditable(true);
    FGeneSetSelector->setInsertPolicy(QComboBox::NoInsert);
    FGeneSetSelector->setMinimumWidth(200);
    auto* newGeneSetButton = new QPushButton("New", panel);
    newGeneSetButton->setObjectName("NewGeneSetButton");
    layout->addWidget(FGeneSetSelector);
    layout->addWidget(newGeneSetButton);
    layout->addStretch();
    // A switch happens on a picked entry or a confirmed name, never on each typed letter, nor when the
    // field is left: Qt's editable list would pick the entry matching the text left in it by itself.
    QObject::disconnect(FGeneSetSelector->lineEdit(), &QLineEdit::editingFinished, FGeneSetSelector, nullptr);
    connect(FGeneSetSelector, &QComboBox::activated, this, &TMainWindow::SwitchToChosenGeneSet);
    connect(FGeneSetSelector->lineEdit(), &QLineEdit::returnPressed, this,
            &TMainWindow::SwitchToChosenGeneSet);
    connect(FGeneSetSelector->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (FGeneSetSelector->currentText() != FKeeper.SelectedName())
            ShowSelectedGeneSet(FKeeper.SelectedName());
    });
    connect(newGeneSetButton, &QPushButton::clicked, this, &TMainWindow::AddNewGeneSet);
    return panel;
}

void TMainWindow::ShowSelectedGeneSet(const QString& name) {
    FKeeper.SetSelectedName(name);
    const QSignalBlocker blocker(FGeneSetSelector);
    // Only the entry of the set in memory is current: one that Qt made current by itself (the first entry
    // added to an empty list) would name another set than the one in memory.
    FGeneSetSelector->setCurrentIndex(
        name.isEmpty() ? -1 : FGeneSetSelector->findText(name, Qt::MatchFixedString));
    FGeneSetSelector->setEditText(name);
}

void TMainWindow::StartUp() {
    const std::string mainSettings = MainSettingsPath(AppDir());
    const bool firstStart = !QFileInfo::exists(FromCore(mainSettings));
    // A main settings file that cannot be read leaves the window without a set, and so without a name that
    // the selector could show.
    if (!FKeeper.Load())
        FKeeper.GeneSet().Name.clear();
    ListGeneSets();
    // Without a main settings file the set in memory is empty; take the set the selector shows instead,
    // so that the exit does not save an empty set over it.
    if (firstStart && !FKeeper.SelectedName().isEmpty() && !FKeeper.Load())
        ShowSelectedGeneSet({});
    RestoreParentSelection();
    BuildImageFrames();
    FCalculationTab->RestoreClutchViewChoice(mainSettings);
    FMainTabs->setCurrentWidget(FCalculationTab);
}

void TMainWindow::ShutDown() {
    if (FShutDown)
        return;
    FShutDown = true;
    SaveAtExit();
    FKeeper.TellReleasingAll();
}

void TMainWindow::SaveAtExit() {
    if (FKeeper.SaveAtExit())
        FCalculationTab->KeepClutchViewChoice(MainSettingsPath(AppDir()));
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    ShutDown();
    event->accept();
}

const TCalcResult* TMainWindow::Result() const {
    return FCalculationTab->Result();
}

void TMainWindow::RestoreParentSelection() {
    FCalculationTab->BuildParentSelection();
    FGeneManagementTab->RefreshGeneLists();
}

void TMainWindow::BuildImageFrames() {
    FPicturesTab->BuildFrames();
}

void TMainWindow::ShowPictureProblem(const std::string& pictureFile, const std::string& message) {
    if (FReportedPictures.insert(pictureFile).second)
        ShowMessage(FromCore(message));
}

void TMainWindow::ListGeneSets() {
    const QSignalBlocker blocker(FGeneSetSelector);
    FGeneSetSelector->clear();
    QString selected;
    for (const std::string& name : FKeeper.GeneSetNames()) {
        InsertSorted(FGeneSetSelector, FromCore(name));
        // The set in memory takes the spelling of its file, so that the selector and the list agree.
        if (SameTextIgnoringCase(name, GeneSetName())) {
            selected = FromCore(name);
            FKeeper.GeneSet().Name = name;
        }
    }
    ShowSelectedGeneSet(selected);
}

void TMainWindow::SwitchToChosenGeneSet() {
    // A typed name of a listed set takes that set's spelling.
    QString name = FGeneSetSelector->currentText();
    for (int i = 0; i < FGeneSetSelector->count(); ++i)
        if (SameTextIgnoringCase(FGeneSetSelector->itemText(i), name)) {
            name = FGeneSetSelector->itemText(i);
            break;
        }
    if (SameTextIgnoringCase(name, FromCore(GeneSetName()))) {
        ShowSelectedGeneSet(name);
        return;
    }
    SwitchGeneSet(name);
}

void TMainWindow::SwitchGeneSet(const QString& name) {
    const QString previous = FKeeper.SelectedName();
    if (const QString refusal = GeneSetNameRefusal(name); !refusal.isEmpty()) {
        ShowMessage(refusal);
        ShowSelectedGeneSet(previous);
        return;
    }
    if (!FKeeper.SaveAutomatically(MainSettingsPath(AppDir())) || !FKeeper.SaveSetToItsFile()) {
        ShowSelectedGeneSet(previous);
        return;
    }
    ShowSelectedGeneSet(name);
    if (!FKeeper.Reload())
        ShowSelectedGeneSet(previous);
}

void TMainWindow::AddNewGeneSet() {
    TNewGeneSetDialog dialog(this);
    QStringList existing;
    for (const std::string& name : FKeeper.GeneSetNames())
        existing << FromCore(name);
    for (int i = 0; i < FGeneSetSelector->count(); ++i)
        existing << FGeneSetSelector->itemText(i);
    dialog.SetExistingNames(existing);
    dialog.SetSetInMemory(FKeeper.SelectedName());
    if (dialog.exec() != QDialog::Accepted ||
        !FKeeper.SaveNewGeneSet(ToCore(dialog.FileName), dialog.StartFrom()))
        return;
    InsertSorted(FGeneSetSelector, dialog.FileName);
    // Added to an empty list, the name would become the selector's text without being the set in memory.
    ShowSelectedGeneSet(FKeeper.SelectedName());
}

void TMainWindow::SaveCalculation() {
    const QString path = AskSaveFileName(this, "Save current calculation", PairingFilter, "zyg");
    if (path.isEmpty())
        return;
    std::string message;
    if (!SavePairing(QFile::encodeName(path).toStdString(), FCalculationTab->Pairing(), message))
        ShowMessage(FromCore(message));
}

void TMainWindow::LoadCalculation() {
    const QString path = AskOpenFileName(this, "Load calculation", PairingFilter);
    if (path.isEmpty())
        return;
    const std::string file = QFile::encodeName(path).toStdString();
    FKeeper.GeneSet().PairingFile = file;
    std::vector<std::string> lines;
    std::string message;
    if (!ReadPairingLines(file, lines, message)) {
        ShowMessage(FromCore(message));
        return;
    }
    std::string damage;
    if (const std::optional<TPairing> pairing = PairingFromLines(lines, damage))
        FCalculationTab->SetPairing(*pairing);
    RestoreParentSelection();
    if (!damage.empty())
        ShowMessage(FromCore(damage));
    FCalculationTab->Calculate();
}
