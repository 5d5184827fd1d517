#include "ui/genes/GeneManagementTab.h"

#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFolder.h"
#include "storage/IniFile.h"
#include "ui/genes/CombiDialog.h"
#include "ui/genes/GeneDialogs.h"
#include "ui/genes/LocusDialog.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/ShowMessage.h"
#include "ui/kit/ToolPictures.h"
#include "ui/kit/WidgetKit.h"
#include "ui/pictures/PictureFrame.h"
#include "ui/pictures/PictureStrip.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>
#include <string_view>

namespace {

// A relation's sentence, whole: its row is as wide as the sentence reaches.
void FitSentence(QLabel* label) {
    label->adjustSize();
    label->parentWidget()->setMinimumWidth(label->geometry().right() + 8);
}

QString RestoreDefaultsQuestion(const std::string& mainSettings, const std::string& serpentia) {
    return "Restore defaults writes the built-in Serpentia gene set over\n\"" + FromCore(mainSettings) +
           "\" and\n\"" + FromCore(serpentia) +
           "\".\nChanges made to Serpentia are lost; the files as they were when Zygora started are kept in "
           "the folder \"" +
           BackupFolderName + "\".\n\nRestore the defaults?";
}

// Every list item holds the model object it shows.
constexpr int ObjectRole = Qt::UserRole;

template <typename T> T* ObjectOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<T*>(item->data(0, ObjectRole).value<quintptr>()) : nullptr;
}

