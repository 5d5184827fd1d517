// The whole offspring calculation on plain values: from the two parents' selection strings and the
// calculation choices to the report, the Punnett grid and the weight entries the gene set gains.
#pragma once

#include "calc/CalcControl.h"
#include "calc/ExactCount.h"
#include "model/Combi.h"
#include "model/Locus.h"
#include "model/PossibleHet.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TPunnettGrid;

// The four choices as the radio groups give them (already clamped, -1 for none chosen).
// RatioIndex 0: shares as count/total, any other as percentages. PhenotypeIndex 1: phenotype lines,
// any other than 0: the phenotype banner. CombiIndex: parent lines by gene names for 0 and by
// combinations for any other; offspring lines by combinations for 1 and by gene names for any other.
// PossibleHetsIndex 0: phenotype lines with the share of possible hets.
struct TCalcOptions {
    int RatioIndex = 0;
    int CombiIndex = 0;
    int PhenotypeIndex = 0;
    int PossibleHetsIndex = 0;
    std::string DecimalSeparator = ".";
};

// One line of the offspring list as the report shows it.
struct TOffspringLine {
    std::string Line;         // the genotype or phenotype string
    TCount Count = 0;         // grid cells it stands for; with possible hets, what they weigh
    TCount Total = 0;         // the inner cells of the grid that hatch, or what they weigh
    std::string Name;         // gene or combination names
    std::string PossibleText; // "(66% poss. het. Amelanistic) ", or empty
    TCount Eggs = 0;          // all inner cells, those that do not hatch too, or what they weigh
    std::string HealthNote;   // the notes of the genes its offspring carry, "; " between them, or empty

    // Its share of the offspring that hatch, as the report gives it.
    TFraction Share() const { return Reduced(Count, Total); }
    // Its share of the eggs laid.
    TFraction EggShare() const { return Reduced(Count, Eggs); }
};

// The possible hets of the two parents of a pairing.
struct TPairingPossibleHets {
    std::vector<TPossibleHet> Male;
    std::vector<TPossibleHet> Female;
};

// Pairings beyond these are refused instead of calculated, so that none takes more than a few seconds or
// more memory than it can hold: the grid has 2^n cells for n heterozygous loci of both parents together;
// every different offspring genotype is a line held in memory and worked through.
constexpr int MaxHeterozygousLoci = 26;
constexpr size_t MaxOffspringLines = size_t(1) << 20;
// Every line left after the phenotype and possible-het steps is named and listed: a report past either
// bound is refused for its own size (twelve heterozygous loci as genotypes, 531,441 lines of about 48 MB,
// are listed).
constexpr size_t MaxListedLines = 1000000;
constexpr size_t MaxReportBytes = size_t(128) << 20;
// Working out possible hets keeps a record of every different offspring genotype beside the genotype
// itself: measured, a run then takes about this many bytes per genotype, and none may take more than
// MaxCalculationMemory.
constexpr size_t PossibleHetBytesPerGenotype = 420;
constexpr size_t MaxCalculationMemory = size_t(256) << 20;
// Possible hets weigh the cells; the weighted counts of this many stay well inside 128 bits.
constexpr int MaxPossibleHets = 12;

// Takes the report of a run as it is written, in place of the result holding its offspring lines: a report
// of many lines is then written out without ever being held whole.
class TReportSink {
public:
    virtual ~TReportSink() = default;
    // The report lines before the offspring lines.
    virtual void WriteHeading(const std::vector<std::string>& lines) = 0;
    // An offspring line, and the report line that lists it.
    virtual void WriteOffspring(const TOffspringLine& line, const std::string& reported) = 0;
    // The report lines after the offspring lines.
    virtual void WriteClosing(const std::vector<std::string>& lines) = 0;
};

class TCalcResult {
public:
    TCalcResult();
    TCalcResult(TCalcResult&&) noexcept;
    TCalcResult& operator=(TCalcResult&&) noexcept;
    ~TCalcResult();

    // A pairing that is not calculated, for `message`.
    static TCalcResult RefusedWith(std::string message);

    // Too large to calculate, or codes that are no genes: the message is shown instead of the report, and
    // the grid is empty.
    bool Refused() const { return !FRefusal.empty(); }
    const std::string& RefusalMessage() const { return FRefusal; }

