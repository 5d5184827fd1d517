// The main window: the gene-set selector and its New button, the File and Edit menus, the tabs Gene
// management, Calculation, Animals, Plan, Images, Fun and About, and the start and the exit. The gene set in
// memory and the breeder's animals are their keepers'; each tab is a part of its own that listens to them.
#pragma once

#include "ui/geneset/AnimalKeeper.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/pictures/PictureFrame.h"

#include <QMainWindow>

#include <set>
#include <string>

class QComboBox;
class QTabWidget;
class TAnimalsTab;
class TCalcResult;
class TCalculationTab;
class TFramePlacement;
class TGeneManagementTab;
class TPicturesTab;

class TMainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `appDir` is the folder of the gene-set files and the main settings file.
    explicit TMainWindow(const std::string& appDir, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // The gene set in memory.
    const TGeneSet& GeneSet() const { return FKeeper.GeneSet(); }
    TLocusList& LocusList() { return FKeeper.LocusList(); }
    TCombiList& CombiList() { return FKeeper.CombiList(); }
    const std::string& AppDir() const { return FKeeper.AppDir(); }
    // Name of the gene set in memory, and the path of the saved pairing loaded last.
    const std::string& GeneSetName() const { return GeneSet().Name; }
    const std::string& PairingFile() const { return GeneSet().PairingFile; }
    // The gene-set name the selector shows, as last picked or confirmed (typing alone changes nothing).
    std::string SelectedGeneSet() const { return FKeeper.SelectedGeneSet(); }
    TAnimalKeeper& AnimalKeeper() { return FAnimalKeeper; }
    // The last calculation's result.
    const TCalcResult* Result() const;

    void ListGeneSets();
    // Switches to the set picked or typed in the selector.
    void SwitchToChosenGeneSet();
    // The parent columns built from the two fields, and the gene lists refilled.
    void RestoreParentSelection();
    void BuildImageFrames();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* AddTab(QWidget* page, const QString& name, const QString& caption);
    void BuildMenu();
    QWidget* BuildGeneSetBar();
    void StartUp();
    void ShutDown();
    // Both copies of the set, the name of the set and the clutch view choice, at the exit.
    void SaveAtExit();
    void ShowSelectedGeneSet(const QString& name);
    void SwitchGeneSet(const QString& name);
    void AddNewGeneSet();
    void LoadCalculation();
    void SaveCalculation();
    // Shows what is wrong with a picture file, once per file and run: every rebuild of the frames reads
    // the file again.
    void ShowPictureProblem(const std::string& pictureFile, const std::string& message);

    TGeneSetKeeper FKeeper;
    TAnimalKeeper FAnimalKeeper; // the breeder's animals, after the set they are worked out against
    std::set<std::string> FReportedPictures; // picture files whose problem has been shown
    TFramePictures FFramePictures;
    // The controls, each under its object name without the F; tests find them by that name.
    QComboBox* FGeneSetSelector;
    QTabWidget* FMainTabs;
    TGeneManagementTab* FGeneManagementTab;
    TCalculationTab* FCalculationTab;
    TAnimalsTab* FAnimalsTab;
    TPicturesTab* FPicturesTab;
    TFramePlacement* FFramePlacement = nullptr;
    bool FShutDown = false;
};
