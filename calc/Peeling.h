// Exact marginals of a product of small tables over discrete variables, by variable elimination on a
// tree of cliques: the genotypes of a family's animals at one locus, each animal a variable.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <vector>

// A table over some variables: `Scope` ascending, `Values` with the last variable of the scope varying
// fastest.
struct TFactor {
    std::vector<size_t> Scope;
    std::vector<mpq_class> Values;
};

enum class TPeelingOutcome {
    Done,
    Impossible, // the product is zero everywhere: the records cannot all be true
    TooLarge    // a clique of the elimination would hold more than the limit of entries
};

struct TPeelingResult {
    TPeelingOutcome Outcome = TPeelingOutcome::Done;
    std::vector<std::vector<mpq_class>> Marginals; // per variable, summing to 1; when Done
};

// The largest table a clique may hold: loops of a family tangled past it are refused, not worked out
// for minutes.
inline constexpr size_t MaxCliqueEntries = 1'000'000;

// The normalised marginal of every variable under the product of `factors`. Variables are numbered from
// 0 to domainSizes.size() - 1; a variable no factor names is spread evenly.
TPeelingResult PeelMarginals(const std::vector<size_t>& domainSizes, const std::vector<TFactor>& factors);
