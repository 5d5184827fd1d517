// Loci with their genes and dominance relations ("weights"), and the list of all loci of a gene set.
#pragma once

#include "model/Gene.h"
#include "model/OwningList.h"
#include "model/Text.h"

#include <string>
#include <string_view>
#include <vector>

// A pair of two allele characters with the lower byte first ("a+" gives "+a"); other lengths unchanged.
std::string SortPair(std::string_view code);

// The relation assumed for a sorted pair that has none stored: wild type dominant, mutants co-dominant.
std::string DefaultRelation(std::string_view sortedPair);

// Characters 4-8 of a weight entry ("+a:+ > a"): its relation, empty when the entry has none.
std::string WeightRelation(std::string_view entry);

class TLocusList;

class TLocus {
public:
    std::string Name;

    explicit TLocus(std::string name) : Name(std::move(name)) {}

    TGeneList& Genes() { return FGenes; }
    const TGeneList& Genes() const { return FGenes; }
    // Weight entries: the pair, ':', the five-character relation ("+a:+ > a"), in order of adding.
    std::vector<std::string>& Weights() { return FWeights; }
    const std::vector<std::string>& Weights() const { return FWeights; }

    // True when a gene of this locus has `code`, after the code is sorted.
    bool HasGene(std::string_view code) const;
    // Completes the locus after the homozygous gene `code` was added: one gene per missing pair.
    void AddHeterozygotes(std::string_view code, const TLocusList& geneSet);
    // Appends the gene the user is about to define: "++" Normal when it is the first, else "??" New gene.
    TGene* AddNewGene();
    // After the user defined `gene` (the last gene): its heterozygotes, and the carrier and Normal
    // genes when it is the locus's only gene and not "++".
    void CompleteNewGene(const TGene& gene, const TLocusList& geneSet);

    // Position of the first weight entry whose pair equals `code` exactly (no sorting), or -1.
    int IndexOfWeight(std::string_view code) const;
    // The relation of the pair; stores and returns the default relation when the locus has none.
    std::string GetWeight(std::string_view code);
    // The other allele of the first entry pairing the second allele of `code` with a different allele,
    // pairs with the wild type excluded; empty when none.
    std::string PartnerAllele(std::string_view code) const;
    // Stores a relation picked or typed in a weight editor under the pair of its first and fifth
    // characters. A text shorter than five characters has no pair and is not stored (returns false).
    bool StoreRelation(std::string_view relation);

private:
    TGeneList FGenes;
    std::vector<std::string> FWeights;
};

class TLocusList : public TOwningList<TLocus> {
public:
    // Name of the first homozygous gene of allele `id` over all loci; empty when none.
    std::string AlleleName(char id) const;
    // Name of the first gene over all loci whose code equals `code` exactly; empty for "++" or none.
    std::string FindGeneName(std::string_view code) const;
    // A gene other than `except` carrying allele `id` or the same letter in the other case (gene-set files
    // do not tell "+a" from "+A"): the first homozygous one, else the first one; nullptr when none.
    const TGene* GeneCarryingAllele(char id, const TGene* except) const;
    // The relation stored for the pair in the last locus holding an entry for it; never creates one.
    std::string FindWeight(std::string_view code) const;
    // The sentence shown for a relation ("Normal is dominant to Amelanistic"), or empty.
    std::string DescribeWeight(std::string_view relation) const;
};
