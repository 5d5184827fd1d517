// The Gene management tab of the main window: loci, genes, gene strength and combinations.
#include "ui/uFrmMain.h"

#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFolder.h"
#include "storage/IniFile.h"
#include "ui/CoreText.h"
#include "ui/ImageLists.h"
#include "ui/ShowMessage.h"
#include "ui/WidgetKit.h"
#include "ui/uFrmEditCombi.h"
#include "ui/uFrmEditGene.h"
#include "ui/uFrmEditLocus.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>
#include <string_view>

namespace {

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

template <typename T> T* SelectedObject(const QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : ObjectOf<T>(selected.first());
}

} // namespace

void TfrmMain::BuildGeneTab() {
    tsIni = AddTab(new QWidget(pcMain), "tsIni", "Gene management");
    auto* layout = new QVBoxLayout(tsIni);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    // A column: its heading, its tool bar, and what it lists.
    const auto addColumn = [&](const QString& labelName, const QString& caption, QToolBar* bar, QWidget* list,
                               int stretch) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(caption, tsIni);
        label->setObjectName(labelName);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        column->addWidget(label);
        column->addWidget(bar);
        column->addWidget(list, 1);
        columns->addLayout(column, stretch);
    };
    const auto button = [this](const QString& name, const QString& hint, int image) {
        return MakeToolButton(tsIni, name, hint, image);
    };

    btnAddLocus = button("btnAddLocus", "Add locus", iiAdd);
    btnEditLocus = button("btnEditLocus", "Edit Locus", iiEdit);
    BtnDeleteLocus = button("BtnDeleteLocus", "Delete locus", iiDelete);
    lvLocusList = MakeListView(tsIni, "lvLocusList", {"Name"});
    addColumn("lblLoci", "List of locus",
              MakeToolBar(tsIni, "ToolBar1", {btnAddLocus, btnEditLocus, BtnDeleteLocus}), lvLocusList, 2);

    btnAddGene = button("btnAddGene", "Add Gene to locus", iiAdd);
    btnEditGene = button("btnEditGene", "Edit gene", iiEdit);
    btnDeleteGene = button("btnDeleteGene", "Delete gene from locus", iiDelete);
    lvLocusItems = MakeListView(tsIni, "lvLocusItems", {"ID", "Name"});
    lvLocusItems->setColumnWidth(0, 35);
    addColumn("lblGenesOnLocus", "Genes on that locus",
              MakeToolBar(tsIni, "ToolBar2", {btnAddGene, btnEditGene, btnDeleteGene}), lvLocusItems, 2);

    btnRestoreDefaults = button("btnRestoreDefaults", "Restore defaults (serpentia only)", iiClear);
    btnRefresh = button("btnRefresh", "Refresh", iiRefresh);
    sbLocusItemWeights = MakeRowBox(tsIni, "sbLocusItemWeights");
    addColumn("lblGeneStrength", "Gene strength",
              MakeToolBar(tsIni, "ToolBar3", {btnRestoreDefaults, btnRefresh}), sbLocusItemWeights, 3);

    btnAddCombi = button("btnAddCombi", "Add Combi", iiAdd);
    btnEditCombi = button("btnEditCombi", "Edit Combi", iiEdit);
    btnDeleteCombi = button("btnDeleteCombi", "Delete Combi", iiDelete);
    btnClose = button("btnClose", "Close program", iiClose);
    btnPrint = button("btnPrint", "Print results", iiPrint);
    lvCombiList = MakeListView(tsIni, "lvCombiList", {"ID", "Name"});
    addColumn("lblCombis", "Combinations",
              MakeToolBar(tsIni, "ToolBar4", {btnAddCombi, btnEditCombi, btnDeleteCombi, btnClose, btnPrint}),
              lvCombiList, 2);

    sbxImages2 = new QScrollArea(tsIni);
    sbxImages2->setObjectName("sbxImages2");
    sbxImages2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sbxImages2->setFixedHeight(134);
    layout->addWidget(sbxImages2);

    connect(lvLocusList, &QTreeWidget::itemSelectionChanged, this, &TfrmMain::lvLocusListSelectItem);
    connect(lvLocusList, &QTreeWidget::itemDoubleClicked, this, &TfrmMain::lvLocusListDblClick);
    connect(lvLocusItems, &QTreeWidget::itemDoubleClicked, this, &TfrmMain::lvLocusItemsDblClick);
    connect(lvCombiList, &QTreeWidget::itemSelectionChanged, this, &TfrmMain::lvCombiListSelectItem);
    connect(lvCombiList, &QTreeWidget::itemDoubleClicked, this, &TfrmMain::btnEditCombiClick);
    connect(btnAddLocus, &QToolButton::clicked, this, &TfrmMain::btnAddLocusClick);
    connect(btnEditLocus, &QToolButton::clicked, this, &TfrmMain::lvLocusListDblClick);
    connect(BtnDeleteLocus, &QToolButton::clicked, this, &TfrmMain::BtnDeleteLocusClick);
    connect(btnAddGene, &QToolButton::clicked, this, &TfrmMain::btnAddGeneClick);
    connect(btnEditGene, &QToolButton::clicked, this, &TfrmMain::lvLocusItemsDblClick);
    connect(btnDeleteGene, &QToolButton::clicked, this, &TfrmMain::btnDeleteGeneClick);
    connect(btnRestoreDefaults, &QToolButton::clicked, this, &TfrmMain::btnRestoreDefaultsClick);
    connect(btnRefresh, &QToolButton::clicked, this, &TfrmMain::btnRefreshClick);
    connect(btnAddCombi, &QToolButton::clicked, this, &TfrmMain::btnAddCombiClick);
    connect(btnEditCombi, &QToolButton::clicked, this, &TfrmMain::btnEditCombiClick);
    connect(btnDeleteCombi, &QToolButton::clicked, this, &TfrmMain::btnDeleteCombiClick);
    connect(btnClose, &QToolButton::clicked, this, &TfrmMain::btnCloseClick);
    connect(btnPrint, &QToolButton::clicked, this, &TfrmMain::ToolButton1Click);
    // The keyboard starts in the locus list, never in a relation editor that a stray key would change.
    connect(pcMain, &QTabWidget::currentChanged, this, [this] {
        if (pcMain->currentWidget() == tsIni)
            lvLocusList->setFocus();
    });
}

