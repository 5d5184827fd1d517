#include "ui/uFrmEditCombi.h"

#include "model/Combi.h"
#include "model/Locus.h"
#include "ui/CoreText.h"

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

TfrmEditCombi::TfrmEditCombi(QWidget* owner, const TLocusList& geneSet)
    : TEditDialog(owner, "frmEditCombi", "Edit/ Add combi", true), FGeneSet(geneSet) {
    edCombiName = new QLineEdit(this);
    edCombiName->setObjectName("edCombiName");
    Fields()->addRow("Combiname", edCombiName);
    lvGenes = new QTreeWidget(this);
    lvGenes->setObjectName("lvGenes");
    lvGenes->setHeaderLabels({"ID", "Name"});
    lvGenes->setRootIsDecorated(false);
    lvGenes->setColumnWidth(0, 60);
    Body()->addWidget(lvGenes, 1);
    resize(320, 420);
}

void TfrmEditCombi::SetCombi(TCombi* combi) {
    Combi = combi;
    SetCoreText(edCombiName, combi->Name);
    FillGeneList();
}

void TfrmEditCombi::FillGeneList() {
    lvGenes->clear();
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
            auto* item = new QTreeWidgetItem(lvGenes, {FromCore(geneCode), FromCore(gene.Name)});
            item->setData(0, GeneRole, QVariant::fromValue(reinterpret_cast<quintptr>(&gene)));
            item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
        }
    }
}

bool TfrmEditCombi::btnOKClick() {
    std::optional<std::string> name = StoredText(edCombiName);
    if (!name)
        return false;
    Combi->Name = std::move(*name);
    std::string code;
    for (int i = 0; i < lvGenes->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = lvGenes->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            code += GeneOf(item)->Code();
    }
    Combi->Code = code;
    return true;
}
