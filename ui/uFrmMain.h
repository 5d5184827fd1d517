// The main window: gene-set selector, menu, and the tabs Gene management, Calculation, Images, Fun, About.
#pragma once

#include "storage/BackupFolder.h"
#include "storage/GeneSetFile.h"
#include "ui/uPnlImageFrame.h"

#include <QMainWindow>

#include <memory>
#include <set>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTableView;
class QTextEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class TCalcResult;
class TClutchView;
class TFramePlacement;
class TGridModel;
class TRadioGroup;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // `appDir` is the folder of the gene-set files and the main settings file.
    explicit TfrmMain(const std::string& appDir, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The gene set in memory.
    const TGeneSet& GeneSet() const { return FGeneSet; }
    TLocusList& LocusList() { return FGeneSet.LocusList; }
    TCombiList& CombiList() { return FGeneSet.CombiList; }
    const std::string& AppDir() const { return FAppDir; }
    // Name of the gene set in memory, and the path of the saved pairing loaded last.
    const std::string& IniFile() const { return FGeneSet.IniFile; }
    const std::string& CurrentGeneSet() const { return FGeneSet.CurrentGeneSet; }
    // The gene-set name the selector shows, as last picked or confirmed (typing alone changes nothing).
    std::string SelectedGeneSet() const;
    std::string FindGeneName(const std::string& code) const { return FGeneSet.LocusList.FindGeneName(code); }
    // The last calculation's result.
    const TCalcResult* Result() const { return FResult.get(); }

    // Loads the set the selector names, or the main settings file when it names none. A file that cannot
    // be read changes nothing and gives false; until a load reads it, no automatic save replaces it.
    bool LoadGeneSet();
    // Saves the set in memory to `path`, keeping the file it replaces in the backup folder.
    bool SaveGeneSet(const std::string& path);
    void ListGeneSets();
    // Rebuilds the locus selectors of both parents and sets them from Edit1 and Edit2.
    void BuildParentSelection();
    void RestoreParentSelection();
    void RefreshGeneLists();
    void ShowLocusGenes();
    void BuildWeightEditors(const std::string& alleles);
    void RefreshCombiList();
    void BuildImageFrames();
    void ShowLocusImages(TLocus* locus);
    void ShowCombiImage(TCombi* combi);
    TLocus* SelectedLocus() const;
    TGene* SelectedGene() const;
    TCombi* SelectedCombi() const;

    // Controls, named as the window's design names them.
    QComboBox* cbxSelectIniFile;
    QPushButton* btnNewIniFile;
    QAction* miLoadGeneSet;
    QAction* miSaveSelection;
    QAction* miExit;
    QTabWidget* pcMain;
    QWidget* tsIni;
    QWidget* tsCalc;
    QWidget* tsImages;
    QWidget* tsFun;
    QWidget* tsAbout;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    // Under each field: the parent's possible hets with their chances; hidden when it has none.
    QLabel* lblMalePossible;
    QLabel* lblFemalePossible;
    QToolButton* btnCalc;
    QToolButton* btnClearAll;
    TRadioGroup* rgRatio;
    TRadioGroup* rgCombi;
    TRadioGroup* rgPheno;
    TRadioGroup* rgPossible;
    QToolButton* ToolButton1;
    QToolButton* ToolButton2;
    QTextEdit* reResult;
    QTableView* sgResult;
    QLabel* lblGridNote; // beside the grid: it shows every possible het taken as het
    QCheckBox* chkClutchView;
    TClutchView* pnlClutch;
    QScrollArea* sbMale;
    QScrollArea* sbFemale;
    QToolButton* btnClearMale;
    QToolButton* btnClearFemale;
    QTreeWidget* lvLocusList;
    QTreeWidget* lvLocusItems;
    QTreeWidget* lvCombiList;
    QScrollArea* sbLocusItemWeights;
    QScrollArea* sbxImages2;
    QScrollArea* sbxImages;
    QToolButton* btnAddLocus;
    QToolButton* btnEditLocus;
    QToolButton* BtnDeleteLocus;
    QToolButton* btnAddGene;
    QToolButton* btnEditGene;
    QToolButton* btnDeleteGene;
    QToolButton* btnRestoreDefaults;
    QToolButton* btnRefresh;
    QToolButton* btnAddCombi;
    QToolButton* btnEditCombi;
    QToolButton* btnDeleteCombi;
    QToolButton* btnClose;
    QToolButton* btnPrint;
    QLabel* Label5;
    QLabel* Image1;
    QPlainTextEdit* Memo1;
    QLabel* lbEmail;

public slots:
    void btnCalcClick();
    void btnClearAllClick();
    void btnClearMaleClick();
    void btnClearFemaleClick();
    void btnCloseClick();
    void ToolButton1Click();
    void ParentSelectionChange();
    void cbxSelectIniFileChange();
    void btnNewIniFileClick();
    void miLoadGeneSetClick();
    void miSaveSelectionClick();
    void lbEmailClick();
    void lvLocusListSelectItem();
    void lvLocusListDblClick();
    void lvLocusItemsDblClick();
    void lvCombiListSelectItem();
    void btnAddLocusClick();
    void BtnDeleteLocusClick();
    void btnAddGeneClick();
    void btnDeleteGeneClick();
    void btnAddCombiClick();
    void btnEditCombiClick();
    void btnDeleteCombiClick();
    void btnRestoreDefaultsClick();
    void btnRefreshClick();
    void WeightEditorChange(QComboBox* editor);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TParentColumn {
        QScrollArea* Box;
        QVBoxLayout* Rows;
        std::vector<QComboBox*> Selectors; // one per locus, in locus order
        // The genes of the parent's selection string that are only possible hets, with their chances.
        std::vector<TPossibleHet> Possible;
        QLabel* PossibleLabel;
    };

    QWidget* AddTab(QWidget* page, const QString& name, const QString& caption);
    void BuildMenu();
    QWidget* BuildTopSelection();
    void BuildGeneTab();
    void BuildCalcTab();
    QWidget* BuildParentPages();
    void BuildImagesTab();
    void BuildAboutTab();

    void FormCreate();
    void FormDestroy();
    void SaveAtExit();
    // Whether the clutch view is shown is the window's own choice, kept in the main settings file only.
    void RestoreClutchViewChoice();
    void KeepClutchViewChoice(const std::string& mainSettings);
    void BuildParentPanel(TParentColumn& column);
    void ClearParentGenes(TParentColumn& column);
    void SelectParentGenes(TParentColumn& column, const std::string& selection);
    std::string SelectionOf(const TParentColumn& column) const;
    // Typing may remove a possible het's gene from a field, and with it the chance.
    void KeepPossibleHetsOfFields();
    void ShowPossibleHets();
    void ForgetGeneViews();
    enum class TGeneListRefill { All, SelectedLocus };
    // After loci or genes changed: the gene lists (all, which selects the first locus, or only the genes
    // of the selected locus, which keeps it in view), the parent selection and the image frames.
    void RebuildLocusViews(TGeneListRefill refill = TGeneListRefill::All);
    // After combinations changed: their list and the image frames.
    void RebuildCombiViews();
    // A frame of the picture strip, `position` frames from its left end.
    TpnlImageFrame* AddStripFrame(const QString& name, int position);
    void ForgetImageFrames();
    // Shows what is wrong with a picture file, once per file and run: every rebuild of the frames reads
    // the file again.
    void ShowPictureProblem(const std::string& pictureFile, const std::string& message);
    // Frees the frames that show this gene or combination before it is freed.
    void ForgetImageFramesOf(const void* object);
    void ApplyGeneSetState();
    void CollectGeneSetState();
    void SwitchGeneSet(const QString& name);
    // Writes the file of a new set `name`: a copy of the set in memory, or of the shipped set
    // `startFrom` when one is named.
    bool SaveNewGeneSet(const std::string& name, const QString& startFrom);
    bool StoreGeneSet(const std::string& path, const TGeneSet& set);
    // Loads the set the selector shows and rebuilds every view of it; false when its file cannot be read.
    bool ReloadGeneSet();
    void ShowSelectedGeneSet(const QString& name);
    // A save at exit or at a switch: a file this run could not read is left as it is. False when the save
    // fails.
    bool SaveAutomatically(const std::string& path);
    // The set in memory into the file of its name, before another set takes its place.
    bool SaveSetToItsFile();

    std::string FAppDir;
    TBackupFolder FBackups;
    std::set<std::string> FUnreadFiles;      // files whose load failed in this run
    std::set<std::string> FReportedPictures; // picture files whose problem has been shown
    TFramePictures FFramePictures;
    TGeneSet FGeneSet;
    TParentColumn FMale{};
    TParentColumn FFemale{};
    QString FSelectedName;
    std::unique_ptr<TCalcResult> FResult;
    TGridModel* FGrid = nullptr;
    TFramePlacement* FFramePlacement = nullptr;
    bool FDestroyed = false;
};