template <typename T> QTreeWidgetItem* AddItem(QTreeWidget* list, const QStringList& columns, T* object) {
    auto* item = new QTreeWidgetItem(list, columns);
    item->setData(0, ObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    return item;
}

QTreeWidget* MakeListView(QWidget* parent, const QString& name, const QStringList& columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

// A relation of the pair an editor offers ("x < y"): its two alleles in either order around one of > < =,
// single blanks between.
bool IsRelationOfPair(const std::string& relation, const std::string& offered) {
    if (relation.size() != 5 || relation[1] != ' ' || relation[3] != ' ' ||
        std::string_view("<>=").find(relation[2]) == std::string_view::npos)
        return false;
    const char x = offered[0];
    const char y = offered[4];
    return (relation[0] == x && relation[4] == y) || (relation[0] == y && relation[4] == x);
}

QString DeleteLocusQuestion(const TLocus& locus) {
    const int genes = locus.Genes().Count();
    const QString what = genes == 0   ? QString()
                         : genes == 1 ? QString(" and its gene")
                                      : " and its " + QString::number(genes) + " genes";
    return "Delete the locus \"" + FromCore(locus.Name) + "\"" + what + "?";
}

template <typename T> T* SelectedObject(const QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : ObjectOf<T>(selected.first());
}

} // namespace

TGeneManagementTab::TGeneManagementTab(TGeneSetKeeper& keeper, const TFramePictures& pictures,
                                       QWidget* parent)
    : QWidget(parent), FKeeper(keeper) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    // A column: its heading, its tool bar, and what it lists.
    const auto addColumn = [&](const QString& labelName, const QString& caption, QToolBar* bar, QWidget* list,
                               int stretch) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(caption, this);
        label->setObjectName(labelName);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        column->addWidget(label);
        column->addWidget(bar);
        column->addWidget(list, 1);
        columns->addLayout(column, stretch);
    };
    const auto button = [this](const QString& name, const QString& hint, TToolPicture image) {
        return MakeToolButton(this, name, hint, image);
    };

    auto* addLocusButton = button("AddLocusButton", "Add locus", TToolPicture::Add);
    auto* editLocusButton = button("EditLocusButton", "Edit Locus", TToolPicture::Edit);
    auto* deleteLocusButton = button("DeleteLocusButton", "Delete locus", TToolPicture::Delete);
    FLocusListView = MakeListView(this, "LocusListView", {"Name"});
    addColumn("LociHeading", "List of locus",
              MakeToolBar(this, "LocusToolBar", {addLocusButton, editLocusButton, deleteLocusButton}),
              FLocusListView, 2);

    auto* addGeneButton = button("AddGeneButton", "Add Gene to locus", TToolPicture::Add);
    auto* editGeneButton = button("EditGeneButton", "Edit gene", TToolPicture::Edit);
    auto* deleteGeneButton = button("DeleteGeneButton", "Delete gene from locus", TToolPicture::Delete);
    FGeneListView = MakeListView(this, "GeneListView", {"ID", "Name"});
    FGeneListView->setColumnWidth(0, 35);
    addColumn("GenesHeading", "Genes on that locus",
              MakeToolBar(this, "GeneToolBar", {addGeneButton, editGeneButton, deleteGeneButton}),
              FGeneListView, 2);

    auto* restoreDefaultsButton =
        button("RestoreDefaultsButton", "Restore defaults (serpentia only)", TToolPicture::Clear);
    auto* refreshButton = button("RefreshButton", "Refresh", TToolPicture::Refresh);
    FGeneStrengthBox = MakeRowBox(this, "GeneStrengthBox");
    // A narrow window scrolls the sentences rather than cutting them.
    FGeneStrengthBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    addColumn("GeneStrengthHeading", "Gene strength",
              MakeToolBar(this, "GeneStrengthToolBar", {restoreDefaultsButton, refreshButton}),
              FGeneStrengthBox, 3);

    auto* addCombiButton = button("AddCombiButton", "Add Combi", TToolPicture::Add);
    auto* editCombiButton = button("EditCombiButton", "Edit Combi", TToolPicture::Edit);
    auto* deleteCombiButton = button("DeleteCombiButton", "Delete Combi", TToolPicture::Delete);
    auto* genesCloseButton = button("GenesCloseButton", "Close program", TToolPicture::Close);
    auto* genesPrintButton = button("GenesPrintButton", "Print results", TToolPicture::Print);
    FCombiListView = MakeListView(this, "CombiListView", {"ID", "Name"});
    addColumn(
        "CombisHeading", "Combinations",
        MakeToolBar(this, "CombiToolBar",
                    {addCombiButton, editCombiButton, deleteCombiButton, genesCloseButton, genesPrintButton}),
        FCombiListView, 2);

    FPictureStrip = new TPictureStrip(pictures, this);
    layout->addWidget(FPictureStrip);

    connect(FLocusListView, &QTreeWidget::itemSelectionChanged, this, &TGeneManagementTab::ShowSelectedLocus);
    connect(FLocusListView, &QTreeWidget::itemDoubleClicked, this, &TGeneManagementTab::EditSelectedLocus);
    connect(FGeneListView, &QTreeWidget::itemDoubleClicked, this, &TGeneManagementTab::EditSelectedGene);
    connect(FCombiListView, &QTreeWidget::itemSelectionChanged, this, &TGeneManagementTab::ShowSelectedCombi);
    connect(FCombiListView, &QTreeWidget::itemDoubleClicked, this, &TGeneManagementTab::EditSelectedCombi);
    connect(addLocusButton, &QToolButton::clicked, this, &TGeneManagementTab::AddLocus);
    connect(editLocusButton, &QToolButton::clicked, this, &TGeneManagementTab::EditSelectedLocus);
    connect(deleteLocusButton, &QToolButton::clicked, this, &TGeneManagementTab::DeleteSelectedLocus);
    connect(addGeneButton, &QToolButton::clicked, this, &TGeneManagementTab::AddGene);
    connect(editGeneButton, &QToolButton::clicked, this, &TGeneManagementTab::EditSelectedGene);
    connect(deleteGeneButton, &QToolButton::clicked, this, &TGeneManagementTab::DeleteSelectedGene);
    connect(restoreDefaultsButton, &QToolButton::clicked, this, &TGeneManagementTab::RestoreDefaults);
    connect(refreshButton, &QToolButton::clicked, this, &TGeneManagementTab::RefreshGeneLists);
    connect(addCombiButton, &QToolButton::clicked, this, &TGeneManagementTab::AddCombi);
    connect(editCombiButton, &QToolButton::clicked, this, &TGeneManagementTab::EditSelectedCombi);
    connect(deleteCombiButton, &QToolButton::clicked, this, &TGeneManagementTab::DeleteSelectedCombi);
    connect(genesCloseButton, &QToolButton::clicked, this, &TGeneManagementTab::CloseRequested);
    connect(genesPrintButton, &QToolButton::clicked, this, &TGeneManagementTab::PrintRequested);
    connect(&keeper, &TGeneSetKeeper::ReleasingAll, this, &TGeneManagementTab::ForgetGeneViews);
    connect(&keeper, &TGeneSetKeeper::Removing, this,
            [this](const void* object) { FreeFramesOf(FPictureStrip, object); });
    connect(&keeper, &TGeneSetKeeper::LociChanged, this, [this](bool keepLocus) {
        if (keepLocus)
            ShowLocusGenes();
        else
            RefreshGeneLists();
    });
    connect(&keeper, &TGeneSetKeeper::CombisChanged, this, &TGeneManagementTab::RefreshCombiList);
}

