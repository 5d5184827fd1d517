#include "ui/uFrmMain.h"

#include "calc/Calculation.h"
#include "model/Text.h"
#include "storage/FileIO.h"
#include "storage/GeneSetFolder.h"
#include "storage/IniFile.h"
#include "storage/PairingFile.h"
#include "storage/ShippedGeneSets.h"
#include "ui/ClutchView.h"
#include "ui/CoreText.h"
#include "ui/FileDialogs.h"
#include "ui/FramePlacement.h"
#include "ui/FunTab.h"
#include "ui/RadioGroup.h"
#include "ui/ShowMessage.h"
#include "ui/uFrmEditIniFileName.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString PairingFilter = "Zygora gene selection (*.zyg)";

const char* const ClutchViewSection = "Config";
const char* const ClutchViewKey = "ClutchView";

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

TfrmMain::TfrmMain(const std::string& appDir, QWidget* parent)
    : QMainWindow(parent), FAppDir(appDir),
      FBackups(appDir), FFramePictures{appDir, [this] { return SelectedGeneSet(); },
                                       [this](const std::string& file, const std::string& message) {
                                           ShowPictureProblem(file, message);
                                       }} {
    setObjectName("frmMain");
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
    layout->addWidget(BuildTopSelection());
    pcMain = new QTabWidget(central);
    pcMain->setObjectName("pcMain");
    layout->addWidget(pcMain, 1);
    setCentralWidget(central);

    BuildGeneTab();
    BuildCalcTab();
    BuildImagesTab();
    // The puzzle's board is created and its first game dealt here, before the gene set is loaded.
    tsFun = AddTab(new TFunTab(pcMain), "tsFun", "Fun");
    BuildAboutTab();

    move(83, 48);
    resize(906, 657 + menuBar()->sizeHint().height());
    FFramePlacement = new TFramePlacement(this);
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // Widgets going away emit signals (a selector losing focus finishes its editing); they must reach a
    // window whose gene set still exists, so the widgets go first.
    delete takeCentralWidget();
}

QWidget* TfrmMain::AddTab(QWidget* page, const QString& name, const QString& caption) {
    page->setObjectName(name);
    pcMain->addTab(page, caption);
    return page;
}

void TfrmMain::BuildMenu() {
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("File1");
    miLoadGeneSet = file->addAction("Load calculation", this, &TfrmMain::miLoadGeneSetClick);
    miLoadGeneSet->setObjectName("miLoadGeneSet");
    miLoadGeneSet->setShortcut(QKeySequence::Open);
    miSaveSelection = file->addAction("Save current calculation", this, &TfrmMain::miSaveSelectionClick);
    miSaveSelection->setObjectName("miSaveSelection");
    miSaveSelection->setShortcut(QKeySequence::Save);
    file->addSeparator();
    miExit = file->addAction("&Close", this, &TfrmMain::btnCloseClick);
    miExit->setObjectName("miExit");
    miExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

QWidget* TfrmMain::BuildTopSelection() {
    auto* panel = new QWidget(this);
    panel->setObjectName("pnlTopSelection");
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    cbxSelectIniFile = new QComboBox(panel);
    cbxSelectIniFile->setObjectName("cbxSelectIniFile");
    cbxSelectIniFile->setEditable(true);
    cbxSelectIniFile->setInsertPolicy(QComboBox::NoInsert);
    cbxSelectIniFile->setMinimumWidth(200);
    btnNewIniFile = new QPushButton("New", panel);
    btnNewIniFile->setObjectName("btnNewIniFile");
    layout->addWidget(cbxSelectIniFile);
    layout->addWidget(btnNewIniFile);
    layout->addStretch();
    // A switch happens on a picked entry or a confirmed name, never on each typed letter, nor when the
    // field is left: Qt's editable list would pick the entry matching the text left in it by itself.
    QObject::disconnect(cbxSelectIniFile->lineEdit(), &QLineEdit::editingFinished, cbxSelectIniFile, nullptr);
    connect(cbxSelectIniFile, &QComboBox::activated, this, &TfrmMain::cbxSelectIniFileChange);
    connect(cbxSelectIniFile->lineEdit(), &QLineEdit::returnPressed, this, &TfrmMain::cbxSelectIniFileChange);
    connect(cbxSelectIniFile->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (cbxSelectIniFile->currentText() != FSelectedName)
            ShowSelectedGeneSet(FSelectedName);
    });
    connect(btnNewIniFile, &QPushButton::clicked, this, &TfrmMain::btnNewIniFileClick);
    return panel;
}

