// The health marks of a gene set as the calculation reads them: by the pair an offspring holds.
#pragma once

#include "model/Locus.h"

#include <string>
#include <unordered_map>
#include <vector>

class THealthMarks {
public:
    struct TMark {
        bool Lethal = false;
        int Note = -1; // index into Notes(), -1 for none
        std::string GeneName;
    };

    explicit THealthMarks(const TLocusList& loci);

    bool Any() const { return !FMarks.empty(); }
    // The mark of the gene an offspring pair is: the first gene, in gene-set order, whose code is the pair
    // with its lower byte first; nullptr when that gene has no mark or there is no such gene. A mark on
    // Normal ("++") counts for nothing.
    const TMark* MarkOf(char a, char b) const;
    // Index of a mark in gene-set order, for marks returned by MarkOf.
    int IndexOf(const TMark* mark) const { return static_cast<int>(mark - FMarks.data()); }
    // Every mark, in gene-set order.
    const std::vector<TMark>& Marks() const { return FMarks; }
    // The different notes, in gene-set order.
    const std::vector<std::string>& Notes() const { return FNotes; }

private:
    std::vector<TMark> FMarks;
    std::unordered_map<size_t, int> FMarkOfPair; // the first gene of every code: its mark, or -1
    std::vector<std::string> FNotes;
};
