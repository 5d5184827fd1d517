// The offspring of a Punnett grid as numbers: at every locus a cell holds one of a few pieces (the pair
// its gametes give there, rewritten for dominance, shown or carried), so an offspring is a number in mixed
// radix, one digit per locus.
#pragma once

#include "calc/PunnettGrid.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// The pieces of every locus as digits. When the pieces do not depend on which gamete is the greater
// (the usual case), one numbering serves; otherwise cells with the male gamete first are numbered after
// all cells with the female gamete first.
class TPieceTable {
public:
    explicit TPieceTable(const TPunnettGrid& grid) : FGrid(grid) {
        const int positions = grid.PositionCount();
        FSplit = grid.Male().LineCount() != grid.Female().LineCount();
        for (int j = 0; j < positions && !FSplit; ++j)
            for (int mc = 0; mc < 2; ++mc)
                for (int fc = 0; fc < 2; ++fc) {
                    const TPunnettGrid::TSpot& femaleFirst = grid.Spot(0, j, mc, fc);
                    const TPunnettGrid::TSpot& maleFirst = grid.Spot(1, j, mc, fc);
                    if (femaleFirst.Occurs && maleFirst.Occurs &&
                        (femaleFirst.Het != maleFirst.Het || femaleFirst.Expanded != maleFirst.Expanded))
                        FSplit = true;
                }
        for (int space = 0; space < SpaceCount(); ++space)
            BuildSpace(space);
        FOffset[1] = FSize[0];
    }

    bool Split() const { return FSplit; }
    int SpaceCount() const { return FSplit ? 2 : 1; }
    uint64_t TotalSize() const { return FSplit ? FSize[0] + FSize[1] : FSize[0]; }
    uint64_t Offset(int space) const { return FOffset[space]; }
    // The digit of locus j, times its weight.
    uint64_t Value(int space, int j, int maleChoice, int femaleChoice) const {
        return FValue[static_cast<size_t>(space)]
                     [(static_cast<size_t>(j) * 2 + static_cast<size_t>(maleChoice)) * 2 +
                      static_cast<size_t>(femaleChoice)];
    }

    // The offspring string of a number: shown pieces in locus order, then carried ones.
    void Offspring(uint64_t number, std::string& offspring) const {
        const std::vector<const TPiece*>& digits = Digits(number);
        offspring.clear();
        for (const bool carried : {false, true})
            for (const TPiece* piece : digits)
                if (piece->Carried == carried)
                    offspring += piece->Text;
    }

    // Some piece is a gene with a health mark.
    bool HasMarks() const { return FHasMarks; }
    // Whether the offspring of a number does not hatch; `notes` gets the notes of its genes.
    bool Lethal(uint64_t number, TNoteSet& notes) const {
        bool lethal = false;
        for (const TPiece* piece : Digits(number)) {
            lethal = lethal || piece->Lethal;
            if (piece->NoteBit >= 0)
                notes.set(static_cast<size_t>(piece->NoteBit));
        }
        return lethal;
    }

    struct TPiece {
        bool Carried = false; // the pair is carried hidden
        std::string Text;
        bool Lethal = false;
        int NoteBit = -1;

        bool operator==(const TPiece&) const = default;
    };
    // Where the pieces do not depend on which gamete is the greater: the different pieces of locus j,
    // and which of them the male choice `maleChoice` and the female choice `femaleChoice` give.
    const std::vector<TPiece>& PiecesAt(int j) const { return FPieces[0][static_cast<size_t>(j)]; }
    size_t PieceIndex(int j, int maleChoice, int femaleChoice) const {
        return Value(0, j, maleChoice, femaleChoice) / FWeight[static_cast<size_t>(j)];
    }

private:
    const std::vector<const TPiece*>& Digits(uint64_t number) const {
        const int space = FSplit && number >= FOffset[1] ? 1 : 0;
        const auto& pieces = FPieces[static_cast<size_t>(space)];
        thread_local std::vector<const TPiece*> digits;
        digits.clear();
        uint64_t rest = number - FOffset[space];
        for (const std::vector<TPiece>& dictionary : pieces) {
            digits.push_back(&dictionary[rest % dictionary.size()]);
            rest /= dictionary.size();
        }
        return digits;
    }

    void BuildSpace(int space) {
        const int positions = FGrid.PositionCount();
        const int firstLength = space == 1 ? FGrid.Male().LineCount() : FGrid.Female().LineCount();
        auto& pieces = FPieces[static_cast<size_t>(space)];
        auto& values = FValue[static_cast<size_t>(space)];
        pieces.assign(static_cast<size_t>(positions), {});
        values.assign(static_cast<size_t>(positions) * 4, 0);
        uint64_t weight = 1;
        if (space == 0)
            FWeight.assign(static_cast<size_t>(positions), 1);
        for (int j = 0; j < positions; ++j) {
            if (space == 0)
                FWeight[static_cast<size_t>(j)] = weight;
            std::vector<TPiece>& dictionary = pieces[static_cast<size_t>(j)];
            for (int mc = 0; mc < 2; ++mc)
                for (int fc = 0; fc < 2; ++fc) {
                    TPiece piece;
                    if (!FSplit || j < firstLength) {
                        const TPunnettGrid::TSpot* spot = SpotOf(space, j, mc, fc);
                        if (!spot)
                            continue; // never held by a cell: its value is never used
                        piece = {spot->Het, spot->Expanded, spot->Lethal, spot->NoteBit};
                        FHasMarks = FHasMarks || spot->Lethal || spot->NoteBit >= 0;
                    }
                    auto found = std::find(dictionary.begin(), dictionary.end(), piece);
                    if (found == dictionary.end())
                        found = dictionary.insert(dictionary.end(), piece);
                    values[(static_cast<size_t>(j) * 2 + mc) * 2 + fc] =
                        weight * static_cast<uint64_t>(found - dictionary.begin());
                }
            if (dictionary.empty())
                dictionary.emplace_back();
            weight *= dictionary.size();
        }
        FSize[space] = weight;
    }

    const TPunnettGrid::TSpot* SpotOf(int space, int j, int mc, int fc) const {
        if (FSplit) {
            const TPunnettGrid::TSpot& spot = FGrid.Spot(space, j, mc, fc);
            return spot.Occurs ? &spot : nullptr;
        }
        for (int maleFirst = 1; maleFirst >= 0; --maleFirst)
            if (FGrid.Spot(maleFirst, j, mc, fc).Occurs)
                return &FGrid.Spot(maleFirst, j, mc, fc);
        return nullptr;
    }

    const TPunnettGrid& FGrid;
    bool FSplit = false;
    bool FHasMarks = false;
    std::vector<std::vector<TPiece>> FPieces[2];
    std::vector<uint64_t> FValue[2];
    std::vector<uint64_t> FWeight; // of each locus's digit, numbering 0
    uint64_t FSize[2] = {0, 0};
    uint64_t FOffset[2] = {0, 0};
};
