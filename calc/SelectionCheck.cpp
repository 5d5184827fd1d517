#include "calc/SelectionCheck.h"

#include "calc/GenotypeText.h"

namespace {

// The locus of a gene written as two allele characters in either order, -1 for none; "++" is every
// locus's and counts as none.
int LocusOfPair(std::string_view pair, const TLocusList& loci) {
    const std::string sorted = SortPair(pair);
    for (int l = 0; l < loci.Count(); ++l)
        if (loci[l]->HasGene(sorted))
            return l;
    return -1;
}

std::string PairProblem(std::string_view pair, const char* parent, const TLocusList& loci) {
    if (pair.size() != 2)
        return "The " + std::string(parent) + "'s codes end in \"" + std::string(pair) +
               "\": every gene is written as two characters.";
    if (pair == "++" || LocusOfPair(pair, loci) >= 0)
        return {};
    std::string problem = "\"";
    problem.append(pair).append("\" in the ").append(parent).append("'s codes is no gene of this gene set.");
    return problem;
}

} // namespace

std::string SelectionProblem(const std::string& male, const std::string& female, const TLocusList& loci) {
    for (size_t i = 0; i < std::max(male.size(), female.size()); i += 2) {
        const std::string_view malePair = i < male.size() ? PairAt(male, i) : "++";
        const std::string_view femalePair = i < female.size() ? PairAt(female, i) : "++";
        for (const auto& [pair, parent] : {std::pair{malePair, "male"}, std::pair{femalePair, "female"}})
            if (std::string problem = PairProblem(pair, parent, loci); !problem.empty())
                return problem;
        if (malePair != "++" && femalePair != "++" &&
            LocusOfPair(malePair, loci) != LocusOfPair(femalePair, loci))
            return "The male's \"" + std::string(malePair) + "\" and the female's \"" +
                   std::string(femalePair) + "\" stand at the same place but are genes of different loci.";
    }
    return {};
}
