// Counting the cells of a Punnett grid into distinct offspring without building any cell's text.
//
// A cell's offspring string is made of one piece per locus: the pair its gametes give there, rewritten
// for dominance, placed among the shown or the carried pairs. The piece depends only on the two
// alleles at that locus and on which gamete is the greater one. So every cell is a number in mixed
// radix, one digit per locus (the piece), and the cells are counted by number. The numbers of one
// column are built for all rows at once by doubling over the male's heterozygous loci, as are the
// comparisons of the gametes (the first differing locus decides), so the work per cell is a counter
// increment. Where the parents have possible hets, a cell adds what its gametes weigh instead of 1; the
// weights of a block of cells are built by doubling as well.
#include "calc/PunnettGrid.h"

#include "calc/CellTally.h"
#include "calc/GenotypeText.h"
#include "calc/LineGroups.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace {

int Compare(char a, char b) {
    return AlleleLess(a, b) ? -1 : (AlleleLess(b, a) ? 1 : 0);
}

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

private:
    struct TPiece {
        bool Carried = false; // the pair is carried hidden
        std::string Text;
        bool Lethal = false;
        int NoteBit = -1;

        bool operator==(const TPiece&) const = default;
    };

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
        for (int j = 0; j < positions; ++j) {
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
    uint64_t FSize[2] = {0, 0};
    uint64_t FOffset[2] = {0, 0};
};

// Walks all cells: for each gamete of the outer parent, the gametes of the inner parent (the one with
// more of them) in blocks, their numbers and comparisons built by doubling.
class TCellWalk {
public:
    TCellWalk(const TPunnettGrid& grid, const TPieceTable& pieces, int blockBits)
        : FGrid(grid), FPieces(pieces), FInnerIsMale(grid.Male().HetCount() >= grid.Female().HetCount()),
          FInner(FInnerIsMale ? grid.Male() : grid.Female()),
          FOuter(FInnerIsMale ? grid.Female() : grid.Male()),
          FInnerWeights(FInnerIsMale ? grid.MaleWeights() : grid.FemaleWeights()),
          FOuterWeights(FInnerIsMale ? grid.FemaleWeights() : grid.MaleWeights()),
          FFreeBits(std::min(FInner.HetCount(), blockBits)) {
        const size_t size = size_t(1) << FFreeBits;
        for (auto& numbers : FNumbers)
            numbers.resize(size);
        FOrder.resize(size);
        if (FInnerWeights.Any() || FOuterWeights.Any())
            FWeights.resize(size);
    }

    bool InnerIsMale() const { return FInnerIsMale; }

    template <bool Weighted, typename TTallyOf> bool Run(TTallyOf& tally, const TCalcControl& control) {
        const uint64_t blockCount = uint64_t(1) << (FInner.HetCount() - FFreeBits);
        const uint64_t rows = FGrid.Male().GameteCount();
        for (uint64_t outer = 0; outer < FOuter.GameteCount(); ++outer)
            for (uint64_t block = 0; block < blockCount; ++block) {
                control.Advance(TCalcStep::Cells, outer * blockCount + block,
                                FOuter.GameteCount() * blockCount);
                if (control.Cancelled())
                    return false;
                Prepare(outer, block);
                if constexpr (Weighted)
                    PrepareWeights(outer, block);
                const uint64_t size = uint64_t(1) << FFreeBits;
                for (uint64_t x = 0; x < size; ++x) {
                    const uint64_t inner = block << FFreeBits | x;
                    const int space = FPieces.Split() && FOrder[x] > 0 ? 1 : 0;
                    const uint64_t number = FPieces.Offset(space) + FNumbers[space][x];
                    const uint64_t cell = FInnerIsMale ? outer * rows + inner : inner * rows + outer;
                    bool counted = false;
                    if constexpr (Weighted)
                        counted = tally.Add(number, cell, TWeighedCells{FWeights[x], 1});
                    else
                        counted = tally.Add(number, cell, 1);
                    if (!counted)
                        return false;
                }
            }
        return true;
    }

private:
    // Choice of the inner parent at line j within the block: fixed, or -1 for a free bit.
    int InnerChoice(uint64_t block, int j) const {
        if (j >= FInner.LineCount() || FInner.HetBit(j) < 0)
            return 0;
        const int bit = FInner.HetBit(j);
        return bit < FFreeBits ? -1 : static_cast<int>((block >> (bit - FFreeBits)) & 1);
    }
    int OuterChoice(uint64_t outer, int j) const {
        return j < FOuter.LineCount() ? FOuter.Choice(outer, j) : 0;
    }
    uint64_t Value(int space, int j, int innerChoice, int outerChoice) const {
        return FInnerIsMale ? FPieces.Value(space, j, innerChoice, outerChoice)
                            : FPieces.Value(space, j, outerChoice, innerChoice);
    }
    // Sign of male allele against female allele at line j.
    int CompareAt(int j, int innerChoice, int outerChoice) const {
        const TParentGametes& male = FGrid.Male();
        const TParentGametes& female = FGrid.Female();
        const int maleChoice = FInnerIsMale ? innerChoice : outerChoice;
        const int femaleChoice = FInnerIsMale ? outerChoice : innerChoice;
        return Compare(male.Allele(j, maleChoice), female.Allele(j, femaleChoice));
    }

