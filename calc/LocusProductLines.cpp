// Walking through the lines of a pairing locus by locus, in the order in which the grid meets them.
#include "calc/LocusProduct.h"

#include <algorithm>

namespace {

// The bits of a gamete's index that a choice at a locus sets: none where the parent is homozygous.
uint64_t ChoiceBits(int choice, int bit) {
    return bit < 0 ? 0 : static_cast<uint64_t>(choice) << bit;
}

} // namespace

TLocusProduct::TCursor::TCursor(const TLocusProduct& product, uint64_t limit)
    : FProduct(product), FLimit(limit), FPositions(product.FOutcomes.size()), FFemaleChoice(FPositions, 0),
      FCandidates(FPositions), FDigit(FPositions, 0), FChosen(FPositions) {
    const auto& outcomes = product.FOutcomes;
    // The female's bits that some outcome needs set, lowest first: counting through their values in order
    // goes through the columns of the grid in order.
    for (size_t j = 0; j < FPositions; ++j)
        if (std::any_of(outcomes[j].begin(), outcomes[j].end(),
                        [](const TOutcome& outcome) { return outcome.FemaleChoice == 1; }))
            FFemaleLoci.push_back(j);
    std::sort(FFemaleLoci.begin(), FFemaleLoci.end(),
              [&](size_t a, size_t b) { return product.FFemaleBit[a] < product.FFemaleBit[b]; });
    FColumns = uint64_t(1) << FFemaleLoci.size();
    const auto anyOutcome = [&](size_t j, auto has) {
        return std::any_of(outcomes[j].begin(), outcomes[j].end(), has);
    };
    for (int part = 0; part < 8; ++part)
        for (size_t j = 0; j < FPositions; ++j) {
            if (part < 4 &&
                anyOutcome(j, [&](const TOutcome& outcome) { return !outcome.Text[part].empty(); }))
                FTextParts.emplace_back(part, j);
            if (anyOutcome(
                    j, [&](const TOutcome& outcome) { return !outcome.Names[part / 4][part % 4].empty(); }))
                FNameParts.emplace_back(part, j);
        }
}

bool TLocusProduct::TCursor::StartColumn() {
    for (; FColumn < FColumns; ++FColumn) {
        for (size_t i = 0; i < FFemaleLoci.size(); ++i)
            FFemaleChoice[FFemaleLoci[i]] = static_cast<int>((FColumn >> i) & 1);
        bool empty = false;
        FVarying.clear();
        for (size_t j = 0; j < FPositions && !empty; ++j) {
            std::vector<const TOutcome*>& candidates = FCandidates[j];
            candidates.clear();
            for (const TOutcome& outcome : FProduct.FOutcomes[j])
                if (outcome.FemaleChoice == FFemaleChoice[j])
                    candidates.push_back(&outcome);
            std::sort(candidates.begin(), candidates.end(),
                      [](const TOutcome* a, const TOutcome* b) { return a->MaleChoice < b->MaleChoice; });
            empty = candidates.empty();
            if (candidates.size() > 1)
                FVarying.push_back(j);
            FDigit[j] = 0;
        }
        if (empty)
            continue;
        for (size_t j = 0; j < FPositions; ++j)
            FChosen[j] = FCandidates[j][0];
        std::sort(FVarying.begin(), FVarying.end(),
                  [&](size_t a, size_t b) { return FProduct.FMaleBit[a] < FProduct.FMaleBit[b]; });
        ++FColumn;
        return true;
    }
    return false;
}

bool TLocusProduct::TCursor::Next(TProductLine& line) {
    if (FListed == FLimit || (!FInColumn && !StartColumn()))
        return false;
    ++FListed;
    line.Line.clear();
    for (const auto& [place, j] : FTextParts)
        line.Line += FChosen[j]->Text[place];
    if (line.Line.empty())
        line.Line = "++";
    line.Weight = 1;
    line.Cells = 1;
    line.Notes.reset();
    for (size_t j = 0; j < FPositions; ++j) {
        const TOutcome& outcome = *FChosen[j];
        line.Weight *= outcome.Weight;
        line.Cells *= outcome.Cells;
        line.Notes |= outcome.Notes;
    }
    line.Names.clear();
    if (FProduct.FNamed) {
        for (const auto& [part, j] : FNameParts)
            line.Names += FChosen[j]->Names[part / 4][part % 4];
        if (line.Names.empty())
            line.Names = "Normal";
        else
            line.Names[line.Names.size() - 2] = ' ';
    }
    line.PossibleText.clear();
    if (FProduct.FPossibleHets)
        WritePossibleText(line.PossibleText);
    // The next row of the column: the male's lowest bit first, as the grid's rows count.
    FInColumn = false;
    for (const size_t j : FVarying) {
        FInColumn = ++FDigit[j] < FCandidates[j].size();
        if (!FInColumn)
            FDigit[j] = 0;
        FChosen[j] = FCandidates[j][FDigit[j]];
        if (FInColumn)
            break;
    }
    return true;
}

// A look's possible hets: every pair some genotype of the look carries hidden, unless the look shows its
// allele, in the order the look's genotypes first carry them (the grid's order, then the pair's place in
// the genotype's line), each with its share of the look. Loci are independent, so the share is that of
// the look's outcome at the pair's locus, and the first genotype carrying a pair is the look's first
// genotype but at that locus.
void TLocusProduct::TCursor::WritePossibleText(std::string& text) {
    bool normal = true;         // the look shows nothing but the wild type
    bool showsWildType = false; // some pair it shows holds the wild type
    uint64_t firstColumn = 0;
    uint64_t firstRow = 0;
    for (size_t j = 0; j < FPositions; ++j) {
        const TOutcome& outcome = *FChosen[j];
        normal = normal && std::all_of(std::begin(outcome.Text), std::end(outcome.Text),
                                       [](const std::string& part) { return part.empty(); });
        showsWildType = showsWildType || outcome.ShowsWildType;
        firstColumn |= ChoiceBits(outcome.FemaleChoice, FProduct.FFemaleBit[j]);
        firstRow |= ChoiceBits(outcome.MaleChoice, FProduct.FMaleBit[j]);
    }
    FEntries.clear();
    for (size_t j = 0; j < FPositions; ++j) {
        const TOutcome& outcome = *FChosen[j];
        const uint64_t column = firstColumn & ~ChoiceBits(1, FProduct.FFemaleBit[j]);
        const uint64_t row = firstRow & ~ChoiceBits(1, FProduct.FMaleBit[j]);
        for (const THidden& hidden : outcome.Hidden) {
            const bool offered = hidden.Pair[1] == '+' ? !showsWildType || normal : !hidden.Shown;
            if (offered)
                FEntries.push_back({column | ChoiceBits(hidden.FemaleChoice, FProduct.FFemaleBit[j]),
                                    row | ChoiceBits(hidden.MaleChoice, FProduct.FMaleBit[j]), hidden.Place,
                                    j, hidden.Index, &hidden});
        }
    }
    if (FEntries.empty())
        return;
    std::sort(FEntries.begin(), FEntries.end());
    text.assign(1, '(');
    for (const TPossibleEntry& entry : FEntries) {
        const TCount total = FChosen[entry.Locus]->Weight;
        // The whole percent below the share, in integers.
        if (entry.Hidden->Carriers != total)
            text.append(DecimalText(entry.Hidden->Carriers * 100 / total)).append("% poss. ");
        if (entry.Hidden->Words.empty())
            entry.Hidden->Words = FProduct.FNaming.HetText(entry.Hidden->Pair);
        text.append(entry.Hidden->Words).append(", ");
    }
    text[text.size() - 2] = ')';
}
