// Gene sets for the calculation's tests: the built-in Serpentia set, and small sets written as file text.
#pragma once

#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFile.h"

#include <string>
#include <vector>

inline TGeneSet Serpentia() {
    TGeneSet set;
    LoadGeneSetText(DefaultGeneSetText(), set, "Serpentia.INI");
    return set;
}

// A gene set from the lines of its file, without the counts: one locus per group of genes.
// `loci` holds per locus its genes as "code:name"; `weights` and `health` the lines of those sections.
inline TGeneSet SmallGeneSet(const std::vector<std::vector<std::string>>& loci,
                             const std::vector<std::string>& weights = {},
                             const std::vector<std::string>& combis = {},
                             const std::vector<std::string>& health = {}) {
    std::string text = "[Statistics]\r\nLocusCount=" + std::to_string(loci.size()) +
                       "\r\nCombiCount=" + std::to_string(combis.size()) + "\r\n";
    for (size_t i = 0; i < loci.size(); ++i)
        text += "Locus" + std::to_string(i) + "GeneCount=" + std::to_string(loci[i].size()) + "\r\n";
    text += "[COMBI]\r\n";
    for (size_t i = 0; i < combis.size(); ++i)
        text += std::to_string(i) + "=" + combis[i] + "\r\n";
    text += "[Gene]\r\n";
    for (size_t i = 0; i < loci.size(); ++i)
        for (size_t j = 0; j < loci[i].size(); ++j)
            text += std::to_string(i) + "-" + std::to_string(j) + "=" + loci[i][j] + "\r\n";
    text += "[Weight]\r\n";
    for (const std::string& weight : weights)
        text += weight + "\r\n";
    text += "[Health]\r\n";
    for (const std::string& mark : health)
        text += mark + "\r\n";
    TGeneSet set;
    LoadGeneSetText(text, set, "Test.INI");
    return set;
}

// Every weight entry of every locus, as "locus<TAB>entry".
inline std::vector<std::string> WeightEntries(const TLocusList& loci) {
    std::vector<std::string> entries;
    for (int i = 0; i < loci.Count(); ++i)
        for (const std::string& entry : loci[i]->Weights())
            entries.push_back(std::to_string(i) + "\t" + entry);
    return entries;
}