    void Prepare(uint64_t outer, uint64_t block) {
        const int positions = FGrid.PositionCount();
        const int compared = std::min(FGrid.Male().LineCount(), FGrid.Female().LineCount());
        // The first locus not left to a free bit at which the gametes differ decides for every row
        // that agrees before it; past all loci the longer gamete is the greater.
        int decidingLocus = compared;
        const int maleLength = FGrid.Male().LineCount();
        const int femaleLength = FGrid.Female().LineCount();
        int decided = maleLength < femaleLength ? -1 : (maleLength > femaleLength ? 1 : 0);
        for (int j = 0; j < compared; ++j) {
            const int innerChoice = InnerChoice(block, j);
            if (innerChoice < 0)
                continue;
            if (const int sign = CompareAt(j, innerChoice, OuterChoice(outer, j)); sign != 0) {
                decidingLocus = j;
                decided = sign;
                break;
            }
        }
        for (int space = 0; space < FPieces.SpaceCount(); ++space) {
            uint64_t base = 0;
            for (int j = 0; j < positions; ++j)
                base += Value(space, j, std::max(InnerChoice(block, j), 0), OuterChoice(outer, j));
            FNumbers[space][0] = base;
        }
        FOrder[0] = 0;
        for (int bit = 0; bit < FFreeBits; ++bit) {
            const uint64_t half = uint64_t(1) << bit;
            const int j = FInner.HetLine(bit);
            const int outerChoice = OuterChoice(outer, j);
            for (int space = 0; space < FPieces.SpaceCount(); ++space) {
                const uint64_t step = Value(space, j, 1, outerChoice) - Value(space, j, 0, outerChoice);
                uint64_t* numbers = FNumbers[space].data();
                for (uint64_t x = 0; x < half; ++x)
                    numbers[x + half] = numbers[x] + step;
            }
            if (!FPieces.Split())
                continue;
            const bool decides = j < decidingLocus;
            const int8_t sign0 = static_cast<int8_t>(decides ? CompareAt(j, 0, outerChoice) : 0);
            const int8_t sign1 = static_cast<int8_t>(decides ? CompareAt(j, 1, outerChoice) : 0);
            int8_t* order = FOrder.data();
            for (uint64_t x = 0; x < half; ++x) {
                const int8_t before = order[x];
                order[x + half] = before != 0 ? before : sign1;
                order[x] = before != 0 ? before : sign0;
            }
        }
        if (FPieces.Split())
            for (int8_t& sign : FOrder)
                if (sign == 0)
                    sign = static_cast<int8_t>(decided);
    }

