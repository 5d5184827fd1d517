// Names for genotype strings: gene names, combination names and the words for carried alleles.
#pragma once

#include "calc/AlleleQuestions.h"
#include "model/Combi.h"
#include "model/Locus.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TNaming {
public:
    TNaming(TAlleleQuestions& questions, const TLocusList& loci, const TCombiList& combis);

    // Name of the first gene whose code is `code` in either order; empty when no gene has it.
    const std::string& GeneNameOf(std::string_view code);
    // Index of the first combination whose code equals `code` exactly, or -1.
    int CombiIndex(std::string_view code) const;

    // '#' read as '+', and the pairs the animal shows before the carried ones.
    std::string HetsLast(std::string_view s);
    // Gene names, one per pair: "Amelanistic, het. Charcoal  ", or "Normal".
    std::string SeparateText(std::string_view s);
    // Combination names where consecutive pairs form one, gene names for the rest.
    std::string CombiText(std::string_view s);
    // CombiText(s) in place of `text`, in the memory it has.
    void CombiTextInto(std::string_view s, std::string& text);
    // The words for the carried alleles of s: "het. Amelanistic", "Normal".
    std::string HetText(std::string_view s);

private:
    std::string NameOfTwice(char allele) { return GeneNameOf(std::string(2, allele)); }
    // HetsLast into `arranged`, with the length of the shown pairs at its front.
    void ArrangeHetsLast(std::string_view s, std::string& arranged, size_t& shownLength);
    // What SeparateText(s) gives, at the end of `out`.
    void AppendSeparateText(std::string_view s, std::string& out);
    // The gene names of pairs arranged already, as AppendSeparateText writes them.
    void AppendGeneNames(std::string_view arranged, std::string& out);
    // Whether a combination's code could have this length and first pair (NoPair: shorter than a pair).
    bool MayBeCombi(size_t length, size_t firstPair) const;
    static constexpr size_t NoPair = SIZE_MAX;
    // CombiIndex of the two texts one after the other, put together only when they could be one.
    int ChainedCombiIndex(std::string_view before, std::string_view after);

    TAlleleQuestions& FQuestions;
    const TLocusList& FLoci;
    const TCombiList& FCombis;
    // Looked up by views of the texts being named, without copying them.
    struct TTextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, int, TTextHash, std::equal_to<>> FCombiIndex;
    uint64_t FCombiLengths = 0;          // bit n: some combination's code has n characters (63: more)
    std::bitset<256 * 256> FCombiStarts; // the first pairs of the combinations' codes
    // Gene names by pair index: -2 not looked up yet, -1 none, else an index into FNames.
    std::vector<int> FNameIndex;
    std::vector<std::string> FNames;
    std::string FChain;
    std::string FCarried;  // the carried pairs, gathered as pairs are arranged
    std::string FArranged; // the pairs being named by AppendSeparateText
    // CombiText's pairs arranged, the pairs not named yet, those named by combinations, the carried ones
    std::string FCombiArranged;
    std::string FCombiPairs;
    std::string FCombiNamed;
    std::string FCombiCarried;
};
