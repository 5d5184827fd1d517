// Time of the pairing planner over the largest collection we plan for: 30 males and 60 females, each with
// chances at eight loci such as a recorded family gives them.
#include "bench/PeakMemory.h"

#include "calc/PairingPlan.h"
#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void PlanThirtyMalesSixtyFemalesEightLoci(benchmark::State& state) {
    TGeneSet set;
    LoadGeneSetText(DefaultGeneSetText(), set, "Serpentia.INI");
    const std::string alleles = "abcdefghik"; // of the ten loci of Serpentia, in order
    TAnimalList animals;
    std::vector<TAnimalChances> chances;
    for (int i = 0; i < 90; ++i) {
        animals.push_back(
            {"Animal " + std::to_string(i), i < 30 ? TSex::Male : TSex::Female, "", "", "", "", ""});
        TAnimalChances animal;
        for (size_t l = 0; l < alleles.size(); ++l) {
            const std::string het{'+', alleles[l]};
            const std::string visual(2, alleles[l]);
            // Chances of the kinds a family gives: thirds, halves, and the odd ninths and eighteenths.
            const mpq_class carries(static_cast<long>(1 + (i + l) % 7),
                                    static_cast<long>(9 + 9 * ((i * l) % 2)));
            if (l >= 8)
                animal.Loci.push_back({{"++", 1}});
            else if ((i + l) % 5 == 0)
                animal.Loci.push_back({{visual, 1}});
            else
                animal.Loci.push_back({{"++", 1 - carries}, {het, carries}});
        }
        chances.push_back(animal);
    }
    const TPlanGoal goal{{"aabbccdd++++++++++++", "++++++++eeffgghh++++", "aa++cc++ee++gg++++++"}};
    ResetPeakMemory();
    size_t pairings = 0;
    for (auto _ : state) {
        const std::vector<TPlannedPairing> plan = PlanPairings(animals, chances, goal, 12, set.LocusList);
        pairings = plan.size();
        benchmark::DoNotOptimize(plan.data());
    }
    state.counters["pairings"] = static_cast<double>(pairings);
    state.counters["peak_MB"] = PeakMemoryMB();
}

} // namespace

BENCHMARK(PlanThirtyMalesSixtyFemalesEightLoci)->Unit(benchmark::kMillisecond);
