#include "ui/genes/CombiDialog.h"

#include "model/Combi.h"
#include "model/Locus.h"
#include "ui/kit/CoreText.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int GeneRole = Qt::UserRole;

const TGene* GeneOf(const QTreeWidgetItem* item) {
    return reinterpret_cast<const TGene*>(item->data(0, GeneRole).value<quintptr>());
}

} // namespace

TCombiDialog::TCombiDialog(QWidget* owner, const TLocusList& geneSet)
    : TEditDialog(owner, "CombiDialog", "Edit/ Add combi", true), FGeneSet(geneSet) {
    CombiNameEdit = new QLineEdit(this);
    CombiNameEdit->setObjectName("CombiNameEdit");
    Fields()->addRow("Combiname", CombiNameEdit);
    GeneListView = new QTreeWidget(this);
    GeneListView->setObjectName("GeneListView");
    GeneListView->setHeaderLabels({"ID", "Name"});
    GeneListView->setRootIsDecorated(false);
    GeneListView->setColumnWidth(0, 60);
    Body()->addWidget(GeneListView, 1);
    resize(320, 420);
}

void TCombiDialog::SetCombi(TCombi* combi) {
    Combi = combi;
    SetCoreText(CombiNameEdit, combi->Name);
    FillGeneList();
}

void TCombiDialog::FillGeneList() {
    GeneListView->clear();
    const std::string& code = Combi->Code;
    for (int i = 0; i < FGeneSet.Count(); ++i) {
        const TGeneList& genes = FGeneSet[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j) {
            const TGene& gene = *genes[j];
            const std::string geneCode = gene.Code();
            if (geneCode == "++")
                continue;
            bool ticked = false;
            for (size_t k = 0; k + 1 < code.size() && !ticked; k += 2)
                ticked = code.compare(k, 2, geneCode) == 0;
            auto* item = new QTreeWidgetItem(GeneListView, {FromCore(geneCode), FromCore(gene.Name)});
            item->setData(0, GeneRole, QVariant::fromValue(reinterpret_cast<quintptr>(&gene)));
            item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
        }
    }
}

bool TCombiDialog::TryAccept() {
    std::optional<std::string> name = StoredText(CombiNameEdit);
    if (!name)
        return false;
    Combi->Name = std::move(*name);
    std::string code;
    for (int i = 0; i < GeneListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = GeneListView->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            code += GeneOf(item)->Code();
    }
    Combi->Code = code;
    return true;
}
