// The Punnett grid of a pairing: its gametes, the text of its cells, and its cells counted into the
// list of distinct offspring without ever building a cell's text.
#pragma once

#include "calc/CalcControl.h"
#include "calc/GameteWeights.h"
#include "calc/Gametes.h"
#include "calc/HealthMarks.h"
#include "calc/ResultList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How the cells are counted; only tests change it, to reach every way of counting with small grids.
struct TCellCountTuning {
    int BlockBits = 16;                           // the inner parent's gametes in blocks of 2^BlockBits
    uint64_t DenseTallyLimit = uint64_t(1) << 22; // below this many possible offspring, plain counters
};

class TPunnettGrid {
public:
    TPunnettGrid(std::string_view male, std::string_view female);

    const TParentGametes& Male() const { return FMale; }
    const TParentGametes& Female() const { return FFemale; }
    const TGameteWeights& MaleWeights() const { return FMaleWeights; }
    const TGameteWeights& FemaleWeights() const { return FFemaleWeights; }
    uint64_t RowCount() const { return FMale.GameteCount(); }
    uint64_t ColumnCount() const { return FFemale.GameteCount(); }

    // Asks the questions that filling the cells and then collecting them ask, in the order in which
    // the cells are filled and collected (column by column), so that weight entries are stored in the
    // same order as when every cell is worked through.
    void AskCellQuestions(TAlleleQuestions& questions, TResultList& list);
    // Text of the inner cell (1-based); needs the questions asked.
    std::string CellText(uint64_t column, uint64_t row) const;
    // Marks the pairs of the cells that are genes with a health mark. Offspring with a lethal gene are
    // then counted as eggs that do not hatch instead of into a line, and lines note the health notes of
    // their cells.
    void MarkHealth(const THealthMarks& marks);
    // The inner cell (1-based) holds a lethal gene.
    bool CellLethal(uint64_t column, uint64_t row) const;
    // The names of the lethal genes some cell holds, in gene-set order.
    const std::vector<std::string>& LethalGeneNames() const { return FLethalNames; }
    // The note of a bit of a line's notes (TResultList::Notes); bits follow the order of the gene set.
    const std::string& NoteOfBit(size_t bit) const { return FNoteOfBit[bit]; }
    // From now on a cell counts what its gametes weigh together instead of 1.
    void WeighGametes(TGameteWeights male, TGameteWeights female);
    // The distinct offspring of the cells, in order of first occurrence column by column, with the
    // number of cells of each (or their weight), into `list`. False, leaving `list` empty, when there
    // are more than `lineLimit` of them, or when `control` is cancelled.
    bool CollectCells(TResultList& list, size_t lineLimit, const TCellCountTuning& tuning = {},
                      const TCalcControl& control = {}) const;

    // What one locus of one cell can hold: the male and female choice at a position of the gametes
    // and which gamete gave the first allele ("orientation"); where it first occurs, and its pair.
    struct TSpot {
        bool Occurs = false;
        uint64_t FirstCell = 0; // column-major index of the first cell holding it
        char First = 0;
        char Second = 0;
        bool Het = false;
        // A cell of a single pair whose lower byte came second: turning it round asks nothing, so its
        // question waits until its first cell is collected.
        bool AskedWhenCollected = false;
        std::string Expanded; // the pair with dominance applied
        bool Lethal = false;  // the pair is a lethal gene
        int NoteBit = -1;     // the bit of the note of the gene the pair is, -1 for none
    };
    int PositionCount() const { return FPositions; }
    const TSpot& Spot(int maleFirst, int position, int maleChoice, int femaleChoice) const {
        return FSpots[SpotIndex(maleFirst, position, maleChoice, femaleChoice)];
    }

private:
    size_t SpotIndex(int maleFirst, int position, int maleChoice, int femaleChoice) const {
        return ((static_cast<size_t>(maleFirst) * static_cast<size_t>(FPositions) +
                 static_cast<size_t>(position)) *
                    2 +
                static_cast<size_t>(maleChoice)) *
                   2 +
               static_cast<size_t>(femaleChoice);
    }
    void FindSpots();

    TParentGametes FMale;
    TParentGametes FFemale;
    TGameteWeights FMaleWeights;
    TGameteWeights FFemaleWeights;
    int FPositions = 0;
    std::vector<TSpot> FSpots;
    std::vector<bool> FHetPairs;      // by pair index, for the pairs the cells hold
    std::vector<size_t> FLethalPairs; // pair indexes of the lethal genes the cells hold, lower byte first
    std::vector<std::string> FLethalNames;
    std::vector<std::string> FNoteOfBit;
};
