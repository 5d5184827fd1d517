#include "calc/Calculation.h"

#include "calc/GameteWeights.h"
#include "calc/GenotypeText.h"
#include "calc/HealthMarks.h"
#include "calc/LocusProduct.h"
#include "calc/Naming.h"
#include "calc/PossibleHets.h"
#include "calc/PunnettGrid.h"
#include "calc/ReportText.h"
#include "calc/ResultList.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <unordered_map>

namespace {

std::string TooManyLociMessage(const TPunnettGrid& grid) {
    for (const auto& [parent, gametes] :
         {std::pair{"male", &grid.Male()}, std::pair{"female", &grid.Female()}})
        if (gametes->TooManyLines())
            return std::string("Too large to calculate: the ") + parent + " has more than " +
                   std::to_string(MaxKeptLoci) + " loci, and the limit is " + std::to_string(MaxKeptLoci) +
                   " loci per parent.";
    return {};
}

// Where the lines cannot be listed locus by locus, every cell of the grid is counted.
std::string TooManyCellsMessage(const TPunnettGrid& grid) {
    const int hets = grid.Male().HetCount() + grid.Female().HetCount();
    if (hets > MaxHeterozygousLoci)
        return "Too large to calculate: the male and the female are heterozygous at " + std::to_string(hets) +
               " loci together, and the limit is " + std::to_string(MaxHeterozygousLoci) +
               " heterozygous loci.";
    return {};
}

// The lines named before the size of the report is judged.
constexpr size_t LinesForEstimate = 4096;

std::string TooLongMessage(uint64_t lines, uint64_t bytes) {
    return "Too large to calculate: this pairing would list " + std::to_string(lines) +
           " offspring lines (about " + std::to_string((bytes >> 20) + ((bytes >> 19) & 1)) +
           " MB of report); the limit is " + std::to_string(MaxListedLines) + " lines / " +
           std::to_string(MaxReportBytes >> 20) + " MB.";
}

std::string TooManyPossibleHetsMessage(const TPunnettGrid& grid) {
    const size_t possible = grid.MaleWeights().Taken().size() + grid.FemaleWeights().Taken().size();
    if (possible <= static_cast<size_t>(MaxPossibleHets))
        return {};
    return "Too large to calculate: the male and the female have " + std::to_string(possible) +
           " possible hets together, and the limit is " + std::to_string(MaxPossibleHets) + " possible hets.";
}

// The greatest divisor of all the counts (1 for none).
TCount CommonDivisor(const std::vector<TCount>& counts) {
    TCount divisor = 0;
    for (const TCount count : counts)
        divisor = GreatestCommonDivisor(divisor, count);
    return std::max(divisor, TCount(1));
}

std::vector<size_t> WeightCounts(TLocusList& loci) {
    std::vector<size_t> counts;
    for (int i = 0; i < loci.Count(); ++i)
        counts.push_back(loci[i]->Weights().size());
    return counts;
}

// The calculation only ever appends weight entries, so cutting the lists back undoes it.
void RestoreWeightCounts(TLocusList& loci, const std::vector<size_t>& counts) {
    for (int i = 0; i < loci.Count(); ++i)
        loci[i]->Weights().resize(counts[static_cast<size_t>(i)]);
}

} // namespace

// Names and lists the offspring lines, one by one, into the result or into a sink, and judges the size of
// the report as it goes.
class TOffspringListing {
public:
    struct TShares {
        uint64_t LineCount = 0; // lines the report would list; only the first are listed when too many
        TCount Total = 0;       // what the lines count together
        TCount Divisor = 1;     // what divides every count: shares are written over the smallest total
    };

    TOffspringListing(TCalcResult& result, const TShares& shares, const TCalcOptions& options,
                      TNaming& naming, const TPossibleList& possibles, const TPunnettGrid& grid,
                      TReportSink* sink)
        : FResult(result), FShares(shares), FOptions(options), FNaming(naming), FPossibles(possibles),
          FGrid(grid), FSink(sink), FShareWriter(shares.Total / shares.Divisor, options) {}

    // Lists every line `next` gives; a refusal message when the report is too large or the run was
    // cancelled, else empty.
    template <typename TNext> std::string ListAll(TNext next, const TCalcControl& control) {
        TProductLine listed;
        const size_t sampled = std::min<uint64_t>(FShares.LineCount, LinesForEstimate);
        for (size_t i = 0; next(listed); ++i) {
            if (i % CheckedLines == 0) {
                control.Advance(TCalcStep::Names, i, FShares.LineCount);
                if (control.Cancelled())
                    return CancelledMessage;
            }
            List(listed);
            // The first lines named tell how large the whole report would be; a report held in memory that
            // grows past its bound all the same is refused as soon as it does.
            const auto estimate = static_cast<uint64_t>(std::min<TCount>(
                TCount(FReportBytes) * FShares.LineCount / (i + 1), std::numeric_limits<uint64_t>::max()));
            if ((!FStreaming && FReportBytes > MaxReportBytes) ||
                (i + 1 == sampled && (FShares.LineCount > MaxListedLines || estimate > MaxReportBytes)))
                return TooLongMessage(FShares.LineCount, estimate);
            if (i + 1 == sampled)
                StartStreaming();
        }
        StartStreaming();
        return {};
    }

