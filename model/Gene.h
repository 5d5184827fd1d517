// Alleles and genes: a gene is a genotype written as its two allele characters.
#pragma once

#include "model/OwningList.h"

#include <string>

// One allele, identified by its character: '+' is the wild type, '?' a placeholder not yet defined.
struct TAllele {
    char ID = '?';

    TAllele() = default;
    explicit TAllele(char id) : ID(id) {}
};

class TGene {
public:
    std::string Name;
    TAllele Allele1;
    TAllele Allele2;
    // Health marks: an animal with this gene does not hatch (Lethal), or lives with the problem its note
    // names (empty for none). They belong to this gene alone: a carrier of a lethal homozygous gene hatches.
    bool Lethal = false;
    std::string HealthNote;

    TGene() = default;
    TGene(char allele1, char allele2, std::string name)
        : Name(std::move(name)), Allele1(allele1), Allele2(allele2) {}

    std::string Code() const { return {Allele1.ID, Allele2.ID}; }
    bool HasHealthMark() const { return Lethal || !HealthNote.empty(); }
    void SetAlleles(char allele1, char allele2) {
        Allele1.ID = allele1;
        Allele2.ID = allele2;
    }
};

class TGeneList : public TOwningList<TGene> {};

// An allele character that keeps a gene set sound: one printable ASCII character from the wild type '+'
// up, and none of the characters with a meaning of their own ('#' hidden allele, '?' placeholder, '=' ';'
// '[' ']' in files). A character below '+' would sort before the wild type, so its carrier gene "+x" would
// store its relation under "x+", a key the gene's own code never finds again.
inline bool IsValidAlleleID(char id) {
    const auto byte = static_cast<unsigned char>(id);
    if (byte < '+' || byte >= 0x7F)
        return false;
    switch (id) {
    case '#':
    case '?':
    case '=':
    case ';':
    case '[':
    case ']':
        return false;
    default:
        return true;
    }
}