TLocus* TfrmMain::SelectedLocus() const {
    return SelectedObject<TLocus>(lvLocusList);
}
TGene* TfrmMain::SelectedGene() const {
    return SelectedObject<TGene>(lvLocusItems);
}
TCombi* TfrmMain::SelectedCombi() const {
    return SelectedObject<TCombi>(lvCombiList);
}

void TfrmMain::ForgetGeneViews() {
    lvLocusItems->clear();
    lvLocusList->clear();
    lvCombiList->clear();
    ForgetImageFrames();
}

void TfrmMain::RefreshGeneLists() {
    lvLocusList->clear();
    lvLocusItems->clear();
    for (int i = 0; i < LocusList().Count(); ++i)
        AddItem(lvLocusList, {FromCore(LocusList()[i]->Name)}, LocusList()[i]);
    if (lvLocusList->selectedItems().isEmpty() && lvLocusList->topLevelItemCount() > 0)
        lvLocusList->topLevelItem(0)->setSelected(true);
    RefreshCombiList();
}

void TfrmMain::RebuildLocusViews(TGeneListRefill refill) {
    if (refill == TGeneListRefill::All)
        RefreshGeneLists();
    else
        ShowLocusGenes();
    BuildParentSelection();
    BuildImageFrames();
}

void TfrmMain::RebuildCombiViews() {
    RefreshCombiList();
    BuildImageFrames();
}

void TfrmMain::btnRefreshClick() {
    RefreshGeneLists();
}

void TfrmMain::lvLocusListSelectItem() {
    if (SelectedLocus() == nullptr)
        return;
    ShowLocusGenes();
    ShowLocusImages(SelectedLocus());
}

