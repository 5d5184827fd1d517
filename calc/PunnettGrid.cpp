#include "calc/PunnettGrid.h"

#include "calc/GenotypeText.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

namespace {

// The least or greatest gamete of a parent whose line `fixedLine` (if any) takes `fixedChoice` and
// whose heterozygous lines with a bit in `decided` take that bit of `bits`. Lines are independent, so
// the extreme takes the extreme allele at every line left open.
std::string ExtremeGamete(const TParentGametes& parent, int fixedLine, int fixedChoice, uint64_t decided,
                          uint64_t bits, bool greatest) {
    std::string gamete(static_cast<size_t>(parent.LineCount()), ' ');
    for (int j = 0; j < parent.LineCount(); ++j) {
        const char c0 = parent.Allele(j, 0);
        const char c1 = parent.Allele(j, 1);
        const int bit = parent.HetBit(j);
        char c = c0;
        if (j == fixedLine)
            c = parent.Allele(j, fixedChoice);
        else if (bit >= 0 && ((decided >> bit) & 1))
            c = parent.Allele(j, static_cast<int>((bits >> bit) & 1));
        else if (bit >= 0)
            c = AlleleLess(c0, c1) == greatest ? c1 : c0;
        gamete[static_cast<size_t>(j)] = c;
    }
    return gamete;
}

// The least index of a gamete of `parent` with `fixedChoice` at `fixedLine` for which cells are still
// `possible` (decided bits, their values): bits decided from the highest, each 0 where it can be.
template <typename TPossible>
uint64_t LeastGamete(const TParentGametes& parent, int fixedLine, int fixedChoice, TPossible possible) {
    uint64_t decided = 0;
    uint64_t bits = 0;
    for (int b = parent.HetCount() - 1; b >= 0; --b) {
        decided |= uint64_t(1) << b;
        if (parent.HetLine(b) == fixedLine)
            bits |= static_cast<uint64_t>(fixedChoice) << b;
        else if (!possible(decided, bits))
            bits |= uint64_t(1) << b;
    }
    return bits;
}

// The first cell, column by column, whose gametes have `maleChoice` and `femaleChoice` at `position`
// and whose male gamete is greater than the female one (`maleFirst`) or not. Every decision takes the
// lower gamete index whenever some cell is still possible with it, female index first.
std::optional<uint64_t> FirstCell(const TParentGametes& male, const TParentGametes& female, bool maleFirst,
                                  int position, int maleChoice, int femaleChoice) {
    const int maleFixed = position < male.LineCount() ? position : -1;
    const int femaleFixed = position < female.LineCount() ? position : -1;
    const auto meets = [&](const std::string& m, const std::string& f) { return maleFirst ? m > f : m <= f; };
    const auto maleExtreme = [&](uint64_t decided, uint64_t bits) {
        return ExtremeGamete(male, maleFixed, maleChoice, decided, bits, maleFirst);
    };
    const auto femaleExtreme = [&](uint64_t decided, uint64_t bits) {
        return ExtremeGamete(female, femaleFixed, femaleChoice, decided, bits, !maleFirst);
    };
    if (!meets(maleExtreme(0, 0), femaleExtreme(0, 0)))
        return std::nullopt;
    const uint64_t femaleBits =
        LeastGamete(female, femaleFixed, femaleChoice, [&](uint64_t decided, uint64_t bits) {
            return meets(maleExtreme(0, 0), femaleExtreme(decided, bits));
        });
    const std::string femaleGamete = female.Gamete(femaleBits);
    const uint64_t maleBits = LeastGamete(male, maleFixed, maleChoice, [&](uint64_t decided, uint64_t bits) {
        return meets(maleExtreme(decided, bits), femaleGamete);
    });
    return femaleBits * male.GameteCount() + maleBits;
}

int ChoiceCount(const TParentGametes& parent, int position) {
    return position < parent.LineCount() && parent.HetBit(position) >= 0 ? 2 : 1;
}

char AlleleAt(const TParentGametes& parent, int position, int choice) {
    return position < parent.LineCount() ? parent.Allele(position, choice) : '+';
}

} // namespace

TPunnettGrid::TPunnettGrid(std::string_view male, std::string_view female)
    : FMale(male), FFemale(female), FHetPairs(256 * 256, false) {
    FindSpots();
}

void TPunnettGrid::FindSpots() {
    FPositions = std::max(FMale.LineCount(), FFemale.LineCount());
    FSpots.assign(static_cast<size_t>(FPositions) * 8, TSpot{});
    if (RowCount() == 0 || ColumnCount() == 0 || FMale.TooManyLines() || FFemale.TooManyLines())
        return;
    for (int maleFirst = 0; maleFirst < 2; ++maleFirst) {
        const int firstLength = maleFirst ? FMale.LineCount() : FFemale.LineCount();
        for (int j = 0; j < firstLength; ++j)
            for (int mc = 0; mc < ChoiceCount(FMale, j); ++mc)
                for (int fc = 0; fc < ChoiceCount(FFemale, j); ++fc) {
                    const auto first = FirstCell(FMale, FFemale, maleFirst == 1, j, mc, fc);
                    if (!first)
                        continue;
                    TSpot& spot = FSpots[SpotIndex(maleFirst, j, mc, fc)];
                    spot.Occurs = true;
                    spot.FirstCell = *first;
                    const char m = AlleleAt(FMale, j, mc);
                    const char f = AlleleAt(FFemale, j, fc);
                    spot.First = maleFirst ? m : f;
                    spot.Second = maleFirst ? f : m;
                    // A cell of a single pair gets its lower byte first before anything is asked.
                    spot.AskedWhenCollected = firstLength == 1 && AlleleLess(spot.Second, spot.First);
                    if (spot.AskedWhenCollected)
                        std::swap(spot.First, spot.Second);
                }
    }
}