    // Exactly the report lines.
    const std::vector<std::string>& ReportLines() const { return FReport; }
    // The offspring lines of the report, one by one, and each as the report writes it.
    size_t OffspringLineCount() const { return FOffspring.size(); }
    TOffspringLine OffspringLine(size_t i) const;
    const std::string& OffspringReportLine(size_t i) const { return FReport[FFirstOffspring + i]; }
    // The share of the eggs laid that holds any of these offspring lines, and with `unhatched` any of
    // the eggs that do not hatch.
    TFraction EggShareOf(const std::vector<size_t>& lines, bool unhatched = false) const;

    // The eggs that do not hatch, for they hold a lethal gene: their share of all eggs, exact (0 when all
    // hatch), and the names of those genes in gene-set order.
    TFraction UnhatchedShare() const { return Reduced(FUnhatched, FTotal + FUnhatched); }
    const std::vector<std::string>& LethalGeneNames() const;
    // Those eggs as a line of their own: "Do not hatch: Super Spider", worded as the report's last line.
    std::string UnhatchedName() const;

    // The grid has 1 + MaleGameteCount() rows and 1 + FemaleGameteCount() columns.
    uint64_t MaleGameteCount() const;
    uint64_t FemaleGameteCount() const;
    std::string MaleGamete(uint64_t row) const;      // row 1 .. MaleGameteCount()
    std::string FemaleGamete(uint64_t column) const; // column 1 .. FemaleGameteCount()
    // Any cell of the grid like the string grid: column 0 the male gametes, row 0 the female ones, the
    // corner and cells outside the grid empty. Cheap; never touches the gene set.
    std::string CellText(uint64_t column, uint64_t row) const;
    // The inner cell (1-based) holds a lethal gene: its offspring does not hatch. Cheap.
    bool CellLethal(uint64_t column, uint64_t row) const;

private:
    friend TCalcResult RunCalculation(const std::string& male, const std::string& female,
                                      const TCalcOptions& options, TLocusList& loci, const TCombiList& combis,
                                      const TPairingPossibleHets& possibleHets, const TCalcControl& control,
                                      TReportSink* sink);
    friend class TOffspringListing;

    // An offspring line; its name and possible-het text are kept in its report line only.
    struct TListedLine {
        std::string Line;
        TCount Count = 0;
        uint32_t NameBegin = 0;
        uint32_t NameLength = 0;
        int32_t Note = -1; // index into FNotes, -1 for none
    };

    std::string FRefusal;
    std::vector<std::string> FReport;
    size_t FFirstOffspring = 0; // the report line of the first offspring line
    std::vector<TListedLine> FOffspring;
    std::vector<std::string> FNotes; // the different health notes of the lines, as their lines end
    TCount FTotal = 0;
    TCount FUnhatched = 0;
    std::unique_ptr<const TPunnettGrid> FGrid;
};

// Runs the calculation as the Calculate button does, with `male` and `female` exactly as typed. The
// questions asked of the loci store default relations in them, as they are saved with the gene set; a
// refused pairing leaves the loci as they were.
// With possible hets the offspring are those of all the parents they stand for, each pair weighed by
// its chance: the lines, names and grid of the parents het at every possible het, the shares exact
// fractions of one smallest common denominator. Entries that are no possible het of that parent are
// passed over.
// Offspring holding a gene marked lethal do not hatch: they get no line, the shares are those of the
// offspring that hatch, and the report ends with the share of the eggs that do not hatch and the genes
// why. A line whose offspring carry a gene with a health note ends with " [health: <note>]".
// A run cancelled through `control` is refused with CancelledMessage, the loci left as they were.
// With a sink the offspring lines go to the sink once the report is known not to be refused for its size,
// and the result holds no offspring line: its report lines are those before and after them.
TCalcResult RunCalculation(const std::string& male, const std::string& female, const TCalcOptions& options,
                           TLocusList& loci, const TCombiList& combis,
                           const TPairingPossibleHets& possibleHets = {}, const TCalcControl& control = {},
                           TReportSink* sink = nullptr);

inline const char* const CancelledMessage = "Calculation cancelled.";

// "66.67%": count/total as a percentage with two decimals, as the report writes shares.
std::string PercentageText(TCount count, TCount total, const std::string& decimalSeparator);

// Drops the loci at which both parents are "++"; strings of different lengths stay as they are.
void ReduceSelections(std::string& male, std::string& female);
