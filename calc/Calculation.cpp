#include "calc/Calculation.h"

#include "calc/GameteWeights.h"
#include "calc/GenotypeText.h"
#include "calc/HealthMarks.h"
#include "calc/LocusProduct.h"
#include "calc/Naming.h"
#include "calc/PossibleHets.h"
#include "calc/PunnettGrid.h"
#include "calc/ResultList.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <unordered_map>

namespace {

const char* const Banner = "---------------------------------------------------";
const char* const PhenotypeBanner = "---This is a PHENOTYPE only report-----------------";
const char* const HealthOpening = " [health: ";

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

// A parent line. Possible hets follow the names of the parent's other genes, whose closing blanks they
// replace: "het. Charcoal, 66% poss. het. Amelanistic"; a parent with no other gene shows them alone.
std::string ParentText(const std::string& selection, const std::vector<TPossibleHet>& possible, bool byGenes,
                       TNaming& naming) {
    // The whole selection is named even when its text is not used, so that the relations the names ask
    // for are stored as for the parent that is het at all its possible hets.
    std::string text = byGenes ? naming.SeparateText(selection) : naming.CombiText(selection);
    if (possible.empty())
        return text;
    std::string others;
    for (size_t i = 0; i < selection.size(); i += 2) {
        const std::string_view pair = PairAt(selection, i);
        if (pair != "++" && std::none_of(possible.begin(), possible.end(),
                                         [&](const TPossibleHet& het) { return het.Code == pair; }))
            others += pair;
    }
    text = others.empty()
               ? ""
               : TrimTrailingBlanks(byGenes ? naming.SeparateText(others) : naming.CombiText(others));
    for (const TPossibleHet& het : possible) {
        if (!text.empty())
            text += ", ";
        text +=
            std::to_string(het.Percent) + "% poss. het. " + naming.GeneNameOf(std::string(2, het.Code[1]));
    }
    return text;
}

// The greatest divisor of all the counts (1 for none).
TCount CommonDivisor(const std::vector<TCount>& counts) {
    TCount divisor = 0;
    for (const TCount count : counts)
        divisor = GreatestCommonDivisor(divisor, count);
    return std::max(divisor, TCount(1));
}

std::string Share(TCount count, TCount total, const TCalcOptions& options) {
    if (options.RatioIndex == 0)
        return DecimalText(count) + "/" + DecimalText(total);
    return PercentageText(count, total, options.DecimalSeparator);
}

// "Super Spider, Spider": the lethal genes, as the report and the unhatched line name them.
std::string LethalNamesText(const std::vector<std::string>& lethal) {
    std::string names;
    for (const std::string& name : lethal)
        names += (names.empty() ? "" : ", ") + name;
    return names;
}

// "1/4 of the eggs do not hatch: Super Spider", in the share style of the report's lines; with possible hets
// the share in lowest terms.
std::string UnhatchedText(TCount unhatched, TCount hatched, bool weighed, const TPunnettGrid& grid,
                          const TCalcOptions& options) {
    const std::string names = LethalNamesText(grid.LethalGeneNames());
    if (hatched == 0)
        return "No egg hatches: " + names;
    const TCount eggs = unhatched + hatched;
    const TCount divisor = weighed ? GreatestCommonDivisor(unhatched, eggs) : 1;
    return Share(unhatched / divisor, eggs / divisor, options) + " of the eggs do not hatch: " + names;
}

// The notes of a line as its report line ends with them, "neurological wobble; skin tumours".
std::string NotesText(const TNoteSet& notes, const TPunnettGrid& grid) {
    std::string text;
    for (size_t bit = 0; bit < notes.size(); ++bit)
        if (notes.test(bit))
            text += (text.empty() ? "" : "; ") + grid.NoteOfBit(bit);
    return text;
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

TOffspringLine TCalcResult::OffspringLine(size_t i) const {
    const TListedLine& listed = FOffspring[i];
    const std::string& reported = OffspringReportLine(i);
    const size_t nameEnd = listed.NameBegin + listed.NameLength;
    const std::string note = listed.Note < 0 ? std::string() : FNotes[static_cast<size_t>(listed.Note)];
    const size_t noteLength = note.empty() ? 0 : std::string_view(HealthOpening).size() + note.size() + 1;
    return TOffspringLine{listed.Line,
                          listed.Count,
                          FTotal,
                          reported.substr(listed.NameBegin, listed.NameLength),
                          reported.substr(nameEnd, reported.size() - nameEnd - noteLength),
                          FTotal + FUnhatched,
                          note};
}

TFraction TCalcResult::EggShareOf(const std::vector<size_t>& lines, bool unhatched) const {
    TCount count = unhatched ? FUnhatched : 0;
    for (const size_t i : lines)
        count += FOffspring[i].Count;
    return Reduced(count, FTotal + FUnhatched);
}

TCalcResult TCalcResult::RefusedWith(std::string message) {
    TCalcResult refused;
    refused.FRefusal = std::move(message);
    return refused;
}

// The grid's type is complete only here.
TCalcResult::TCalcResult() = default;
TCalcResult::TCalcResult(TCalcResult&&) noexcept = default;
TCalcResult& TCalcResult::operator=(TCalcResult&&) noexcept = default;
TCalcResult::~TCalcResult() = default;

const std::vector<std::string>& TCalcResult::LethalGeneNames() const {
    static const std::vector<std::string> None;
    return FGrid ? FGrid->LethalGeneNames() : None;
}

std::string TCalcResult::UnhatchedName() const {
    return "Do not hatch: " + LethalNamesText(LethalGeneNames());
}

bool TCalcResult::CellLethal(uint64_t column, uint64_t row) const {
    return column >= 1 && row >= 1 && column <= FemaleGameteCount() && row <= MaleGameteCount() &&
           FGrid->CellLethal(column, row);
}

uint64_t TCalcResult::MaleGameteCount() const {
    return FGrid ? FGrid->RowCount() : 0;
}
uint64_t TCalcResult::FemaleGameteCount() const {
    return FGrid ? FGrid->ColumnCount() : 0;
}

std::string TCalcResult::MaleGamete(uint64_t row) const {
    return row >= 1 && row <= MaleGameteCount() ? FGrid->Male().Gamete(row - 1) : std::string();
}

std::string TCalcResult::FemaleGamete(uint64_t column) const {
    return column >= 1 && column <= FemaleGameteCount() ? FGrid->Female().Gamete(column - 1) : std::string();
}

std::string TCalcResult::CellText(uint64_t column, uint64_t row) const {
    if (column == 0)
        return MaleGamete(row);
    if (row == 0)
        return FemaleGamete(column);
    if (column > FemaleGameteCount() || row > MaleGameteCount())
        return {};
    return FGrid->CellText(column, row);
}

TCalcResult RunCalculation(const std::string& male, const std::string& female, const TCalcOptions& options,
                           TLocusList& loci, const TCombiList& combis,
                           const TPairingPossibleHets& possibleHets, const TCalcControl& control) {
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
    // The lines the report would list; only the first are listed when they are too many to list.
    uint64_t lineCount = 0;
    TCount total = 0; // what the lines count together
    const TLocusProduct product(*grid, questions, options.PhenotypeIndex == 1);
    if (product.Applies()) {
        lineCount = product.LineCount();
        total = product.HatchingTotal();
        // Possible hets are worked out over every genotype, so all of them are held in memory.
        if (options.PossibleHetsIndex == 0 && lineCount > MaxOffspringLines)
            return refuse(tooManyGenotypes);
        const bool listed = options.PossibleHetsIndex != 0;
        if (!product.Collect(list, listed && lineCount > MaxListedLines ? LinesForEstimate : lineCount,
                             control))
            return refuse(CancelledMessage);
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
        lineCount = list.Lines.size();
        total = list.TotalCount();
    }
    if (options.PossibleHetsIndex == 0) {
        const size_t memory = list.Lines.size() * PossibleHetBytesPerGenotype;
        if (memory > MaxCalculationMemory)
            return refuse("Too large to calculate: working out the possible hets of this pairing's " +
                          std::to_string(list.Lines.size()) +
                          " different offspring genotypes would take about " + std::to_string(memory >> 20) +
                          " MB of memory, and the limit is " + std::to_string(MaxCalculationMemory >> 20) +
                          " MB.");
        BuildPossibles(list, possibles, questions, naming, control);
        if (control.Cancelled())
            return refuse(CancelledMessage);
    }
    report.push_back(options.PhenotypeIndex != 0 ? PhenotypeBanner : Banner);
    result.FTotal = total;
    result.FUnhatched = list.Unhatched;
    result.FFirstOffspring = report.size();
    std::unordered_map<TNoteSet, int32_t> noteOfSet;
    // With possible hets the shares are written over their smallest common denominator; without, over
    // all the cells of the grid.
    const TCount divisor = weighed ? CommonDivisor(list.Counts) : 1;
    // Only the lines left after the phenotypes and possible hets have merged them are named and listed. The
    // first lines named tell how large the whole report would be; a report that grows past its bound all
    // the same is refused as soon as it does.
    if (options.PossibleHetsIndex == 0)
        lineCount = list.Lines.size();
    const size_t sampled = std::min<uint64_t>(lineCount, LinesForEstimate);
    size_t reportBytes = 0;
    report.reserve(report.size() + list.Lines.size());
    result.FOffspring.reserve(list.Lines.size());
    for (size_t i = 0; i < list.Lines.size(); ++i) {
        if (i % CheckedLines == 0) {
            control.Advance(TCalcStep::Names, i, lineCount);
            if (control.Cancelled())
                return refuse(CancelledMessage);
        }
        const std::string& line = list.Lines[i];
        const std::string name = options.CombiIndex == 1 ? naming.CombiText(line) : naming.SeparateText(line);
        std::string reported = Share(list.Counts[i] / divisor, total / divisor, options) + " ";
        const auto nameBegin = static_cast<uint32_t>(reported.size());
        reported += name;
        reported += possibles.PossibleTextOf(line);
        int32_t note = -1;
        if (!list.Notes.empty() && list.Notes[i].any()) {
            const auto [known, added] =
                noteOfSet.try_emplace(list.Notes[i], static_cast<int32_t>(result.FNotes.size()));
            if (added)
                result.FNotes.push_back(NotesText(list.Notes[i], *grid));
            note = known->second;
            reported += HealthOpening + result.FNotes[static_cast<size_t>(note)] + "]";
        }
        reportBytes += reported.size() + 1;
        report.push_back(std::move(reported));
        result.FOffspring.push_back(
            {std::move(list.Lines[i]), list.Counts[i], nameBegin, static_cast<uint32_t>(name.size()), note});
        const auto estimate = static_cast<uint64_t>(std::min<TCount>(
            TCount(reportBytes) * lineCount / (i + 1), std::numeric_limits<uint64_t>::max()));
        if (reportBytes > MaxReportBytes ||
            (i + 1 == sampled && (lineCount > MaxListedLines || estimate > MaxReportBytes)))
            return refuse(TooLongMessage(lineCount, estimate));
    }
    if (list.Unhatched > 0)
        report.push_back(UnhatchedText(list.Unhatched, total, weighed, *grid, options));
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