void TPunnettGrid::AskCellQuestions(TAlleleQuestions& questions, TResultList& list) {
    // (cell, place of the pair within the cell, spot)
    std::vector<std::tuple<uint64_t, int, size_t>> asks;
    for (size_t i = 0; i < FSpots.size(); ++i)
        if (FSpots[i].Occurs)
            asks.emplace_back(FSpots[i].FirstCell, static_cast<int>(i / 4 % static_cast<size_t>(FPositions)),
                              i);
    // Filling a cell asks for every pair, in locus order, whether it is carried hidden.
    std::sort(asks.begin(), asks.end());
    const auto ask = [&](TSpot& spot) {
        spot.Het = questions.IsHet(spot.First, spot.Second);
        FHetPairs[PairIndex(spot.First, spot.Second)] = spot.Het;
    };
    for (const auto& [cell, place, i] : asks)
        if (!FSpots[i].AskedWhenCollected)
            ask(FSpots[i]);
    // Collecting a cell rewrites its pairs as the cell holds them: the shown ones first.
    for (auto& [cell, place, i] : asks)
        if (FSpots[i].Het)
            place += FPositions;
    std::sort(asks.begin(), asks.end());
    for (const auto& [cell, place, i] : asks) {
        TSpot& spot = FSpots[i];
        if (spot.AskedWhenCollected)
            ask(spot);
        spot.Expanded = list.ExpandDominance(std::string{spot.First, spot.Second});
    }
}

std::string TPunnettGrid::CellText(uint64_t column, uint64_t row) const {
    const std::string combined = CombineGametes(FMale.Gamete(row - 1), FFemale.Gamete(column - 1));
    std::string arranged;
    ArrangePairs(combined, arranged, [this](std::string_view pair) {
        return static_cast<bool>(FHetPairs[PairIndex(CharAt(pair, 0), CharAt(pair, 1))]);
    });
    return arranged;
}

void TPunnettGrid::MarkHealth(const THealthMarks& marks) {
    static_assert(4 * MaxKeptLoci <= TNoteSet().size(), "a note bit for every pair cells can hold");
    std::vector<int> lethal; // marks, by index in gene-set order
    std::vector<int> notes;
    std::vector<int> noteOfSpot(FSpots.size(), -1);
    for (size_t i = 0; i < FSpots.size(); ++i) {
        TSpot& spot = FSpots[i];
        const THealthMarks::TMark* mark = spot.Occurs ? marks.MarkOf(spot.First, spot.Second) : nullptr;
        if (mark == nullptr)
            continue;
        spot.Lethal = mark->Lethal;
        if (mark->Lethal) {
            lethal.push_back(marks.IndexOf(mark));
            FLethalPairs.push_back(SortedPairIndex(spot.First, spot.Second));
        }
        noteOfSpot[i] = mark->Note;
        if (mark->Note >= 0)
            notes.push_back(mark->Note);
    }
    const auto sortedOnce = [](auto& items) {
        std::sort(items.begin(), items.end());
        items.erase(std::unique(items.begin(), items.end()), items.end());
    };
    sortedOnce(lethal);
    sortedOnce(notes);
    sortedOnce(FLethalPairs);
    for (const int index : lethal)
        FLethalNames.push_back(marks.Marks()[static_cast<size_t>(index)].GeneName);
    for (const int note : notes)
        FNoteOfBit.push_back(marks.Notes()[static_cast<size_t>(note)]);
    for (size_t i = 0; i < FSpots.size(); ++i)
        if (noteOfSpot[i] >= 0)
            FSpots[i].NoteBit =
                static_cast<int>(std::lower_bound(notes.begin(), notes.end(), noteOfSpot[i]) - notes.begin());
}

bool TPunnettGrid::CellLethal(uint64_t column, uint64_t row) const {
    if (FLethalPairs.empty())
        return false;
    const std::string combined = CombineGametes(FMale.Gamete(row - 1), FFemale.Gamete(column - 1));
    for (size_t i = 0; i + 1 < combined.size(); i += 2)
        if (std::binary_search(FLethalPairs.begin(), FLethalPairs.end(),
                               SortedPairIndex(combined[i], combined[i + 1])))
            return true;
    return false;
}

void TPunnettGrid::WeighGametes(TGameteWeights male, TGameteWeights female) {
    FMaleWeights = std::move(male);
    FFemaleWeights = std::move(female);
}
