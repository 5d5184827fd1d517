// A gene set as its file keeps it, for comparing the set read from a file with the set read back after
// a save.
#pragma once

#include "storage/GeneSetFile.h"

#include <string>
#include <vector>

// Relations are cut to their five characters by a save, and a value read from a file never ends in
// blanks, so those are the relations compared; everything else is compared as it stands.
inline std::string RelationAsKept(const std::string& entry) {
    std::string relation = WeightRelation(entry);
    while (!relation.empty() && (relation.back() == ' ' || relation.back() == '\t'))
        relation.pop_back();
    return relation;
}

inline std::vector<std::string> GeneSetImage(const TGeneSet& set) {
    std::vector<std::string> image{std::to_string(set.Left),
                                   std::to_string(set.Top),
                                   std::to_string(set.Width),
                                   std::to_string(set.Height),
                                   set.Female,
                                   set.Male,
                                   set.PairingFile,
                                   std::to_string(set.RatioIndex),
                                   std::to_string(set.CombiIndex),
                                   std::to_string(set.PhenotypeIndex),
                                   std::to_string(set.PossibleHetsIndex),
                                   set.Name,
                                   PossibleHetsText(set.MalePossible),
                                   PossibleHetsText(set.FemalePossible),
                                   std::to_string(set.ClutchSize)};
    for (int i = 0; i < set.LocusList.Count(); ++i) {
        const TLocus& locus = *set.LocusList[i];
        image.push_back("locus " + locus.Name);
        for (int j = 0; j < locus.Genes().Count(); ++j) {
            const TGene& gene = *locus.Genes()[j];
            image.push_back("gene " + gene.Code() + ":" + gene.Name + (gene.Lethal ? " lethal" : "") +
                            (gene.HealthNote.empty() ? "" : " note " + gene.HealthNote));
        }
        for (const std::string& entry : locus.Weights())
            image.push_back("weight " + entry.substr(0, 2) + ":" + RelationAsKept(entry));
    }
    for (int i = 0; i < set.CombiList.Count(); ++i)
        image.push_back("combi " + set.CombiList[i]->Code + ":" + set.CombiList[i]->Name);
    return image;
}
