// Time of the chances a breeder's recorded family gives every animal.
#include "calc/FamilyChances.h"
#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFile.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Six generations of 200 animals bred from 20 founders at six recessive loci of the Serpentia set, a third
// of the founders carrying each gene, stated as het or 66% possible het: each young by a sire and a dam
// of earlier generations (fathers to daughters, half-siblings, cousins), recorded by its look alone.
TAnimalList SixGenerations(const TLocusList& loci) {
    std::mt19937 random(6);
    std::vector<std::vector<std::string>> genotypes;
    TAnimalList animals;
    std::vector<size_t> males, dams, nextDams;
    auto mutantOf = [&](int locus) { return loci[locus]->Genes()[2]->Code()[0]; };
    for (size_t i = 0; i < 200; ++i) {
        const bool founder = i < 20;
        TAnimal animal{"Animal " + std::to_string(i), i % 2 ? TSex::Female : TSex::Male, "", "", "", "", ""};
        const size_t sire = founder ? 0 : males[random() % males.size()];
        const size_t dam = founder ? 0 : dams[random() % dams.size()];
        if (!founder) {
            animal.Sire = animals[sire].Name;
            animal.Dam = animals[dam].Name;
        }
        std::vector<std::string> genotype;
        for (int locus = 0; locus < 6; ++locus) {
            const char mutant = mutantOf(locus);
            std::string pair{'+', founder && random() % 3 == 0 ? mutant : '+'};
            if (!founder)
                pair = SortPair(
                    std::string{genotypes[sire][locus][random() % 2], genotypes[dam][locus][random() % 2]});
            const std::string name = loci.AlleleName(mutant);
            if (pair[0] == mutant)
                animal.Morph += name + " ";
            else if (pair[1] == mutant && founder)
                animal.Morph += (random() % 2 ? "het " : "66% poss het ") + name + " ";
            genotype.push_back(pair);
        }
        genotypes.push_back(genotype);
        animals.push_back(animal);
        (animal.Sex == TSex::Male ? males : nextDams).push_back(i);
        if (founder || i % 36 == 19) {
            dams.insert(dams.end(), nextDams.begin(), nextDams.end());
            nextDams.clear();
        }
    }
    return animals;
}

void SixGenerationsOf200(benchmark::State& state) {
    TGeneSet set;
    LoadGeneSetText(DefaultGeneSetText(), set, "Serpentia.INI");
    const TAnimalList animals = SixGenerations(set.LocusList);
    size_t uncertain = 0;
    for (auto _ : state) {
        const TFamilyChances chances = WorkOutChances(animals, set.LocusList, set.CombiList);
        if (!chances.Problem.empty())
            state.SkipWithError(chances.Problem.c_str());
        uncertain = 0;
        for (const TAnimalChances& animal : chances.Animals)
            for (const THiddenGeneChance& gene : animal.Hidden)
                uncertain += gene.Chance < 1;
        benchmark::DoNotOptimize(uncertain);
    }
    state.counters["animals"] = static_cast<double>(animals.size());
    state.counters["uncertain_hets"] = static_cast<double>(uncertain);
}

} // namespace

BENCHMARK(SixGenerationsOf200)->Unit(benchmark::kMillisecond)->MinTime(2);
