#include "ui/geneset/AnimalKeeper.h"

#include "model/Text.h"
#include "ui/geneset/GeneSetKeeper.h"

#include <algorithm>
#include <cmath>

TAnimalKeeper::TAnimalKeeper(TGeneSetKeeper& geneSets, QObject* parent)
    : QObject(parent), FGeneSets(geneSets), FDatabase(geneSets.AppDir()) {
    FDatabase.Open(FOpenProblem);
    // Chances are the loci's: a set loaded, a gene edited or a relation stored changes them.
    connect(&geneSets, &TGeneSetKeeper::SetReplaced, this, [this] { Changed(true); });
    connect(&geneSets, &TGeneSetKeeper::LociChanged, this, [this] { Changed(true); });
    connect(&geneSets, &TGeneSetKeeper::CombisChanged, this, [this] { Changed(true); });
    connect(&geneSets, &TGeneSetKeeper::RelationsChanged, this, [this] { Changed(true); });
}

std::string TAnimalKeeper::GeneSetInMemory() const {
    return FGeneSets.GeneSet().Name;
}

bool TAnimalKeeper::ListAnimals(const std::string& geneSet, TAnimalList& animals, std::string& message) {
    animals.clear();
    if (!IsOpen()) {
        message = FOpenProblem;
        return false;
    }
    return FDatabase.ListAnimals(geneSet, animals, message);
}

bool TAnimalKeeper::AddAnimal(const std::string& geneSet, const TAnimal& animal, std::string& message) {
    message = FOpenProblem;
    return Changed(IsOpen() && FDatabase.AddAnimal(geneSet, animal, message));
}

bool TAnimalKeeper::UpdateAnimal(const std::string& geneSet, const std::string& name, const TAnimal& animal,
                                 std::string& message) {
    message = FOpenProblem;
    return Changed(IsOpen() && FDatabase.UpdateAnimal(geneSet, name, animal, message));
}

bool TAnimalKeeper::DeleteAnimal(const std::string& geneSet, const std::string& name, std::string& message) {
    message = FOpenProblem;
    return Changed(IsOpen() && FDatabase.DeleteAnimal(geneSet, name, message));
}

bool TAnimalKeeper::ImportAnimals(const std::string& geneSet, const TAnimalList& animals,
                                  std::string& message) {
    message = FOpenProblem;
    return Changed(IsOpen() && FDatabase.ImportAnimals(geneSet, animals, message));
}

bool TAnimalKeeper::Changed(bool changed) {
    if (changed) {
        Forget();
        emit AnimalsChanged();
    }
    return changed;
}

void TAnimalKeeper::Forget() {
    FWorkedOut = false;
    FAnimals.clear();
    FChances = {};
}

const TAnimalList& TAnimalKeeper::AnimalsInMemory() {
    WorkOut();
    return FAnimals;
}

const TFamilyChances& TAnimalKeeper::ChancesInMemory() {
    WorkOut();
    return FChances;
}

std::optional<size_t> TAnimalKeeper::FindInMemory(const std::string& name) {
    const TAnimalList& animals = AnimalsInMemory();
    const auto found = std::find_if(animals.begin(), animals.end(), [&](const TAnimal& animal) {
        return SameTextIgnoringCase(animal.Name, name);
    });
    if (found == animals.end())
        return std::nullopt;
    return static_cast<size_t>(found - animals.begin());
}

void TAnimalKeeper::WorkOut() {
    if (FWorkedOut)
        return;
    FWorkedOut = true;
    std::string message;
    if (!ListAnimals(GeneSetInMemory(), FAnimals, message)) {
        FChances.Problem = message;
        return;
    }
    TGeneSet& set = FGeneSets.GeneSet();
    FChances = WorkOutChances(FAnimals, set.LocusList, set.CombiList);
}

namespace {

// The breeders' two thirds and one third are 66 and 33, as the calculation reads them back; any other
// chance is its nearest whole percent, never 0 or 100, which would say it is sure.
int PercentOfChance(const TExactChance& chance) {
    if (chance == TExactChance(2, 3))
        return 66;
    if (chance == TExactChance(1, 3))
        return 33;
    return std::clamp(static_cast<int>(std::lround(chance.get_d() * 100)), 1, 99);
}

} // namespace

TMorphReading ParentOfChances(const TAnimalChances& chances) {
    TMorphReading parent;
    parent.Selection = chances.Selection;
    for (size_t locus = 0; locus < chances.Loci.size() && 2 * locus + 2 <= parent.Selection.size(); ++locus) {
        const THiddenGeneChance* likeliest = nullptr;
        for (const THiddenGeneChance& hidden : chances.Hidden) {
            const std::vector<TPairChance>& pairs = chances.Loci[locus];
            const bool here = std::any_of(pairs.begin(), pairs.end(),
                                          [&](const TPairChance& pair) { return pair.Pair == hidden.Code; });
            if (here && (!likeliest || hidden.Chance > likeliest->Chance))
                likeliest = &hidden;
        }
        if (!likeliest)
            continue;
        parent.Selection.replace(2 * locus, 2, likeliest->Code);
        if (likeliest->Chance < 1)
            parent.PossibleHets.push_back({likeliest->Code, PercentOfChance(likeliest->Chance)});
    }
    return parent;
}