std::string TfrmMain::SelectedGeneSet() const {
    return ToCore(FSelectedName);
}

void TfrmMain::ShowSelectedGeneSet(const QString& name) {
    FSelectedName = name;
    const QSignalBlocker blocker(cbxSelectIniFile);
    // Only the entry of the set in memory is current: one that Qt made current by itself (the first entry
    // added to an empty list) would name another set than the one in memory.
    cbxSelectIniFile->setCurrentIndex(
        name.isEmpty() ? -1 : cbxSelectIniFile->findText(name, Qt::MatchFixedString));
    cbxSelectIniFile->setEditText(name);
}

void TfrmMain::FormCreate() {
    const bool firstStart = !QFileInfo::exists(FromCore(MainSettingsPath(FAppDir)));
    // A main settings file that cannot be read leaves the window without a set, and so without a name that
    // the selector could show.
    if (!LoadGeneSet())
        FGeneSet.IniFile.clear();
    ListGeneSets();
    // Without a main settings file the set in memory is empty; take the set the selector shows instead,
    // so that the exit does not save an empty set over it.
    if (firstStart && !FSelectedName.isEmpty() && !LoadGeneSet())
        ShowSelectedGeneSet({});
    RestoreParentSelection();
    BuildImageFrames();
    RestoreClutchViewChoice();
    pcMain->setCurrentWidget(tsCalc);
}

void TfrmMain::FormDestroy() {
    if (FDestroyed)
        return;
    FDestroyed = true;
    SaveAtExit();
    ForgetGeneViews();
}

// Both copies of the set in memory, then the name of the set in the main settings file; a save that
// fails ends the sequence.
void TfrmMain::SaveAtExit() {
    const std::string mainSettings = MainSettingsPath(FAppDir);
    if (!SaveAutomatically(mainSettings))
        return;
    const std::string name = SelectedGeneSet();
    if (IsValidGeneSetName(name) && !SaveAutomatically(GeneSetPath(FAppDir, name)))
        return;
    if (FUnreadFiles.contains(mainSettings))
        return;
    FBackups.KeepBeforeReplacing(mainSettings);
    std::string message;
    if (!WriteFileKey(mainSettings, "Statistics", "IniFile", name, message)) {
        ShowMessage(FromCore(message));
        return;
    }
    KeepClutchViewChoice(mainSettings);
}

// The view is shown unless the key says otherwise; the key is written only while it is hidden, and the
// save of the whole file before it drops the key.
void TfrmMain::RestoreClutchViewChoice() {
    std::string content;
    std::string reason;
    if (ReadWholeFile(MainSettingsPath(FAppDir), content, reason) == TReadResult::Ok)
        chkClutchView->setChecked(TIniFile(content).ReadValue(ClutchViewSection, ClutchViewKey) != "0");
}

void TfrmMain::KeepClutchViewChoice(const std::string& mainSettings) {
    std::string message;
    if (!chkClutchView->isChecked() &&
        !WriteFileKey(mainSettings, ClutchViewSection, ClutchViewKey, "0", message))
        ShowMessage(FromCore(message));
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormDestroy();
    event->accept();
}

void TfrmMain::btnCloseClick() {
    close();
}