    // What the cells of a block weigh: the outer gamete times the inner one's loci that the block fixes,
    // then doubled over the free loci.
    void PrepareWeights(uint64_t outer, uint64_t block) {
        TCount weight = FOuterWeights.Weight(outer);
        for (int bit = FFreeBits; bit < FInner.HetCount(); ++bit)
            weight *= FInnerWeights.Weight(bit, static_cast<int>((block >> (bit - FFreeBits)) & 1));
        TCount* weights = FWeights.data();
        weights[0] = weight;
        for (int bit = 0; bit < FFreeBits; ++bit) {
            const uint64_t half = uint64_t(1) << bit;
            const uint32_t wildOrFirst = FInnerWeights.Weight(bit, 0);
            const uint32_t second = FInnerWeights.Weight(bit, 1);
            for (uint64_t x = 0; x < half; ++x) {
                weights[x + half] = weights[x] * second;
                weights[x] *= wildOrFirst;
            }
        }
    }

    const TPunnettGrid& FGrid;
    const TPieceTable& FPieces;
    bool FInnerIsMale;
    const TParentGametes& FInner;
    const TParentGametes& FOuter;
    const TGameteWeights& FInnerWeights;
    const TGameteWeights& FOuterWeights;
    int FFreeBits;
    std::vector<uint64_t> FNumbers[2];
    std::vector<int8_t> FOrder;   // sign of male gamete against female gamete, per inner gamete
    std::vector<TCount> FWeights; // per inner gamete, when weighed
};

// The cells counted into distinct offspring: plain cells in 32-bit counters, weighed ones in exact sums.
template <bool Weighted>
bool CountCells(const TPunnettGrid& grid, TResultList& list, size_t lineLimit, const TCellCountTuning& tuning,
                const TCalcControl& control) {
    const TPieceTable pieces(grid);
    // Where the pieces do not depend on which gamete is the greater, every combination of pieces occurs
    // in some cell, so the number of different offspring is known before walking.
    if (!pieces.Split() && pieces.TotalSize() > 2 * lineLimit)
        return false;
    TCellWalk walk(grid, pieces, tuning.BlockBits);
    using TTallyOf =
        std::conditional_t<Weighted, TTally<TWeighedCells, TWeighedCells>, TTally<uint32_t, uint64_t>>;
    TTallyOf tally(pieces.TotalSize(), tuning.DenseTallyLimit, 2 * lineLimit, walk.InnerIsMale());
    if (!walk.template Run<Weighted>(tally, control))
        return false;
    const auto numbers = tally.InOrder();
    list.Lines.reserve(numbers.size());
    list.Counts.reserve(numbers.size());
    std::vector<uint64_t> hashes;
    hashes.reserve(numbers.size());
    for (const auto& [number, cells] : numbers) {
        TCount count = 0;
        if constexpr (Weighted)
            count = cells.Weight;
        else
            count = cells;
        // Offspring with a lethal gene never hatch: they are eggs, not a line.
        TNoteSet notes;
        if (pieces.HasMarks() && pieces.Lethal(number, notes)) {
            list.Unhatched += count;
            continue;
        }
        list.Lines.emplace_back();
        pieces.Offspring(number, list.Lines.back());
        list.Counts.push_back(count);
        if constexpr (Weighted)
            list.Cells.push_back(cells.Cells);
        if (pieces.HasMarks())
            list.Notes.push_back(notes);
        hashes.push_back(TextHash(list.Lines.back()));
    }
    // Numbers stand for different pieces, which hardly ever make the same string; when they do, the
    // cells count for the line met first.
    MergeEqualLines(list, hashes, [&](uint32_t a, uint32_t b) { return list.Lines[a] == list.Lines[b]; });
    return true;
}

} // namespace

bool TPunnettGrid::CollectCells(TResultList& list, size_t lineLimit, const TCellCountTuning& tuning,
                                const TCalcControl& control) const {
    list.Clear();
    if (RowCount() == 0 || ColumnCount() == 0)
        return true;
    const bool counted = FMaleWeights.Any() || FFemaleWeights.Any()
                             ? CountCells<true>(*this, list, lineLimit, tuning, control)
                             : CountCells<false>(*this, list, lineLimit, tuning, control);
    if (counted && list.Lines.size() <= lineLimit)
        return true;
    list.Clear();
    return false;
}
