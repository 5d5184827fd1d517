// Listing the offspring of a pairing locus by locus. Loci are inherited independently, so the offspring
// are every combination of what each locus gives, and their lines are written one after the other in the
// order in which the grid meets them, without walking its cells: the work grows with the lines listed.
#pragma once

#include "calc/AlleleQuestions.h"
#include "calc/CalcControl.h"
#include "calc/ExactCount.h"
#include "calc/Naming.h"
#include "calc/PunnettGrid.h"
#include "calc/ResultList.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

// One line as the loci give it.
struct TProductLine {
    std::string Line;
    TCount Weight = 0;  // cells, or what they weigh
    uint64_t Cells = 0; // cells
    TNoteSet Notes;
    std::string Names;        // its gene names when the lines are named, else empty
    std::string PossibleText; // "(66% poss. het. Amelanistic) " when the lines show possible hets
};

// How the lines are listed.
struct TProductListing {
    bool Phenotypes = false;   // what the offspring show, lines that look alike merged
    bool PossibleHets = false; // with the hidden genes each look may carry, and their shares
    bool NamesByGenes = false; // with their gene names
};

class TLocusProduct {
private:
    struct THidden;
    struct TOutcome;

public:
    // What every locus of `grid` gives, listed as `listing` asks. The grid's questions must have been
    // asked.
    TLocusProduct(const TPunnettGrid& grid, TAlleleQuestions& questions, TNaming& naming,
                  const TProductListing& listing);

    // Whether the lines can be listed this way: not where the order of the gametes decides what a
    // cell holds, nor where pairs of different loci could make the same line (an allele at two loci,
    // letters alike but for case, '#' or blanks among the alleles).
    bool Applies() const { return FApplies; }
    // The number of lines, saturating at UINT64_MAX; known without listing them.
    uint64_t LineCount() const { return FLineCount; }
    // What all the lines count together: the cells that hatch, or what they weigh; and what the eggs that
    // do not hatch count.
    TCount HatchingTotal() const { return FHatching; }
    TCount Unhatched() const { return FUnhatched; }
    // The greatest divisor of what every line counts.
    TCount CommonDivisor() const;

    // The lines one by one, the first `limit` of them.
    class TCursor {
    public:
        TCursor(const TLocusProduct& product, uint64_t limit);
        // The next line into `line`; false after the last.
        bool Next(TProductLine& line);

    private:
        // Finds the next column of the grid that holds lines and takes its first row.
        bool StartColumn();
        // The possible hets of the look of the chosen outcomes.
        void WritePossibleText(std::string& text);

        const TLocusProduct& FProduct;
        uint64_t FLimit;
        uint64_t FListed = 0;
        size_t FPositions;
        std::vector<size_t> FFemaleLoci; // loci where the female's choice varies, by her gamete bit
        uint64_t FColumns = 0;
        uint64_t FColumn = 0; // the next column to start
        bool FInColumn = false;
        std::vector<int> FFemaleChoice;
        std::vector<std::vector<const TOutcome*>> FCandidates; // per locus, the column's outcomes by row
        std::vector<size_t> FVarying; // loci with two outcomes in the column, the male's lowest bit first
        std::vector<size_t> FDigit;
        std::vector<const TOutcome*> FChosen; // the outcome of every locus in the next line
        // The texts a line and its names are made of, in order: (part, locus) where some outcome has one.
        std::vector<std::pair<int, size_t>> FTextParts;
        std::vector<std::pair<int, size_t>> FNameParts; // part 4 × carried + place
        // A possible het of a look, by the first cell that carries it and its place in that cell's line.
        struct TPossibleEntry {
            uint64_t Column, Row;
            int Place;
            size_t Locus, Index;
            const THidden* Hidden;
            bool operator<(const TPossibleEntry& other) const {
                return std::tie(Column, Row, Place, Locus, Index) <
                       std::tie(other.Column, other.Row, other.Place, other.Locus, other.Index);
            }
        };
        std::vector<TPossibleEntry> FEntries; // a look's possible hets, being ordered
    };

private:
    // A pair carried hidden by some genotype of a look at one locus.
    struct THidden {
        std::string Pair;
        TCount Carriers = 0;  // what the cells of the genotypes carrying it weigh
        int FemaleChoice = 0; // the choices of the first cell holding it
        int MaleChoice = 0;
        int Place = 0; // where its genotype's line holds it: Text and the pair's place there
        size_t Index = 0;
        bool Shown = false;        // its allele is one the look shows at this locus
        mutable std::string Words; // "het. Amelanistic", worked out when first written
    };

    // What one locus gives: one pair, or a pair split by dominance into two, with the cells it is in.
    struct TOutcome {
        std::string Text[4]; // its pairs by where a line puts them: shown or carried, then the cell's side
        TCount Weight = 0;   // what its cells weigh (their number when no parent has possible hets)
        uint64_t Cells = 0;
        bool Lethal = false;
        TNoteSet Notes;
        int FemaleChoice = 0; // the choices of the first cell holding it, female first
        int MaleChoice = 0;
        std::vector<std::string> Key; // its pairs, sorted, in lower case: lines merge by them
        // The gene names of its pairs, "Amelanistic, ", by whether the name reads as carried and by Text.
        std::string Names[2][4];
        std::vector<THidden> Hidden; // of a look: what its genotypes carry hidden
        bool ShowsWildType = false;  // of a look: a pair it shows holds the wild type

        bool SameAs(const TOutcome& other) const {
            return std::equal(std::begin(Text), std::end(Text), std::begin(other.Text)) &&
                   Lethal == other.Lethal && Notes == other.Notes;
        }
    };

    static TOutcome OutcomeOf(const TPunnettGrid::TSpot& spot, TAlleleQuestions& questions);
    // False where which gamete is the greater changes what a cell holds at some locus.
    bool GatherGenotypes(const TPunnettGrid& grid, TAlleleQuestions& questions);
    void MergeIntoLooks(TAlleleQuestions& questions);
    // Merges the outcomes of a locus that make lines of one animal (with possible hets, only those alike in
    // letter case too); false where lines of different outcomes could still be alike.
    bool MergeOutcomesOfOneAnimal();
    // Possible hets tell of the alleles a look shows: each must be at one locus only, and the wild type's
    // '+' lower than every other byte, so that a text shows "++" only as a pair.
    bool AllelesAreDistinct(const TPunnettGrid& grid) const;
    void NameOutcomes(TNaming& naming, TAlleleQuestions& questions);

    bool FApplies = false;
    bool FWeighed = false;
    bool FMarked = false;
    bool FNamed = false;
    bool FPossibleHets = false;
    TNaming& FNaming;
    uint64_t FLineCount = 0;
    TCount FUnhatched = 0;
    TCount FHatching = 0;
    std::vector<std::vector<TOutcome>> FOutcomes; // by locus, those that hatch
    std::vector<int> FFemaleBit;                  // by locus: the female gamete's bit there, or -1
    std::vector<int> FMaleBit;
};
