#include "ui/animals/AnimalDetails.h"

#include "calc/PairingPlan.h"
#include "model/Text.h"
#include "ui/animals/FamilyTree.h"
#include "ui/geneset/AnimalKeeper.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/kit/CoreText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// No clutch a breeder waits for is larger.
constexpr int MaxClutch = 100;

// "66.7%": one decimal, as the clutch odds give their chances.
QString PercentText(const TExactChance& chance) {
    return FromCore(ChanceText(ClutchOddsOfChance(chance, 1), DecimalSeparator()));
}

// "66.7% poss. het. Clown"; a proven carrier is no longer only possibly one.
QString HiddenGeneText(const THiddenGeneChance& hidden) {
    return PercentText(hidden.Chance) + (hidden.Chance < 1 ? " poss. " : " ") + FromCore(hidden.Name);
}

QString LookText(const TAnimal& animal) {
    return animal.Morph.empty() ? "Normal" : FromCore(animal.Morph);
}

} // namespace

TAnimalDetails::TAnimalDetails(TAnimalKeeper& animals, TGeneSetKeeper& geneSets, QWidget* parent)
    : QWidget(parent), FAnimals(animals), FGeneSets(geneSets) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* words = new QVBoxLayout;
    layout->addLayout(words, 1);
    FChanceListView = new QTreeWidget(this);
    FChanceListView->setObjectName("ChanceListView");
    FChanceListView->setHeaderLabels({"Chances from the family"});
    FChanceListView->setRootIsDecorated(false);
    FChanceListView->setMaximumHeight(80);
    words->addWidget(FChanceListView);
    auto* useRow = new QHBoxLayout;
    FUseAsMaleButton = new QPushButton("Use as male", this);
    FUseAsMaleButton->setObjectName("UseAsMaleButton");
    FUseAsFemaleButton = new QPushButton("Use as female", this);
    FUseAsFemaleButton->setObjectName("UseAsFemaleButton");
    useRow->addWidget(FUseAsMaleButton);
    useRow->addWidget(FUseAsFemaleButton);
    useRow->addStretch();
    words->addLayout(useRow);
    FWhyLabel = new QLabel(this);
    FWhyLabel->setObjectName("AnimalWhyLabel");
    FWhyLabel->setWordWrap(true);
    FWhyLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    words->addWidget(FWhyLabel);
    auto* clutchRow = new QHBoxLayout;
    clutchRow->addWidget(new QLabel("Test pairing with a visual, clutch of", this));
    FClutchSizeSpinBox = new QSpinBox(this);
    FClutchSizeSpinBox->setObjectName("ClutchSizeSpinBox");
    FClutchSizeSpinBox->setRange(1, MaxClutch);
    FClutchSizeSpinBox->setValue(6);
    clutchRow->addWidget(FClutchSizeSpinBox);
    clutchRow->addStretch();
    words->addLayout(clutchRow);
    FTestPairingLabel = new QLabel(this);
    FTestPairingLabel->setObjectName("TestPairingLabel");
    FTestPairingLabel->setWordWrap(true);
    FTestPairingLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    words->addWidget(FTestPairingLabel);
    words->addStretch();
    FFamilyTreeView = new TFamilyTree(this);
    FFamilyTreeView->setObjectName("FamilyTreeView");
    layout->addWidget(FFamilyTreeView, 1);

    connect(FClutchSizeSpinBox, &QSpinBox::valueChanged, this, &TAnimalDetails::ShowTestPairings);
    connect(FUseAsMaleButton, &QPushButton::clicked, this, [this] { Use(true); });
    connect(FUseAsFemaleButton, &QPushButton::clicked, this, [this] { Use(false); });
    ShowAnimal(std::nullopt);
}

void TAnimalDetails::ShowAnimal(std::optional<size_t> index) {
    FIndex.reset();
    FChanceListView->clear();
    FWhyLabel->clear();
    FFamilyTreeView->ShowFamily({}, {}, {});
    // Nothing is worked out while no animal of the set in memory is selected.
    if (index) {
        const TFamilyChances& family = FAnimals.ChancesInMemory();
        if (*index < family.Animals.size())
            FIndex = index;
        else
            FWhyLabel->setText(FromCore(family.Problem));
    }
    FUseAsMaleButton->setEnabled(FIndex.has_value());
    FUseAsFemaleButton->setEnabled(FIndex.has_value());
    if (FIndex)
        ShowFamily();
    ShowTestPairings();
}

