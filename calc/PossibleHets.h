// Possible hets: which hidden alleles offspring of one look may carry, and in what share of them.
#pragma once

#include "calc/LineIndex.h"
#include "calc/Naming.h"
#include "calc/ResultList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The Punnett cells of one offspring genotype line, alike in everything but their text. A text is set
// for all cells of a look at once, and the text of a record's last cell alone can be cleared, so the
// record keeps only when that last happened.
struct TPossibleItem {
    std::string Genotype;
    uint64_t HetPairs = 0;      // bit k: the pair at position 2k of the genotype is on its het list
    int64_t Count = 0;          // number of cells
    int64_t LastClearedAt = -1; // when the text of its last cell was cleared (event of its look)
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
        std::string Phenotype;                              // as its first record has it
        std::vector<size_t> Items;                          // records of this look, in order
        std::unordered_map<std::string, std::string> Texts; // worked-out text by the phenotype's wording
        std::string Text;                                   // the text last set for all its cells
        int64_t TextSetAt = -1;                             // when it was set
        int64_t Events = 0;                                 // texts set and cleared so far
    };
    // Index of the look of a phenotype, or the number of looks when there is none.
    size_t FindLook(std::string_view phenotype) const;
    std::string WorkOutText(const TLook& look, const std::string& phenotype, TNaming& naming) const;
    // Text of the last cell of a record; its other cells have the look's text.
    static const std::string& LastText(const TLook& look, const TPossibleItem& item);

    std::vector<TPossibleItem> FItems;
    std::vector<TLook> FLooks;
    TLineIndex FLookIndex; // looks by their pairs, in any order
};

// Replaces the genotype lines by phenotype lines and gives every look of them its possible-het text.
void BuildPossibles(TResultList& lines, TPossibleList& possibles, TAlleleQuestions& questions,
                    TNaming& naming);
