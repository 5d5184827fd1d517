// Possible hets: which hidden alleles offspring of one look may carry, and in what share of them.
#pragma once

#include "calc/CalcControl.h"
#include "calc/ExactCount.h"
#include "calc/LineIndex.h"
#include "calc/Naming.h"
#include "calc/ResultList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The Punnett cells of one offspring genotype line, alike in everything but their text. A text is set
// for all cells of a look at once, and the text of a record's last cell alone can be cleared, so the
// record keeps only when that last happened.
struct TPossibleItem {
    std::string Genotype;
    uint64_t HetPairs = 0;       // bit k: the pair at position 2k of the genotype is on its het list
    TCount Count = 0;            // number of cells, or what they weigh
    uint64_t Cells = 0;          // number of cells
    int32_t LastClearedAt = -1;  // when the text of its last cell was cleared (event of its look)
    uint32_t PreviousInLook = 0; // the record before it of the same look, or itself when first
};

class TPossibleList {
public:
    void Clear();
    void Add(TPossibleItem item, const std::string& phenotype);
    // Text of the last cell of this look that has one; empty when none.
    std::string PossibleTextOf(std::string_view line) const;

    // The possible-het text of line i of `lines` (a phenotype), stored into the cells of that look.
    std::string PossibleText(size_t i, TResultList& lines, TNaming& naming);

private:
    struct TLook {
        std::string Phenotype;  // as its first record has it
        uint32_t FirstItem = 0; // its records, linked from the last
        uint32_t LastItem = 0;
        std::vector<std::pair<std::string, std::string>> Texts; // worked-out text by phenotype wording
        int32_t Text = -1;                                      // the text last set for all its cells
        int32_t TextSetAt = -1;                                 // when it was set
        int32_t Events = 0;                                     // texts set and cleared so far
    };
    // Calls `visit` with the records of a look from the last to the first until it returns true.
    template <typename TVisit> void ForEachItemBackwards(const TLook& look, TVisit visit) const;
    // Tells whether look k is the look of a phenotype: the same pairs in any order.
    auto IsLook(std::string_view phenotype) const;
    // Index of the look of a phenotype, or the number of looks when there is none.
    size_t FindLook(std::string_view phenotype) const;
    std::string WorkOutText(const TLook& look, const std::string& phenotype, TNaming& naming) const;
    // Text of all cells of a look, and of the last cell of a record.
    static const std::string& LookText(const TLook& look);
    static const std::string& LastText(const TLook& look, const TPossibleItem& item);

    std::vector<TPossibleItem> FItems;
    std::vector<TLook> FLooks;
    TLineIndex FLookIndex; // looks by their pairs, in any order
};

// Replaces the genotype lines by phenotype lines and gives every look of them its possible-het text.
// Stops half done once `control` is cancelled.
void BuildPossibles(TResultList& lines, TPossibleList& possibles, TAlleleQuestions& questions,
                    TNaming& naming, const TCalcControl& control = {});
