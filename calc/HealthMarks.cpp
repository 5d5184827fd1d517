#include "calc/HealthMarks.h"

#include "calc/GenotypeText.h"

#include <algorithm>

THealthMarks::THealthMarks(const TLocusList& loci) {
    for (int i = 0; i < loci.Count(); ++i) {
        const TGeneList& genes = loci[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j) {
            const TGene& gene = *genes[j];
            // A hand-edited file may store a code high byte first ("s+"); the gene is the same.
            const auto [slot, first] =
                FMarkOfPair.try_emplace(SortedPairIndex(gene.Allele1.ID, gene.Allele2.ID), -1);
            // "++" is the wild type of every locus alike: a mark on one locus's Normal cannot be told apart.
            if (!first || !gene.HasHealthMark() || gene.Code() == "++")
                continue;
            TMark mark{gene.Lethal, -1, gene.Name};
            if (!gene.HealthNote.empty()) {
                const auto known = std::find(FNotes.begin(), FNotes.end(), gene.HealthNote);
                mark.Note = static_cast<int>(known - FNotes.begin());
                if (known == FNotes.end())
                    FNotes.push_back(gene.HealthNote);
            }
            slot->second = static_cast<int>(FMarks.size());
            FMarks.push_back(std::move(mark));
        }
    }
}

const THealthMarks::TMark* THealthMarks::MarkOf(char a, char b) const {
    if (FMarks.empty())
        return nullptr;
    const auto found = FMarkOfPair.find(SortedPairIndex(a, b));
    return found == FMarkOfPair.end() || found->second < 0 ? nullptr
                                                           : &FMarks[static_cast<size_t>(found->second)];
}
