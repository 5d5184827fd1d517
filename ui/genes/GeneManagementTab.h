// The Gene management tab: the loci, the genes of the selected locus, the strength of each pair of its
// alleles, the combinations, and the strip of their pictures.
#pragma once

#include <QWidget>

#include <string>

class QComboBox;
class QScrollArea;
class QTreeWidget;
class TCombi;
class TGene;
class TGeneSetKeeper;
class TLocus;
class TPictureStrip;
struct TFramePictures;

class TGeneManagementTab : public QWidget {
    Q_OBJECT
public:
    // `keeper` and `pictures` outlive the tab.
    TGeneManagementTab(TGeneSetKeeper& keeper, const TFramePictures& pictures, QWidget* parent);
    // The keyboard starts in the locus list, never in a relation editor that a stray key would change.
    void FocusLocusList();
    // Lists every locus again, which selects the first one, and the combinations.
    void RefreshGeneLists();

signals:
    void CloseRequested();
    void PrintRequested();

private:
    TLocus* SelectedLocus() const;
    TGene* SelectedGene() const;
    TCombi* SelectedCombi() const;
    void ForgetGeneViews();
    void RefreshCombiList();
    void ShowSelectedLocus();
    // The genes of the selected locus and the editors of their relations.
    void ShowLocusGenes();
    void BuildRelationEditors(const std::string& alleles);
    void TakeRelation(QComboBox* editor);
    void ShowSelectedCombi();
    void AddLocus();
    void EditSelectedLocus();
    void DeleteSelectedLocus();
    void AddGene();
    void EditSelectedGene();
    void DeleteSelectedGene();
    void AddCombi();
    void EditSelectedCombi();
    void DeleteSelectedCombi();
    void RestoreDefaults();

    TGeneSetKeeper& FKeeper;
    QTreeWidget* FLocusListView;
    QTreeWidget* FGeneListView;
    QTreeWidget* FCombiListView;
    QScrollArea* FGeneStrengthBox;
    TPictureStrip* FPictureStrip;
};