void TGeneManagementTab::FocusLocusList() {
    FLocusListView->setFocus();
}

TLocus* TGeneManagementTab::SelectedLocus() const {
    return SelectedObject<TLocus>(FLocusListView);
}
TGene* TGeneManagementTab::SelectedGene() const {
    return SelectedObject<TGene>(FGeneListView);
}
TCombi* TGeneManagementTab::SelectedCombi() const {
    return SelectedObject<TCombi>(FCombiListView);
}

void TGeneManagementTab::ForgetGeneViews() {
    FGeneListView->clear();
    FLocusListView->clear();
    FCombiListView->clear();
    FreeFrames(FPictureStrip);
}

void TGeneManagementTab::RefreshGeneLists() {
    FLocusListView->clear();
    FGeneListView->clear();
    for (int i = 0; i < FKeeper.LocusList().Count(); ++i)
        AddItem(FLocusListView, {FromCore(FKeeper.LocusList()[i]->Name)}, FKeeper.LocusList()[i]);
    if (FLocusListView->selectedItems().isEmpty() && FLocusListView->topLevelItemCount() > 0)
        FLocusListView->topLevelItem(0)->setSelected(true);
    RefreshCombiList();
}

void TGeneManagementTab::ShowSelectedLocus() {
    if (SelectedLocus() == nullptr)
        return;
    ShowLocusGenes();
    FPictureStrip->ShowLocus(*SelectedLocus());
}

void TGeneManagementTab::ShowLocusGenes() {
    FGeneListView->clear();
    TLocus* locus = SelectedLocus();
    if (locus == nullptr)
        return;
    std::string alleles;
    for (int i = 0; i < locus->Genes().Count(); ++i) {
        TGene* gene = locus->Genes()[i];
        const std::string code = gene->Code();
        AddItem(FGeneListView, {FromCore(code), FromCore(gene->Name)}, gene);
        // Showing a locus completes its relations: a pair without one gets the default.
        locus->GetWeight(code);
        for (const char allele : code)
            if (alleles.find(allele) == std::string::npos)
                alleles += allele;
    }
    BuildRelationEditors(alleles);
}

