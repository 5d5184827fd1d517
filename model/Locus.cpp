#include "model/Locus.h"

std::string SortPair(std::string_view code) {
    if (code.size() == 2 && AlleleLess(code[1], code[0]))
        return {code[1], code[0]};
    return std::string(code);
}

std::string WeightRelation(std::string_view entry) {
    return entry.size() > 3 ? std::string(entry.substr(3, 5)) : std::string();
}

std::string DefaultRelation(std::string_view p) {
    if (p[0] == '+' && p[1] != '+')
        return std::string("+ > ") + p[1];
    if (p[1] == '+' && p[0] != '+')
        return std::string(1, p[0]) + " < +";
    return std::string(1, p[0]) + " = " + p[1];
}

bool TLocus::HasGene(std::string_view code) const {
    const std::string sorted = SortPair(code);
    for (int i = 0; i < FGenes.Count(); ++i)
        if (FGenes[i]->Code() == sorted)
            return true;
    return false;
}

void TLocus::AddHeterozygotes(std::string_view code, const TLocusList& geneSet) {
    if (code.empty())
        return;
    const char x = code[0];
    const int n = FGenes.Count();
    for (int i = 0; i < n; ++i) {
        const char y = FGenes[i]->Allele2.ID;
        const char first = AlleleLess(x, y) ? x : y;
        const char second = AlleleLess(x, y) ? y : x;
        if (HasGene(std::string{first, second}))
            continue;
        std::string name = first == '+' ? "het. " + geneSet.AlleleName(second)
                                        : geneSet.AlleleName(first) + geneSet.AlleleName(second);
        FGenes.Add(std::make_unique<TGene>(first, second, std::move(name)));
    }
}

TGene* TLocus::AddNewGene() {
    if (FGenes.Empty())
        return FGenes.Add(std::make_unique<TGene>('+', '+', "Normal"));
    return FGenes.Add(std::make_unique<TGene>('?', '?', "New gene"));
}

void TLocus::CompleteNewGene(const TGene& gene, const TLocusList& geneSet) {
    AddHeterozygotes(gene.Code(), geneSet);
    if (FGenes.Count() != 1 || FGenes[0]->Code() == "++")
        return;
    const TGene& only = *FGenes[0];
    FGenes.Add(std::make_unique<TGene>('+', only.Allele1.ID, "het. " + only.Name));
    FGenes.Add(std::make_unique<TGene>('+', '+', "Normal"));
}

int TLocus::IndexOfWeight(std::string_view code) const {
    for (size_t i = 0; i < FWeights.size(); ++i)
        if (std::string_view(FWeights[i]).substr(0, 2) == code)
            return static_cast<int>(i);
    return -1;
}

std::string TLocus::GetWeight(std::string_view code) {
    if (code.size() != 2)
        return {};
    const std::string pair = SortPair(code);
    const int i = IndexOfWeight(pair);
    if (i >= 0)
        return WeightRelation(FWeights[static_cast<size_t>(i)]);
    std::string relation = DefaultRelation(pair);
    FWeights.push_back(pair + ":" + relation);
    return relation;
}

std::string TLocus::PartnerAllele(std::string_view code) const {
    if (code.size() < 2)
        return {};
    const char c = code[1];
    for (const std::string& entry : FWeights) {
        if (entry.size() < 2 || entry[0] == '+' || entry[0] == entry[1])
            continue;
        if (entry[0] == c)
            return std::string(1, entry[1]);
        if (entry[1] == c)
            return std::string(1, entry[0]);
    }
    return {};
}

bool TLocus::StoreRelation(std::string_view relation) {
    if (relation.size() < 5)
        return false;
    const std::string pair = SortPair(std::string{relation[0], relation[4]});
    const int i = IndexOfWeight(pair);
    if (i >= 0) {
        std::string& entry = FWeights[static_cast<size_t>(i)];
        entry = entry.substr(0, 3) + std::string(relation);
    } else {
        FWeights.push_back(pair + ":" + std::string(relation));
    }
    return true;
}

std::string TLocusList::AlleleName(char id) const {
    for (int i = 0; i < Count(); ++i) {
        const TGeneList& genes = (*this)[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j)
            if (genes[j]->Allele1.ID == id && genes[j]->Allele2.ID == id)
                return genes[j]->Name;
    }
    return {};
}

std::string TLocusList::FindGeneName(std::string_view code) const {
    if (code == "++")
        return {};
    for (int i = 0; i < Count(); ++i) {
        const TGeneList& genes = (*this)[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j)
            if (genes[j]->Code() == code)
                return genes[j]->Name;
    }
    return {};
}

const TGene* TLocusList::GeneCarryingAllele(char id, const TGene* except) const {
    const auto sameLetter = [id](char allele) { return LowerCaseAscii(allele) == LowerCaseAscii(id); };
    // The allele's own homozygous gene names it best; else the first gene carrying it.
    const TGene* carrier = nullptr;
    for (int i = 0; i < Count(); ++i) {
        const TGeneList& genes = (*this)[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j) {
            const TGene* gene = genes[j];
            const bool first = sameLetter(gene->Allele1.ID);
            const bool second = sameLetter(gene->Allele2.ID);
            if (gene == except || !(first || second))
                continue;
            if (first && second && gene->Allele1.ID == gene->Allele2.ID)
                return gene;
            if (carrier == nullptr)
                carrier = gene;
        }
    }
    return carrier;
}

std::string TLocusList::FindWeight(std::string_view code) const {
    const std::string pair = SortPair(code);
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        const TLocus& locus = *(*this)[i];
        const int k = locus.IndexOfWeight(pair);
        if (k >= 0)
            result = WeightRelation(locus.Weights()[static_cast<size_t>(k)]);
    }
    return result;
}

std::string TLocusList::DescribeWeight(std::string_view relation) const {
    if (relation.size() != 5)
        return {};
    const char* verb = nullptr;
    switch (relation[2]) {
    case '<':
        verb = " is recessive to ";
        break;
    case '>':
        verb = " is dominant to ";
        break;
    case '=':
        verb = " is co-dominant to ";
        break;
    default:
        return {};
    }
    return AlleleName(relation[0]) + verb + AlleleName(relation[4]);
}
