#include "calc/ReportText.h"

#include "calc/GenotypeText.h"

#include <algorithm>

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

std::string Share(TCount count, TCount total, const TCalcOptions& options) {
    if (options.RatioIndex == 0)
        return DecimalText(count) + "/" + DecimalText(total);
    return PercentageText(count, total, options.DecimalSeparator);
}

void TShareWriter::Write(TCount count, std::string& reported) const {
    if (FOptions.RatioIndex != 0) {
        reported += PercentageText(count, FTotal, FOptions.DecimalSeparator);
    } else {
        reported += DecimalText(count);
        reported += FOverTotal;
    }
    reported += ' ';
}

std::string LethalNamesText(const std::vector<std::string>& lethal) {
    std::string names;
    for (const std::string& name : lethal)
        names += (names.empty() ? "" : ", ") + name;
    return names;
}

std::string UnhatchedText(TCount unhatched, TCount hatched, bool weighed, const TPunnettGrid& grid,
                          const TCalcOptions& options) {
    const std::string names = LethalNamesText(grid.LethalGeneNames());
    if (hatched == 0)
        return "No egg hatches: " + names;
    const TCount eggs = unhatched + hatched;
    const TCount divisor = weighed ? GreatestCommonDivisor(unhatched, eggs) : 1;
    return Share(unhatched / divisor, eggs / divisor, options) + " of the eggs do not hatch: " + names;
}

std::string NotesText(const TNoteSet& notes, const TPunnettGrid& grid) {
    std::string text;
    for (size_t bit = 0; bit < notes.size(); ++bit)
        if (notes.test(bit))
            text += (text.empty() ? "" : "; ") + grid.NoteOfBit(bit);
    return text;
}
