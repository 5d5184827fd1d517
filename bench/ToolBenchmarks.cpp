// zygora-calc run as a breeder's script runs it, its output thrown away: the time of the whole run, the
// calculation and the writing of its answer, and the peak memory of that process alone, which is only
// honest from a process of its own.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

const std::string BallPython = ZYGORA_BENCH_DIR "/../resources/genesets/Ball Python.INI";
const std::string SixteenLoci = ZYGORA_BENCH_DIR "/SixteenLoci.INI";
const std::string TenHets = "+a+b+c+d+e+f+g+h+i+k";
// Pastel, Spider, Cinnamon, Fire, Enchi, Yellow Belly (co-dominant or dominant), Albino, Piebald, Clown,
// Desert Ghost (recessive); Spider and Super Spider carry the wobble's health note, and no gene of the set
// is lethal.
const std::string BallPythonTenHets = "+++p+s+++c+f+e+y+++++a+++d+k+++++++++++z";

// The first `loci` of the sixteen-locus set, heterozygous.
std::string HetLoci(int loci) {
    std::string selection;
    for (int i = 0; i < loci; ++i)
        selection += std::string{'+', static_cast<char>('a' + i)};
    return selection;
}

// `lines` is the number of offspring lines the run writes, for the time and memory per line.
void RunTool(benchmark::State& state, std::vector<std::string> arguments, double lines) {
    long peakKilobytes = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
            std::vector<char*> argv = {const_cast<char*>(ZYGORA_CALC_TOOL)};
            for (std::string& argument : arguments)
                argv.push_back(argument.data());
            argv.push_back(nullptr);
            execv(ZYGORA_CALC_TOOL, argv.data());
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("zygora-calc refused the pairing or failed; its message is above");
            return;
        }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
    }
    state.counters["peak_MB"] = static_cast<double>(peakKilobytes) / 1024;
    state.counters["lines"] = lines;
    state.counters["us_per_line"] = seconds * 1e6 / static_cast<double>(state.iterations()) / lines;
    state.counters["bytes_per_line"] = static_cast<double>(peakKilobytes) * 1024 / lines;
}

std::vector<std::string> Genotypes(const std::vector<std::string>& parents, bool json) {
    std::vector<std::string> arguments = parents;
    arguments.insert(arguments.end(), {"--pheno-index", "0", "--combi-index", "0", "--possible-index", "1"});
    if (json)
        arguments.push_back("--json");
    return arguments;
}

std::vector<std::string> Phenotypes(const std::vector<std::string>& parents) {
    std::vector<std::string> arguments = parents;
    arguments.insert(arguments.end(), {"--pheno-index", "1", "--possible-index", "1"});
    return arguments;
}

std::vector<std::string> Loci(int loci) {
    return {"--gene-set", SixteenLoci, "--male", HetLoci(loci), "--female", HetLoci(loci)};
}

} // namespace

// Ten recessive loci of Serpentia, every one of the 59,049 genotypes its own line.
BENCHMARK_CAPTURE(RunTool, TenHetsGenotypeJson, Genotypes({"--male", TenHets, "--female", TenHets}, true),
                  59049)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(RunTool, TenHetsGenotypeReport, Genotypes({"--male", TenHets, "--female", TenHets}, false),
                  59049)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// The ball python's ten loci, 59,049 genotypes named by combinations.
BENCHMARK_CAPTURE(RunTool, BallPythonTenHetsCombiJson,
                  std::vector<std::string>({"--gene-set", BallPython, "--male", BallPythonTenHets, "--female",
                                            BallPythonTenHets, "--pheno-index", "0", "--combi-index", "1",
                                            "--possible-index", "1", "--json"}),
                  59049)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// Twelve loci as genotypes: 531,441 lines.
BENCHMARK_CAPTURE(RunTool, TwelveHetsGenotypeReport, Genotypes(Loci(12), false), 531441)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(RunTool, TwelveHetsGenotypeJson, Genotypes(Loci(12), true), 531441)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// How the run grows with the loci: 2^n phenotype lines for n heterozygous loci, up to sixteen.
BENCHMARK_CAPTURE(RunTool, TwelveHetsPhenotypeReport, Phenotypes(Loci(12)), 4096)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(RunTool, FourteenHetsPhenotypeReport, Phenotypes(Loci(14)), 16384)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(RunTool, SixteenHetsPhenotypeReport, Phenotypes(Loci(16)), 65536)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// 3^n genotype lines: eight loci besides the ten and twelve above; fourteen (4,782,969 lines) and more are
// refused for the size of their answer.
BENCHMARK_CAPTURE(RunTool, EightHetsGenotypeReport, Genotypes(Loci(8), false), 6561)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// The pairing planner over 30 males and 60 females of Serpentia, founders with stated hets and possible
// hets at eight loci and their young: the chances from the family and the 1,800 pairings ranked.
BENCHMARK_CAPTURE(RunTool, PlanNinetyAnimalsEightLociJson,
                  std::vector<std::string>({"--animals", ZYGORA_BENCH_DIR "/NinetyAnimals.csv", "--plan",
                                            "any of Amelanistic Anerythristic Bloodred Caramel, Charcoal "
                                            "Hypomelanistic Lava Lavender",
                                            "--json"}),
                  1800)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