void TfrmMain::ShowLocusGenes() {
    lvLocusItems->clear();
    TLocus* locus = SelectedLocus();
    if (locus == nullptr)
        return;
    std::string alleles;
    for (int i = 0; i < locus->Genes().Count(); ++i) {
        TGene* gene = locus->Genes()[i];
        const std::string code = gene->Code();
        AddItem(lvLocusItems, {FromCore(code), FromCore(gene->Name)}, gene);
        // Showing a locus completes its relations: a pair without one gets the default.
        locus->GetWeight(code);
        for (const char allele : code)
            if (alleles.find(allele) == std::string::npos)
                alleles += allele;
    }
    BuildWeightEditors(alleles);
}

void TfrmMain::BuildWeightEditors(const std::string& alleles) {
    QWidget* editors = sbLocusItemWeights->widget();
    QVBoxLayout* layout = RowsOf(sbLocusItemWeights);
    for (QWidget* panel : editors->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete panel;
    int number = 0;
    for (size_t i = 0; i < alleles.size(); ++i) {
        for (size_t j = i + 1; j < alleles.size(); ++j) {
            const char x = alleles[i];
            const char y = alleles[j];
            auto* panel = new QWidget(editors);
            panel->setObjectName("Panel" + QString::number(number++));
            panel->setFixedHeight(30);
            QComboBox* editor = MakeByteSelector(panel);
            editor->setGeometry(10, 3, 66, editor->sizeHint().height());
            for (const char op : {'<', '>', '='}) {
                const std::string relation{x, ' ', op, ' ', y};
                editor->addItem(FromCore(relation), QByteArray::fromStdString(relation));
            }
            const std::string relation = LocusList().FindWeight(std::string{x, y});
            SetCoreText(editor->lineEdit(), relation);
            auto* label = new QLabel(FromCore(LocusList().DescribeWeight(relation)), panel);
            label->setObjectName("Mylabel");
            label->move(86, 8);
            label->adjustSize();
            // New editors enter at the top, above the ones built before them.
            layout->insertWidget(0, panel);
            connect(editor, &QComboBox::activated, this, [this, editor] { WeightEditorChange(editor); });
            connect(editor->lineEdit(), &QLineEdit::textEdited, this,
                    [this, editor] { WeightEditorChange(editor); });
        }
    }
}

void TfrmMain::WeightEditorChange(QComboBox* editor) {
    TLocus* locus = SelectedLocus();
    QLabel* label = nullptr;
    for (QLabel* candidate : editor->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (SameTextIgnoringCase(candidate->objectName(), "MyLabel"))
            label = candidate;
    if (locus == nullptr || label == nullptr)
        return;
    const int entry = ShownEntry(editor);
    const std::string relation = entry >= 0 ? EntryBytes(editor, entry) : CoreTextOf(editor->lineEdit());
    // Text that is no relation of this editor's own pair (a stray key, half a relation) is not stored;
    // the sentence stays empty until the text is such a relation again.
    const bool isRelation = IsRelationOfPair(relation, EntryBytes(editor, 0));
    if (isRelation)
        locus->StoreRelation(relation);
    label->setText(isRelation ? FromCore(LocusList().DescribeWeight(relation)) : QString());
    label->adjustSize();
}

void TfrmMain::RefreshCombiList() {
    lvCombiList->clear();
    for (int i = 0; i < CombiList().Count(); ++i)
        AddItem(lvCombiList, {FromCore(CombiList()[i]->Code), FromCore(CombiList()[i]->Name)},
                CombiList()[i]);
}

void TfrmMain::lvCombiListSelectItem() {
    if (TCombi* combi = SelectedCombi())
        ShowCombiImage(combi);
}

void TfrmMain::btnAddLocusClick() {
    TLocus* locus = LocusList().Add(std::make_unique<TLocus>("New Locus"));
    {
        TfrmEditLocus dialog(this);
        dialog.SetTextEncoding(FGeneSet.Encoding);
        dialog.SetLocus(locus);
        if (dialog.exec() != QDialog::Accepted)
            LocusList().Remove(locus);
    }
    RebuildLocusViews();
}

void TfrmMain::lvLocusListDblClick() {
    TLocus* locus = SelectedLocus();
    if (locus == nullptr)
        return;
    TfrmEditLocus dialog(this);
    dialog.SetTextEncoding(FGeneSet.Encoding);
    dialog.SetLocus(locus);
    if (dialog.exec() != QDialog::Accepted)
        return;
    RebuildLocusViews();
}

void TfrmMain::BtnDeleteLocusClick() {
    TLocus* locus = SelectedLocus();
    if (locus == nullptr)
        return;
    ForgetGeneViews();
    LocusList().Remove(locus);
    RebuildLocusViews();
}

void TfrmMain::btnAddGeneClick() {
    TLocus* locus = SelectedLocus();
    if (locus == nullptr)
        return;
    TGene* gene = locus->AddNewGene();
    {
        TfrmAddGene dialog(this, LocusList());
        dialog.SetTextEncoding(FGeneSet.Encoding);
        dialog.SetGene(gene);
        if (dialog.exec() == QDialog::Accepted)
            locus->CompleteNewGene(*gene, LocusList());
        else
            locus->Genes().Remove(gene);
    }
    // The refill selects the first locus, and so shows that locus's genes.
    RebuildLocusViews();
}

void TfrmMain::lvLocusItemsDblClick() {
    TGene* gene = SelectedGene();
    if (gene == nullptr)
        return;
    TfrmEditGene dialog(this, LocusList());
    dialog.SetTextEncoding(FGeneSet.Encoding);
    dialog.SetGene(gene);
    if (dialog.exec() != QDialog::Accepted)
        return;
    RebuildLocusViews(TGeneListRefill::SelectedLocus);
}

void TfrmMain::btnDeleteGeneClick() {
    TGene* gene = SelectedGene();
    TLocus* locus = SelectedLocus();
    if (gene == nullptr || locus == nullptr)
        return;
    lvLocusItems->clear();
    ForgetImageFramesOf(gene);
    locus->Genes().Remove(gene);
    RebuildLocusViews();
}

void TfrmMain::btnAddCombiClick() {
    TfrmEditCombi dialog(this, LocusList());
    dialog.SetTextEncoding(FGeneSet.Encoding);
    TCombi* combi = CombiList().Add(std::make_unique<TCombi>());
    dialog.SetCombi(combi);
    if (dialog.exec() != QDialog::Accepted)
        CombiList().Remove(combi);
    RebuildCombiViews();
}

void TfrmMain::btnEditCombiClick() {
    TCombi* combi = SelectedCombi();
    if (combi == nullptr)
        return;
    TfrmEditCombi dialog(this, LocusList());
    dialog.SetTextEncoding(FGeneSet.Encoding);
    dialog.SetCombi(combi);
    dialog.exec();
    RebuildCombiViews();
}

void TfrmMain::btnDeleteCombiClick() {
    TCombi* combi = SelectedCombi();
    if (combi == nullptr)
        return;
    lvCombiList->clear();
    ForgetImageFramesOf(combi);
    CombiList().Remove(combi);
    RebuildCombiViews();
}

void TfrmMain::btnRestoreDefaultsClick() {
    const std::string mainSettings = MainSettingsPath(AppDir());
    const std::string serpentia = GeneSetPath(AppDir(), DefaultGeneSetName);
    if (!AskYesNo(RestoreDefaultsQuestion(mainSettings, serpentia)))
        return;
    // Another set picked in the selector is read again from its file below, so its work goes there first,
    // as at a switch.
    const std::string selected = SelectedGeneSet();
    if (!selected.empty() && !SameTextIgnoringCase(selected, DefaultGeneSetName) && !SaveSetToItsFile())
        return;
    FBackups.KeepBeforeReplacing(mainSettings);
    FBackups.KeepBeforeReplacing(serpentia);
    std::string message;
    if (!WriteDefaultGeneSetFiles(AppDir(), message)) {
        ShowMessage(FromCore(message));
        return;
    }
    // What the two files hold now is known, so later saves may replace them.
    FUnreadFiles.erase(mainSettings);
    FUnreadFiles.erase(serpentia);
    ReloadGeneSet();
}