void TGeneManagementTab::BuildRelationEditors(const std::string& alleles) {
    QWidget* editors = FGeneStrengthBox->widget();
    QVBoxLayout* layout = RowsOf(FGeneStrengthBox);
    for (QWidget* panel : editors->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete panel;
    int number = 0;
    for (size_t i = 0; i < alleles.size(); ++i) {
        for (size_t j = i + 1; j < alleles.size(); ++j) {
            const char x = alleles[i];
            const char y = alleles[j];
            auto* panel = new QWidget(editors);
            panel->setObjectName("RelationRow" + QString::number(number++));
            panel->setFixedHeight(30);
            QComboBox* editor = MakeByteSelector(panel);
            editor->setGeometry(10, 3, 66, editor->sizeHint().height());
            for (const char op : {'<', '>', '='}) {
                const std::string relation{x, ' ', op, ' ', y};
                editor->addItem(FromCore(relation), QByteArray::fromStdString(relation));
            }
            const std::string relation = FKeeper.LocusList().FindWeight(std::string{x, y});
            SetCoreText(editor->lineEdit(), relation);
            auto* label = new QLabel(FromCore(FKeeper.LocusList().DescribeWeight(relation)), panel);
            label->setObjectName("RelationSentence");
            label->move(86, 8);
            FitSentence(label);
            // New editors enter at the top, above the ones built before them.
            layout->insertWidget(0, panel);
            connect(editor, &QComboBox::activated, this, [this, editor] { TakeRelation(editor); });
            connect(editor->lineEdit(), &QLineEdit::textEdited, this,
                    [this, editor] { TakeRelation(editor); });
        }
    }
}

void TGeneManagementTab::TakeRelation(QComboBox* editor) {
    TLocus* locus = SelectedLocus();
    QLabel* label = nullptr;
    for (QLabel* candidate : editor->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (SameTextIgnoringCase(candidate->objectName(), "RelationSentence"))
            label = candidate;
    if (locus == nullptr || label == nullptr)
        return;
    const int entry = ShownEntry(editor);
    const std::string relation = entry >= 0 ? EntryBytes(editor, entry) : CoreTextOf(editor->lineEdit());
    // Text that is no relation of this editor's own pair (a stray key, half a relation) is not stored;
    // the sentence stays empty until the text is such a relation again.
    const bool isRelation = IsRelationOfPair(relation, EntryBytes(editor, 0));
    // Picking the relation the pair has already is no edit.
    if (isRelation && locus->GetWeight(std::string{relation[0], relation[4]}) != relation) {
        FKeeper.RecordEdit("change relation " + FromCore(relation));
        locus->StoreRelation(relation);
        FKeeper.TellRelationsChanged();
    }
    label->setText(isRelation ? FromCore(FKeeper.LocusList().DescribeWeight(relation)) : QString());
    FitSentence(label);
}

void TGeneManagementTab::RefreshCombiList() {
    FCombiListView->clear();
    for (int i = 0; i < FKeeper.CombiList().Count(); ++i)
        AddItem(FCombiListView,
                {FromCore(FKeeper.CombiList()[i]->Code), FromCore(FKeeper.CombiList()[i]->Name)},
                FKeeper.CombiList()[i]);
}

void TGeneManagementTab::ShowSelectedCombi() {
    if (TCombi* combi = SelectedCombi())
        FPictureStrip->ShowCombi(combi);
}

void TGeneManagementTab::AddLocus() {
    TGeneData before = FKeeper.CopyGeneData();
    TLocus* locus = FKeeper.LocusList().Add(std::make_unique<TLocus>("New Locus"));
    {
        TLocusDialog dialog(window());
        dialog.SetTextEncoding(FKeeper.GeneSet().Encoding);
        dialog.SetLocus(locus);
        if (dialog.exec() == QDialog::Accepted)
            FKeeper.RecordEdit("add locus " + FromCore(locus->Name), std::move(before));
        else
            FKeeper.LocusList().Remove(locus);
    }
    FKeeper.TellLociChanged();
}

void TGeneManagementTab::EditSelectedLocus() {
    TLocus* locus = SelectedLocus();
    if (locus == nullptr)
        return;
    TGeneData before = FKeeper.CopyGeneData();
    TLocusDialog dialog(window());
    dialog.SetTextEncoding(FKeeper.GeneSet().Encoding);
    dialog.SetLocus(locus);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FKeeper.RecordEdit("edit locus " + FromCore(locus->Name), std::move(before));
    FKeeper.TellLociChanged();
}

void TGeneManagementTab::DeleteSelectedLocus() {
    TLocus* locus = SelectedLocus();
    if (locus == nullptr || !AskYesNo(DeleteLocusQuestion(*locus)))
        return;
    FKeeper.RecordEdit("delete locus " + FromCore(locus->Name));
    FKeeper.TellReleasingAll();
    FKeeper.LocusList().Remove(locus);
    FKeeper.TellLociChanged();
}

void TGeneManagementTab::AddGene() {
    TLocus* locus = SelectedLocus();
    if (locus == nullptr)
        return;
    TGeneData before = FKeeper.CopyGeneData();
    TGene* gene = locus->AddNewGene();
    {
        TAddGeneDialog dialog(window(), FKeeper.LocusList());
        dialog.SetTextEncoding(FKeeper.GeneSet().Encoding);
        dialog.SetGene(gene);
        if (dialog.exec() == QDialog::Accepted) {
            FKeeper.RecordEdit("add gene " + FromCore(gene->Name), std::move(before));
            locus->CompleteNewGene(*gene, FKeeper.LocusList());
        } else
            locus->Genes().Remove(gene);
    }
    // The refill selects the first locus, and so shows that locus's genes.
    FKeeper.TellLociChanged();
}

void TGeneManagementTab::EditSelectedGene() {
    TGene* gene = SelectedGene();
    if (gene == nullptr)
        return;
    TGeneData before = FKeeper.CopyGeneData();
    TEditGeneDialog dialog(window(), FKeeper.LocusList());
    dialog.SetTextEncoding(FKeeper.GeneSet().Encoding);
    dialog.SetGene(gene);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FKeeper.RecordEdit("edit gene " + FromCore(gene->Name), std::move(before));
    FKeeper.TellLociChanged(true);
}

void TGeneManagementTab::DeleteSelectedGene() {
    TGene* gene = SelectedGene();
    TLocus* locus = SelectedLocus();
    if (gene == nullptr || locus == nullptr || !AskYesNo("Delete the gene \"" + FromCore(gene->Name) + "\"?"))
        return;
    FKeeper.RecordEdit("delete gene " + FromCore(gene->Name));
    FGeneListView->clear();
    FKeeper.TellRemoving(gene);
    locus->Genes().Remove(gene);
    FKeeper.TellLociChanged();
}

void TGeneManagementTab::AddCombi() {
    TGeneData before = FKeeper.CopyGeneData();
    TCombiDialog dialog(window(), FKeeper.LocusList());
    dialog.SetTextEncoding(FKeeper.GeneSet().Encoding);
    TCombi* combi = FKeeper.CombiList().Add(std::make_unique<TCombi>());
    dialog.SetCombi(combi);
    if (dialog.exec() == QDialog::Accepted)
        FKeeper.RecordEdit("add combination " + FromCore(combi->Name), std::move(before));
    else
        FKeeper.CombiList().Remove(combi);
    FKeeper.TellCombisChanged();
}

void TGeneManagementTab::EditSelectedCombi() {
    TCombi* combi = SelectedCombi();
    if (combi == nullptr)
        return;
    TGeneData before = FKeeper.CopyGeneData();
    TCombiDialog dialog(window(), FKeeper.LocusList());
    dialog.SetTextEncoding(FKeeper.GeneSet().Encoding);
    dialog.SetCombi(combi);
    if (dialog.exec() == QDialog::Accepted)
        FKeeper.RecordEdit("edit combination " + FromCore(combi->Name), std::move(before));
    FKeeper.TellCombisChanged();
}

void TGeneManagementTab::DeleteSelectedCombi() {
    TCombi* combi = SelectedCombi();
    if (combi == nullptr || !AskYesNo("Delete the combination \"" + FromCore(combi->Name) + "\"?"))
        return;
    FKeeper.RecordEdit("delete combination " + FromCore(combi->Name));
    FCombiListView->clear();
    FKeeper.TellRemoving(combi);
    FKeeper.CombiList().Remove(combi);
    FKeeper.TellCombisChanged();
}

void TGeneManagementTab::RestoreDefaults() {
    const std::string mainSettings = MainSettingsPath(FKeeper.AppDir());
    const std::string serpentia = GeneSetPath(FKeeper.AppDir(), DefaultGeneSetName);
    if (AskYesNo(RestoreDefaultsQuestion(mainSettings, serpentia)))
        FKeeper.RestoreDefaults();
}
