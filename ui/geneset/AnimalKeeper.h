// The breeder's animals of the application folder: their database, the animals of each gene set, and the
// chances the recorded family gives the animals of the set in memory. Every tab that shows or uses animals
// asks it, and hears from it when they change.
#pragma once

#include "calc/FamilyChances.h"
#include "calc/MorphText.h"
#include "storage/AnimalDatabase.h"

#include <QObject>

#include <optional>
#include <string>

class TGeneSetKeeper;

class TAnimalKeeper : public QObject {
    Q_OBJECT
public:
    // Opens the database in the folder of `geneSets`' files; `geneSets` outlives the keeper.
    explicit TAnimalKeeper(TGeneSetKeeper& geneSets, QObject* parent = nullptr);

    // Whether the database could be opened; while it is not, there are no animals and every change is
    // refused with OpenProblem().
    bool IsOpen() const { return FDatabase.IsOpen(); }
    const std::string& OpenProblem() const { return FOpenProblem; }
    // The gene set in memory, whose animals have chances.
    std::string GeneSetInMemory() const;

    // The animals of `geneSet` in the order they were recorded; false with the database's message.
    bool ListAnimals(const std::string& geneSet, TAnimalList& animals, std::string& message);
    // Each change is the database's: one transaction, or refused with its message and nothing changed.
    bool AddAnimal(const std::string& geneSet, const TAnimal& animal, std::string& message);
    bool UpdateAnimal(const std::string& geneSet, const std::string& name, const TAnimal& animal,
                      std::string& message);
    bool DeleteAnimal(const std::string& geneSet, const std::string& name, std::string& message);
    bool ImportAnimals(const std::string& geneSet, const TAnimalList& animals, std::string& message);

    // The animals of the set in memory and their chances (parallel to them; none, with the Problem, when
    // the records cannot all be true), worked out against the set's loci once until the next change of
    // the animals or the set.
    const TAnimalList& AnimalsInMemory();
    const TFamilyChances& ChancesInMemory();
    // The index of `name` among AnimalsInMemory(), in any letter case.
    std::optional<size_t> FindInMemory(const std::string& name);

signals:
    // An animal was added, changed, deleted or imported, or the set in memory or its genes changed: every
    // list and chance shown is out of date.
    void AnimalsChanged();

private:
    bool Changed(bool changed);
    void Forget();
    void WorkOut();

    TGeneSetKeeper& FGeneSets;
    TAnimalDatabase FDatabase;
    std::string FOpenProblem;
    bool FWorkedOut = false;
    TAnimalList FAnimals;
    TFamilyChances FChances;
};

// An animal as the calculation takes a parent: its look as codes, each hidden gene carried in its place
// (the likeliest one where a locus has several), with the chance as a possible het in whole percent (two
// thirds as the breeders' 66) unless it is sure.
TMorphReading ParentOfChances(const TAnimalChances& chances);