void TAnimalDetails::ShowFamily() {
    const TAnimalList& animals = FAnimals.AnimalsInMemory();
    const TFamilyChances& family = FAnimals.ChancesInMemory();
    const TAnimal& animal = animals[*FIndex];
    const auto chancesOf = [&](size_t i) {
        QStringList lines{LookText(animals[i])};
        for (const THiddenGeneChance& hidden : family.Animals[i].Hidden)
            lines << HiddenGeneText(hidden);
        return TTreeAnimal{FromCore(animals[i].Name), lines};
    };
    for (const THiddenGeneChance& hidden : family.Animals[*FIndex].Hidden) {
        auto* item = new QTreeWidgetItem(FChanceListView, {HiddenGeneText(hidden)});
        item->setToolTip(0, "Exactly " + QString::fromStdString(hidden.Chance.get_str()));
    }
    if (family.Animals[*FIndex].Hidden.empty())
        new QTreeWidgetItem(FChanceListView, {"No hidden genes"});

    QStringList why;
    std::vector<TTreeAnimal> parents;
    for (const auto& [role, name] : {std::pair{"Sire", animal.Sire}, std::pair{"Dam", animal.Dam}}) {
        if (const std::optional<size_t> parent = name.empty() ? std::nullopt : FAnimals.FindInMemory(name)) {
            why << QString("%1: %2 (%3).").arg(role, FromCore(name), LookText(animals[*parent]));
            parents.push_back(chancesOf(*parent));
        }
    }
    if (parents.empty())
        why << "No parents recorded: it carries what it is said to carry.";
    std::vector<TTreeAnimal> offspring;
    QStringList young;
    for (size_t i = 0; i < animals.size(); ++i) {
        const bool sire = SameTextIgnoringCase(animals[i].Sire, animal.Name);
        if (!sire && !SameTextIgnoringCase(animals[i].Dam, animal.Name))
            continue;
        const std::string& partner = sire ? animals[i].Dam : animals[i].Sire;
        const std::optional<size_t> other = partner.empty() ? std::nullopt : FAnimals.FindInMemory(partner);
        young << QString("%1 (%2)").arg(FromCore(animals[i].Name), LookText(animals[i])) +
                     (other ? QString(" with %1 (%2)").arg(FromCore(partner), LookText(animals[*other]))
                            : QString());
        offspring.push_back(chancesOf(i));
    }
    if (!young.isEmpty())
        why << "Offspring: " + young.join("; ") + ".";
    FWhyLabel->setText(why.join("\n"));
    FFamilyTreeView->ShowFamily(std::move(parents), chancesOf(*FIndex), std::move(offspring));
}

// A visual partner shows the gene in a share of the young of a carrier; a clutch without a visual makes
// carrying it less likely, the more so the larger the clutch.
void TAnimalDetails::ShowTestPairings() {
    QStringList lines;
    if (FIndex) {
        const int clutch = FClutchSizeSpinBox->value();
        TLocusList& loci = FGeneSets.LocusList();
        for (const THiddenGeneChance& hidden : FAnimals.ChancesInMemory().Animals[*FIndex].Hidden) {
            if (hidden.Chance >= 1 || hidden.Code.size() != 2)
                continue;
            const TExactChance share =
                VisualShareOfTestPairing(hidden.Code, std::string(2, hidden.Code[1]), loci);
            if (share <= 0)
                continue;
            const TTestPairing test = SettleByTestPairing(hidden.Chance, share, clutch);
            lines << QString("With a visual %1: if it carries the gene, a clutch of %2 shows a visual with "
                             "%3; if none shows one, its chance becomes %4.")
                         .arg(FromCore(loci.AlleleName(hidden.Code[1])))
                         .arg(clutch)
                         .arg(PercentText(test.VisualIfCarrier), PercentText(test.CarrierIfNone));
        }
    }
    FTestPairingLabel->setText(lines.join("\n"));
}

void TAnimalDetails::Use(bool male) {
    if (FIndex)
        emit UsedAsParent(male, ParentOfChances(FAnimals.ChancesInMemory().Animals[*FIndex]));
}
