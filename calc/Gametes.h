// One parent's pairs and gametes, and the offspring string of a male and a female gamete.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The enumeration of gametes counts in 32 bits, one bit per kept locus.
constexpr int MaxKeptLoci = 30;

class TParentGametes {
public:
    // The parent's pairs from its selection string: a pair met again adds nothing, except "++", which
    // stays a locus of its own; a trailing single character is ignored. Reading stops once the parent
    // has more loci than can be enumerated.
    explicit TParentGametes(std::string_view selection);

    int LineCount() const { return static_cast<int>(FLines.size()); }
    bool TooManyLines() const { return LineCount() > MaxKeptLoci; }
    int HetCount() const { return static_cast<int>(FHetLines.size()); }
    // Distinct gametes: none for a parent without loci, else one per choice at the heterozygous loci.
    uint64_t GameteCount() const { return FLines.empty() ? 0 : uint64_t(1) << HetCount(); }

    // Allele of line `line` for choice 0 or 1 (a homozygous line gives the same either way).
    char Allele(int line, int choice) const {
        return FLines[static_cast<size_t>(line)][static_cast<size_t>(choice)];
    }
    // The bit of a gamete's index that chooses the allele of a heterozygous line; -1 for a homozygous one.
    int HetBit(int line) const { return FHetBit[static_cast<size_t>(line)]; }
    int HetLine(int bit) const { return FHetLines[static_cast<size_t>(bit)]; }
    int Choice(uint64_t gamete, int line) const {
        const int bit = HetBit(line);
        return bit < 0 ? 0 : static_cast<int>((gamete >> bit) & 1);
    }
    // Gamete `index` (0-based) in the order in which the grid lists them.
    std::string Gamete(uint64_t index) const;

private:
    std::vector<std::string> FLines;
    std::vector<int> FHetBit;
    std::vector<int> FHetLines;
};

// The offspring of two gametes, pair by pair, before its pairs are arranged: the greater gamete gives
// the first allele of every pair, a shorter gamete is filled up with the wild type.
std::string CombineGametes(std::string_view male, std::string_view female);
