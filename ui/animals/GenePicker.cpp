#include "ui/animals/GenePicker.h"

#include "model/Locus.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/kit/CoreText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// Loci side by side in this many columns, so that a set of twenty loci still fits a dialog.
constexpr int PickerColumns = 2;

} // namespace

TGenePicker::TGenePicker(const TGeneSetKeeper& keeper, QWidget* parent) : QWidget(parent), FKeeper(keeper) {
    setObjectName("AnimalGenePicker");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const TLocusList& loci = keeper.GeneSet().LocusList;
    for (int i = 0; i < loci.Count(); ++i) {
        auto* selector = new QComboBox(this);
        selector->setObjectName("AnimalLocusSelector" + QString::number(i));
        selector->addItem("++ Normal", "++");
        const TGeneList& genes = loci[i]->Genes();
        for (int g = 0; g < genes.Count(); ++g)
            if (const std::string code = genes[g]->Code(); code != "++")
                selector->addItem(FromCore(code + " " + genes[g]->Name), FromCore(code));
        const int row = i / PickerColumns;
        const int column = i % PickerColumns * 2;
        grid->addWidget(new QLabel(FromCore(loci[i]->Name), this), row, column);
        grid->addWidget(selector, row, column + 1);
        connect(selector, &QComboBox::activated, this, &TGenePicker::Pick);
        FSelectors.push_back(selector);
    }
}

void TGenePicker::Show(const TMorphReading& reading) {
    FPossibleHets = reading.PossibleHets;
    for (size_t i = 0; i < FSelectors.size(); ++i) {
        const QSignalBlocker quiet(FSelectors[i]);
        const std::string pair =
            2 * i + 1 < reading.Selection.size() ? reading.Selection.substr(2 * i, 2) : "++";
        FSelectors[i]->setCurrentIndex(std::max(0, FSelectors[i]->findData(FromCore(pair))));
    }
}

void TGenePicker::Pick() {
    const TLocusList& loci = FKeeper.GeneSet().LocusList;
    std::string words;
    const auto add = [&words](const std::string& phrase) { words += (words.empty() ? "" : ", ") + phrase; };
    for (size_t i = 0; i < FSelectors.size(); ++i) {
        const std::string code = ToCore(FSelectors[i]->currentData().toString());
        // A possible het stays one while its carrier is the gene picked there.
        const auto possible =
            std::find_if(FPossibleHets.begin(), FPossibleHets.end(),
                         [&](const TPossibleHet& het) { return SortPair(het.Code) == code; });
        if (possible != FPossibleHets.end())
            add(std::to_string(possible->Percent) + "% poss het " + loci.AlleleName(possible->Code[1]));
        else if (code != "++")
            add(loci.FindGeneName(code));
    }
    emit Picked(words);
}
