// Walking through the lines of a pairing locus by locus, in the order in which the grid meets them.
#include "calc/LocusProduct.h"

#include <algorithm>

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