    // The report lines after the offspring lines are there.
    void Close() {
        if (FSink)
            FSink->WriteClosing({FResult.FReport.begin() + static_cast<ptrdiff_t>(FResult.FFirstOffspring),
                                 FResult.FReport.end()});
    }

private:
    void List(TProductLine& listed) {
        const std::string& line = listed.Line;
        if (listed.Names.empty()) {
            if (FOptions.CombiIndex == 1)
                FNaming.CombiTextInto(line, listed.Names);
            else
                listed.Names = FNaming.SeparateText(line);
        }
        std::string& reported = FReported;
        reported.clear();
        FShareWriter.Write(listed.Weight / FShares.Divisor, reported);
        const auto nameBegin = static_cast<uint32_t>(reported.size());
        reported += listed.Names;
        const std::string& possible = listed.PossibleText.empty()
                                          ? (listed.PossibleText = FPossibles.PossibleTextOf(line))
                                          : listed.PossibleText;
        reported += possible;
        int32_t note = -1;
        if (listed.Notes.any()) {
            const auto [known, added] =
                FNoteOfSet.try_emplace(listed.Notes, static_cast<int32_t>(FResult.FNotes.size()));
            if (added)
                FResult.FNotes.push_back(NotesText(listed.Notes, FGrid));
            note = known->second;
            reported.append(HealthOpening).append(FResult.FNotes[static_cast<size_t>(note)]).append("]");
        }
        FReportBytes += reported.size() + 1;
        if (FStreaming) {
            // Written as it is made; the texts trade places with the listed line's, for the next to reuse.
            FWritten.Line.swap(listed.Line);
            FWritten.Count = listed.Weight;
            FWritten.Name.swap(listed.Names);
            FWritten.PossibleText.swap(listed.PossibleText);
            if (note < 0)
                FWritten.HealthNote.clear();
            else
                FWritten.HealthNote = FResult.FNotes[static_cast<size_t>(note)];
            FSink->WriteOffspring(FWritten, reported);
            return;
        }
        FResult.FReport.push_back(reported);
        FResult.FOffspring.push_back({std::move(listed.Line), listed.Weight, nameBegin,
                                      static_cast<uint32_t>(listed.Names.size()), note});
    }

    // From now on lines go to the sink as they are listed, those held so far first.
    void StartStreaming() {
        if (!FSink || FStreaming)
            return;
        FStreaming = true;
        FSink->WriteHeading({FResult.FReport.begin(),
                             FResult.FReport.begin() + static_cast<ptrdiff_t>(FResult.FFirstOffspring)});
        for (size_t i = 0; i < FResult.FOffspring.size(); ++i)
            FSink->WriteOffspring(FResult.OffspringLine(i), FResult.OffspringReportLine(i));
        FResult.FOffspring.clear();
        FResult.FReport.resize(FResult.FFirstOffspring);
        FWritten.Total = FResult.FTotal;
        FWritten.Eggs = FResult.FTotal + FResult.FUnhatched;
    }

    TCalcResult& FResult;
    const TShares& FShares;
    const TCalcOptions& FOptions;
    TNaming& FNaming;
    const TPossibleList& FPossibles;
    const TPunnettGrid& FGrid;
    TReportSink* FSink;
    const TShareWriter FShareWriter;
    bool FStreaming = false;
    std::string FReported;   // the report line being made
    TOffspringLine FWritten; // the line handed to the sink
    size_t FReportBytes = 0;
    std::unordered_map<TNoteSet, int32_t> FNoteOfSet;
};