bool TfrmMain::LoadGeneSet() {
    const std::string name = SelectedGeneSet();
    const std::string path = name.empty() ? MainSettingsPath(FAppDir) : GeneSetPath(FAppDir, name);
    TGeneSet loaded;
    const TGeneSetLoad load = ::LoadGeneSet(path, loaded);
    if (load.Kind == TGeneSetLoad::TKind::Unreadable) {
        FUnreadFiles.insert(path);
        ShowMessage(FromCore(load.Message));
        return false;
    }
    FUnreadFiles.erase(path);
    ForgetGeneViews();
    FGeneSet = std::move(loaded);
    // The set in memory is the one picked, whatever name its file recorded.
    if (!name.empty())
        FGeneSet.IniFile = name;
    ApplyGeneSetState();
    if (!load.Message.empty())
        ShowMessage(FromCore(load.Message));
    btnCalcClick();
    return true;
}

void TfrmMain::ApplyGeneSetState() {
    FFramePlacement->Place(
        QRect(std::min(FGeneSet.Left, MaxWindowSide), std::min(FGeneSet.Top, MaxWindowSide),
              std::min(FGeneSet.Width, MaxWindowSide), std::min(FGeneSet.Height, MaxWindowSide)));

    rgRatio->SetItemIndex(ChoiceItem(FGeneSet.RatioIndex, rgRatio->ItemCount()));
    rgCombi->SetItemIndex(ChoiceItem(FGeneSet.CombiIndex, rgCombi->ItemCount()));
    rgPheno->SetItemIndex(ChoiceItem(FGeneSet.PhenotypeIndex, rgPheno->ItemCount()));
    rgPossible->SetItemIndex(ChoiceItem(FGeneSet.PossibleHetsIndex, rgPossible->ItemCount()));
    SetCoreText(Edit1, FGeneSet.Male);
    SetCoreText(Edit2, FGeneSet.Female);
    FMale.Possible = FGeneSet.MalePossible;
    FFemale.Possible = FGeneSet.FemalePossible;
    pnlClutch->spnEggs->setValue(FGeneSet.ClutchSize);
}

void TfrmMain::CollectGeneSetState() {
    const QRect frame = frameGeometry();
    FGeneSet.Left = frame.x();
    FGeneSet.Top = frame.y();
    FGeneSet.Width = frame.width();
    FGeneSet.Height = frame.height();
    FGeneSet.Male = CoreTextOf(Edit1);
    FGeneSet.Female = CoreTextOf(Edit2);
    FGeneSet.MalePossible = FMale.Possible;
    FGeneSet.FemalePossible = FFemale.Possible;
    FGeneSet.RatioIndex = rgRatio->ItemIndex();
    FGeneSet.CombiIndex = rgCombi->ItemIndex();
    FGeneSet.PhenotypeIndex = rgPheno->ItemIndex();
    FGeneSet.PossibleHetsIndex = rgPossible->ItemIndex();
    FGeneSet.ClutchSize = pnlClutch->spnEggs->value();
}

bool TfrmMain::SaveGeneSet(const std::string& path) {
    CollectGeneSetState();
    return StoreGeneSet(path, FGeneSet);
}

bool TfrmMain::StoreGeneSet(const std::string& path, const TGeneSet& set) {
    FBackups.KeepBeforeReplacing(path);
    std::string message;
    if (::SaveGeneSet(path, set, message))
        return true;
    ShowMessage(FromCore(message));
    return false;
}

bool TfrmMain::SaveAutomatically(const std::string& path) {
    return FUnreadFiles.contains(path) || SaveGeneSet(path);
}

void TfrmMain::ListGeneSets() {
    const QSignalBlocker blocker(cbxSelectIniFile);
    cbxSelectIniFile->clear();
    QString selected;
    for (const std::string& name : ::ListGeneSets(FAppDir)) {
        InsertSorted(cbxSelectIniFile, FromCore(name));
        if (SameTextIgnoringCase(name, IniFile()))
            selected = FromCore(IniFile());
    }
    ShowSelectedGeneSet(selected);
}

void TfrmMain::cbxSelectIniFileChange() {
    // A typed name of a listed set takes that set's spelling.
    QString name = cbxSelectIniFile->currentText();
    for (int i = 0; i < cbxSelectIniFile->count(); ++i)
        if (SameTextIgnoringCase(cbxSelectIniFile->itemText(i), name)) {
            name = cbxSelectIniFile->itemText(i);
            break;
        }
    if (SameTextIgnoringCase(name, FromCore(IniFile()))) {
        ShowSelectedGeneSet(name);
        return;
    }
    SwitchGeneSet(name);
}

