// Possible hets: genes a parent may carry hidden behind the wild type, each with the chance that it does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// "+a" at 66: the parent carries a with two chances in three, the breeders' "66% poss. het.".
struct TPossibleHet {
    std::string Code; // the heterozygous gene: '+' and the allele
    int Percent = 0;  // 1 to 99

    bool operator==(const TPossibleHet&) const = default;
};

// A chance as an exact fraction in lowest terms. 66 and 33 are the breeders' two thirds and one third;
// any other whole percentage means itself (50 is one half).
struct TChance {
    int Numerator = 0;
    int Denominator = 1;
};
TChance ChanceOf(int percent);

// The list as files and the command line write it, "+a:66,+e:50"; empty when there is none.
std::string PossibleHetsText(const std::vector<TPossibleHet>& hets);

// A list read from such a text. An entry that is not '+', an allele, ':' and a whole number from 1 to
// 99 (blanks around it allowed), and a code listed before, is left out and counted as dropped.
struct TPossibleHetsRead {
    std::vector<TPossibleHet> Hets;
    int Dropped = 0;
};
TPossibleHetsRead ReadPossibleHets(std::string_view text);

// True when `code` is one of the two-character genes the selection string is made of.
bool SelectionHasGene(std::string_view selection, std::string_view code);

// The list of one parent as its file keeps it beside the parent's selection string: an entry whose gene
// the string does not hold is no possible het of that parent and is dropped too.
TPossibleHetsRead ReadPossibleHets(std::string_view text, std::string_view selection);

// The entries of `hets` that a reader of their text beside `selection` keeps: what a save may write.
std::vector<TPossibleHet> PossibleHetsKept(const std::vector<TPossibleHet>& hets, std::string_view selection);

// What a load tells of dropped entries: "1 possible het of the male left out (...)"; `parent` is "male"
// or "female".
std::string LeftOutPossibleHetsText(int dropped, std::string_view parent);
