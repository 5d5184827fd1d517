// The list of distinct offspring of one calculation with the number of grid cells each stands for.
#pragma once

#include "calc/AlleleQuestions.h"
#include "calc/ExactCount.h"

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The health notes offspring carry: bit k for the k-th note met in the pairing. A pairing holds at most
// four different pairs per locus, so no more notes than that can occur.
using TNoteSet = std::bitset<128>;

class TResultList {
public:
    explicit TResultList(TAlleleQuestions& questions) : FQuestions(questions) {}

    std::vector<std::string> Lines;
    std::vector<TCount> Counts; // parallel to Lines: grid cells per line, or what they weigh
    // Where Counts hold weights, parallel to Lines: grid cells per line, kept until the possible-het
    // records are made; empty where Counts are the cells.
    std::vector<uint64_t> Cells;
    // Where the gene set has health marks, parallel to Lines: the notes of every cell merged into the line;
    // empty where it has none.
    std::vector<TNoteSet> Notes;
    // The offspring that do not hatch (cells, or what they weigh); they have no line.
    TCount Unhatched = 0;

    void Clear();
    void Add(std::string line, TCount count);
    TCount TotalCount() const;
    uint64_t CellsOf(size_t i) const { return Cells.empty() ? static_cast<uint64_t>(Counts[i]) : Cells[i]; }

    // One pair rewritten as the animal shows it: "+a" under "+ > a" becomes "++#a", two mutants of
    // different loci become "++".
    std::string ExpandDominance(std::string_view pair);
    // Lines in canonical form, lines of the same animal merged (letter case ignored), then condensed.
    void NormaliseLines();
    // What the animal shows: pairs it does not show become "++", then condensed.
    std::string PhenotypeOf(std::string_view s);
    void ToPhenotype(std::string& s);
    // Every line replaced by its phenotype, equal phenotypes merged.
    void ToPhenotypes();

private:
    TAlleleQuestions& FQuestions;
};