void TfrmMain::SwitchGeneSet(const QString& name) {
    const QString previous = FSelectedName;
    if (const QString refusal = GeneSetNameRefusal(name); !refusal.isEmpty()) {
        ShowMessage(refusal);
        ShowSelectedGeneSet(previous);
        return;
    }
    if (!SaveAutomatically(MainSettingsPath(FAppDir)) || !SaveSetToItsFile()) {
        ShowSelectedGeneSet(previous);
        return;
    }
    ShowSelectedGeneSet(name);
    if (!ReloadGeneSet())
        ShowSelectedGeneSet(previous);
}

// A name that is no file of this folder has no file of its own.
bool TfrmMain::SaveSetToItsFile() {
    return !IsValidGeneSetName(IniFile()) || SaveAutomatically(GeneSetPath(FAppDir, IniFile()));
}

bool TfrmMain::ReloadGeneSet() {
    if (!LoadGeneSet())
        return false;
    RebuildLocusViews();
    return true;
}

void TfrmMain::btnNewIniFileClick() {
    TfrmEditIniFileName dialog(this);
    QStringList existing;
    for (const std::string& name : ::ListGeneSets(FAppDir))
        existing << FromCore(name);
    for (int i = 0; i < cbxSelectIniFile->count(); ++i)
        existing << cbxSelectIniFile->itemText(i);
    dialog.SetExistingNames(existing);
    dialog.SetSetInMemory(FSelectedName);
    if (dialog.exec() != QDialog::Accepted || !SaveNewGeneSet(ToCore(dialog.FileName), dialog.StartFrom()))
        return;
    InsertSorted(cbxSelectIniFile, dialog.FileName);
    // Added to an empty list, the name would become the selector's text without being the set in memory.
    ShowSelectedGeneSet(FSelectedName);
}

// The copy records its own name, so that it is never taken for the set it was copied from.
bool TfrmMain::SaveNewGeneSet(const std::string& name, const QString& startFrom) {
    const std::string path = GeneSetPath(FAppDir, name);
    if (startFrom.isEmpty()) {
        const std::string current = FGeneSet.IniFile;
        FGeneSet.IniFile = name;
        const bool saved = SaveGeneSet(path);
        FGeneSet.IniFile = current;
        return saved;
    }
    const std::string shippedName = ToCore(startFrom);
    TGeneSet shipped;
    LoadGeneSetText(ShippedGeneSetText(shippedName).value_or(""), shipped, shippedName + ".INI");
    shipped.IniFile = name;
    return StoreGeneSet(path, shipped);
}

void TfrmMain::miSaveSelectionClick() {
    const QString path = AskSaveFileName(this, "Save current calculation", PairingFilter, "zyg");
    if (path.isEmpty())
        return;
    std::string message;
    if (!SavePairing(QFile::encodeName(path).toStdString(),
                     {CoreTextOf(Edit1), CoreTextOf(Edit2), FMale.Possible, FFemale.Possible}, message))
        ShowMessage(FromCore(message));
}

void TfrmMain::miLoadGeneSetClick() {
    const QString path = AskOpenFileName(this, "Load calculation", PairingFilter);
    if (path.isEmpty())
        return;
    const std::string file = QFile::encodeName(path).toStdString();
    FGeneSet.CurrentGeneSet = file;
    std::vector<std::string> lines;
    std::string message;
    if (!ReadPairingLines(file, lines, message)) {
        ShowMessage(FromCore(message));
        return;
    }
    std::string damage;
    if (const std::optional<TPairing> pairing = PairingFromLines(lines, damage)) {
        SetCoreText(Edit1, pairing->Male);
        SetCoreText(Edit2, pairing->Female);
        FMale.Possible = pairing->MalePossible;
        FFemale.Possible = pairing->FemalePossible;
    }
    RestoreParentSelection();
    if (!damage.empty())
        ShowMessage(FromCore(damage));
    btnCalcClick();
}
