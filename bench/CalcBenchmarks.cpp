// Time and peak memory of the offspring calculation for the pairings breeders run at the largest.
#include "bench/PeakMemory.h"

#include "calc/Calculation.h"
#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFile.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

const std::string TenHets = "+a+b+c+d+e+f+g+h+i+k";

void RunPairing(benchmark::State& state, TGeneSet& set, const std::string& male, const std::string& female,
                const TCalcOptions& options, const TPairingPossibleHets& possible = {}) {
    ResetPeakMemory();
    size_t lines = 0;
    for (auto _ : state) {
        const TCalcResult result =
            RunCalculation(male, female, options, set.LocusList, set.CombiList, possible);
        lines = result.ReportLines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["report_lines"] = static_cast<double>(lines);
    state.counters["peak_MB"] = PeakMemoryMB();
}

TGeneSet Serpentia() {
    TGeneSet set;
    LoadGeneSetText(DefaultGeneSetText(), set, "Serpentia.INI");
    return set;
}

// Ten heterozygous loci in both parents: 1,048,576 cells.
void TenHetsRatioGenotypeSeparateShowPoss(benchmark::State& state) {
    TGeneSet set = Serpentia();
    RunPairing(state, set, TenHets, TenHets, TCalcOptions{0, 0, 0, 0, "."});
}

// The same with 59,049 genotype lines named by combinations.
void TenHetsPercentageGenotypeCombiNoPoss(benchmark::State& state) {
    TGeneSet set = Serpentia();
    RunPairing(state, set, TenHets, TenHets, TCalcOptions{1, 1, 0, 1, "."});
}

// The same with six of the ten loci possible hets in each parent: every cell weighed.
void TenHetsSixPossibleEachRatioGenotypeSeparateShowPoss(benchmark::State& state) {
    TGeneSet set = Serpentia();
    const TPairingPossibleHets possible{ReadPossibleHets("+a:66,+b:50,+c:33,+d:66,+e:50,+f:10").Hets,
                                        ReadPossibleHets("+e:66,+f:50,+g:33,+h:66,+i:50,+k:90").Hets};
    RunPairing(state, set, TenHets, TenHets, TCalcOptions{0, 0, 0, 0, "."}, possible);
}

// Twelve loci, one recessive mutant each, both parents heterozygous at all: 16,777,216 cells.
void TwelveHetsPhenotypeShowPoss(benchmark::State& state) {
    TGeneSet set;
    LoadGeneSet(ZYGORA_BENCH_DIR "/TwelveLoci.INI", set);
    RunPairing(state, set, set.Male, set.Female, TCalcOptions{0, 0, 1, 0, "."});
}

// The same as genotypes with possible hets: 531,441 genotypes worked through, 4,096 lines listed.
void TwelveHetsGenotypeShowPoss(benchmark::State& state) {
    TGeneSet set;
    LoadGeneSet(ZYGORA_BENCH_DIR "/TwelveLoci.INI", set);
    RunPairing(state, set, set.Male, set.Female, TCalcOptions{0, 0, 0, 0, "."});
}

} // namespace

BENCHMARK(TenHetsRatioGenotypeSeparateShowPoss)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(TenHetsPercentageGenotypeCombiNoPoss)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(TenHetsSixPossibleEachRatioGenotypeSeparateShowPoss)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(TwelveHetsPhenotypeShowPoss)->Unit(benchmark::kMillisecond)->MinTime(4);
BENCHMARK(TwelveHetsGenotypeShowPoss)->Unit(benchmark::kMillisecond)->MinTime(4);

BENCHMARK_MAIN();