TCalcResult RunCalculation(const std::string& male, const std::string& female, const TCalcOptions& options,
                           TLocusList& loci, const TCombiList& combis,
                           const TPairingPossibleHets& possibleHets, const TCalcControl& control,
                           TReportSink* sink) {
    TCalcResult result;
    auto grid = std::make_unique<TPunnettGrid>(male, female);
    result.FRefusal = TooManyLociMessage(*grid);
    if (result.Refused())
        return result;
    const std::vector<size_t> weightCounts = WeightCounts(loci);
    grid->MarkHealth(THealthMarks(loci));
    TAlleleQuestions questions(loci);
    grid->WeighGametes(TGameteWeights(grid->Male(), possibleHets.Male, questions),
                       TGameteWeights(grid->Female(), possibleHets.Female, questions));
    result.FRefusal = TooManyPossibleHetsMessage(*grid);
    if (result.Refused())
        return result;
    const bool weighed = grid->MaleWeights().Any() || grid->FemaleWeights().Any();
    TNaming naming(questions, loci, combis);
    TResultList list(questions);
    TPossibleList possibles;

    std::vector<std::string>& report = result.FReport;
    const bool parentsByGenes = options.CombiIndex == 0;
    report.push_back("Male   = " + ParentText(male, grid->MaleWeights().Taken(), parentsByGenes, naming));
    report.push_back("Female = " + ParentText(female, grid->FemaleWeights().Taken(), parentsByGenes, naming));
    report.insert(report.end(), {"", "Offspring predicted as: ", ""});

    grid->AskCellQuestions(questions, list);
    const auto refuse = [&](std::string message) {
        RestoreWeightCounts(loci, weightCounts);
        return TCalcResult::RefusedWith(std::move(message));
    };
    const std::string tooManyGenotypes =
        "Too large to calculate: this pairing has more than " + std::to_string(MaxOffspringLines) +
        " different offspring genotypes to hold in memory while they are worked through, and the limit is " +
        std::to_string(MaxOffspringLines) + ".";
    TOffspringListing::TShares shares;
    // With possible hets the lines are looks; a phenotype report's looks hide nothing.
    const bool showPossible = options.PossibleHetsIndex == 0;
    const TLocusProduct product(*grid, questions, naming,
                                {options.PhenotypeIndex == 1 || showPossible,
                                 showPossible && options.PhenotypeIndex != 1, options.CombiIndex != 1});
    std::optional<TLocusProduct::TCursor> cursor;
    if (product.Applies()) {
        shares = {product.LineCount(), product.HatchingTotal(), weighed ? product.CommonDivisor() : 1};
        list.Unhatched = product.Unhatched();
        cursor.emplace(product, shares.LineCount > MaxListedLines ? LinesForEstimate : shares.LineCount);
    } else {
        if (std::string message = TooManyCellsMessage(*grid); !message.empty())
            return refuse(std::move(message));
        // Every different genotype is held in memory until the lines are merged.
        const bool collected = grid->CollectCells(list, MaxOffspringLines, {}, control);
        if (control.Cancelled())
            return refuse(CancelledMessage);
        if (!collected)
            return refuse(tooManyGenotypes);
        list.NormaliseLines();
        if (options.PhenotypeIndex == 1)
            list.ToPhenotypes();
        if (options.PossibleHetsIndex == 0) {
            const size_t memory = list.Lines.size() * PossibleHetBytesPerGenotype;
            if (memory > MaxCalculationMemory)
                return refuse("Too large to calculate: working out the possible hets of this pairing's " +
                              std::to_string(list.Lines.size()) +
                              " different offspring genotypes would take about " +
                              std::to_string(memory >> 20) + " MB of memory, and the limit is " +
                              std::to_string(MaxCalculationMemory >> 20) + " MB.");
            BuildPossibles(list, possibles, questions, naming, control);
            if (control.Cancelled())
                return refuse(CancelledMessage);
        }
        // With possible hets the shares are written over their smallest common denominator; without, over
        // all the cells of the grid.
        shares = {list.Lines.size(), list.TotalCount(), weighed ? CommonDivisor(list.Counts) : 1};
    }
    report.push_back(options.PhenotypeIndex != 0 ? PhenotypeBanner : Banner);
    result.FTotal = shares.Total;
    result.FUnhatched = list.Unhatched;
    result.FFirstOffspring = report.size();
    report.reserve(report.size() + std::min<uint64_t>(shares.LineCount, LinesForEstimate));
    TOffspringListing listing(result, shares, options, naming, possibles, *grid, sink);
    size_t next = 0;
    const std::string refusal = listing.ListAll(
        [&](TProductLine& listed) {
            if (cursor)
                return cursor->Next(listed);
            if (next == list.Lines.size())
                return false;
            listed.Line = std::move(list.Lines[next]);
            listed.Weight = list.Counts[next];
            listed.Notes = list.Notes.empty() ? TNoteSet() : list.Notes[next];
            listed.Names.clear();
            listed.PossibleText.clear();
            ++next;
            return true;
        },
        control);
    if (!refusal.empty())
        return refuse(refusal);
    if (list.Unhatched > 0)
        report.push_back(UnhatchedText(list.Unhatched, shares.Total, weighed, *grid, options));
    listing.Close();
    result.FGrid = std::move(grid);
    return result;
}

std::string PercentageText(TCount count, TCount total, const std::string& decimalSeparator) {
    const double percentage = static_cast<double>(count) / (static_cast<double>(total) / 100.0);
    char digits[64];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, percentage, std::chars_format::fixed, 2).ptr;
    std::string text(digits, end);
    const size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text + "%";
}

void ReduceSelections(std::string& male, std::string& female) {
    if (male.size() != female.size())
        return;
    std::string keptMale;
    std::string keptFemale;
    for (size_t i = 0; i < male.size(); i += 2) {
        const std::string_view malePair = PairAt(male, i);
        const std::string_view femalePair = PairAt(female, i);
        if (malePair == "++" && femalePair == "++")
            continue;
        keptMale += malePair;
        keptFemale += femalePair;
    }
    male = std::move(keptMale);
    female = std::move(keptFemale);
}
