// Possible hets: which hidden alleles offspring of one look may carry, and in what share of them.
#pragma once

#include "calc/Naming.h"
#include "calc/ResultList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The Punnett cells of one offspring genotype line. Cells of one genotype are alike in everything but
// their text: a cell that was looked at last for its look may have its text cleared alone, so the text
// of the record's last cell is kept apart from that of the others.
struct TPossibleItem {
    std::string Genotype;
    std::string Phenotype;
    std::vector<std::string> HetList; // the carried pairs of the genotype, each once
    int64_t Count = 0;                // number of cells
    std::string Text;                 // text of every cell but the last
    std::string LastText;             // text of the last cell
};

class TPossibleList {
public:
    void Clear();
    void Add(TPossibleItem item);
    // Text of the last cell of this look that has one; empty when none.
    std::string PossibleTextOf(std::string_view line) const;

    // The possible-het text of line i of `lines` (a phenotype), stored into the cells of that look.
    std::string PossibleText(size_t i, TResultList& lines, TNaming& naming);

private:
    struct TLook {
        std::vector<size_t> Items;                          // records of this look, in order
        std::unordered_map<std::string, std::string> Texts; // worked-out text by the phenotype's wording
    };
    std::string WorkOutText(TLook& look, const std::string& phenotype, TNaming& naming) const;

    std::vector<TPossibleItem> FItems;
    std::unordered_map<std::string, TLook> FLooks; // by the phenotype's pairs, in any order
};

// Replaces the genotype lines by phenotype lines and gives every look of them its possible-het text.
void BuildPossibles(TResultList& lines, TPossibleList& possibles, TAlleleQuestions& questions,
                    TNaming& naming);
