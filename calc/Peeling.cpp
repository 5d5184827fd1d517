#include "calc/Peeling.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <set>

namespace {

constexpr size_t None = std::numeric_limits<size_t>::max();

// Walks every entry of a table over `scope` while keeping the matching position in a table over a part
// of it, whose strides per variable of `scope` are `partStrides` (0 for a variable the part lacks).
template <typename TVisit>
void WalkTable(const std::vector<size_t>& scope, const std::vector<size_t>& sizes,
               const std::vector<size_t>& partStrides, size_t entries, TVisit visit) {
    std::vector<size_t> digits(scope.size(), 0);
    size_t part = 0;
    for (size_t entry = 0; entry < entries; ++entry) {
        visit(entry, part);
        for (size_t k = scope.size(); k-- > 0;) {
            if (++digits[k] < sizes[scope[k]]) {
                part += partStrides[k];
                break;
            }
            part -= partStrides[k] * (digits[k] - 1);
            digits[k] = 0;
        }
    }
}

// The strides within a table over `part` of the variables of `scope`, in the order of `scope`.
std::vector<size_t> PartStrides(const std::vector<size_t>& scope, const std::vector<size_t>& part,
                                const std::vector<size_t>& sizes) {
    std::vector<size_t> strides(scope.size(), 0);
    size_t stride = 1;
    for (size_t k = part.size(); k-- > 0;) {
        const size_t at = std::lower_bound(scope.begin(), scope.end(), part[k]) - scope.begin();
        strides[at] = stride;
        stride *= sizes[part[k]];
    }
    return strides;
}

size_t EntriesOf(const std::vector<size_t>& scope, const std::vector<size_t>& sizes) {
    size_t entries = 1;
    for (size_t variable : scope)
        entries *= sizes[variable];
    return entries;
}

void MultiplyInto(TFactor& target, const TFactor& factor, const std::vector<size_t>& sizes) {
    WalkTable(target.Scope, sizes, PartStrides(target.Scope, factor.Scope, sizes), target.Values.size(),
              [&](size_t entry, size_t part) { target.Values[entry] *= factor.Values[part]; });
}

TFactor SumOnto(const TFactor& table, const std::vector<size_t>& part, const std::vector<size_t>& sizes) {
    TFactor sum{part, std::vector<mpq_class>(EntriesOf(part, sizes), 0)};
    WalkTable(table.Scope, sizes, PartStrides(table.Scope, part, sizes), table.Values.size(),
              [&](size_t entry, size_t at) { sum.Values[at] += table.Values[entry]; });
    return sum;
}

// The order of elimination: each time the variable whose elimination joins the fewest unlinked
// neighbours (fill), then the one with the fewest neighbours. Returns each variable's neighbours at its
// elimination.
std::vector<size_t> EliminationOrder(size_t count, const std::vector<TFactor>& factors,
                                     std::vector<std::vector<size_t>>& neighboursAtElimination) {
    std::vector<std::set<size_t>> links(count);
    for (const TFactor& factor : factors)
        for (size_t a : factor.Scope)
            for (size_t b : factor.Scope)
                if (a != b)
                    links[a].insert(b);
    auto fillOf = [&](size_t v) {
        size_t fill = 0;
        for (auto a = links[v].begin(); a != links[v].end(); ++a)
            for (auto b = std::next(a); b != links[v].end(); ++b)
                fill += links[*a].count(*b) == 0;
        return fill;
    };
    // Candidates by fill, then neighbours, then number: the first is eliminated next.
    std::vector<std::array<size_t, 3>> key(count);
    std::set<std::array<size_t, 3>> candidates;
    for (size_t v = 0; v < count; ++v) {
        key[v] = {fillOf(v), links[v].size(), v};
        candidates.insert(key[v]);
    }
    std::vector<size_t> order;
    neighboursAtElimination.assign(count, {});
    while (!candidates.empty()) {
        const size_t best = (*candidates.begin())[2];
        candidates.erase(candidates.begin());
        order.push_back(best);
        neighboursAtElimination[best].assign(links[best].begin(), links[best].end());
        for (size_t a : links[best]) {
            links[a].erase(best);
            for (size_t b : links[best])
                if (a != b)
                    links[a].insert(b);
        }
        // A fill count changes only around the joined neighbours.
        std::set<size_t> touched;
        for (size_t a : links[best]) {
            touched.insert(a);
            touched.insert(links[a].begin(), links[a].end());
        }
        links[best].clear();
        for (size_t v : touched) {
            candidates.erase(key[v]);
            key[v] = {fillOf(v), links[v].size(), v};
            candidates.insert(key[v]);
        }
    }
    return order;
}

} // namespace

TPeelingResult PeelMarginals(const std::vector<size_t>& domainSizes, const std::vector<TFactor>& factors) {
    const size_t count = domainSizes.size();
    std::vector<std::vector<size_t>> separator;
    const std::vector<size_t> order = EliminationOrder(count, factors, separator);
    std::vector<size_t> position(count);
    for (size_t step = 0; step < count; ++step)
        position[order[step]] = step;

    // The clique of a variable: itself and its neighbours at its elimination. It hands what it knows to
    // the clique of the first of those neighbours to be eliminated.
    std::vector<TFactor> cliques(count);
    std::vector<size_t> parent(count, None);
    for (size_t v = 0; v < count; ++v) {
        std::vector<size_t> scope = separator[v];
        scope.insert(std::upper_bound(scope.begin(), scope.end(), v), v);
        if (EntriesOf(scope, domainSizes) > MaxCliqueEntries)
            return {TPeelingOutcome::TooLarge, {}};
        cliques[v].Values.assign(EntriesOf(scope, domainSizes), 1);
        cliques[v].Scope = std::move(scope);
        for (size_t n : separator[v])
            if (parent[v] == None || position[n] < position[parent[v]])
                parent[v] = n;
    }
    for (const TFactor& factor : factors) {
        if (factor.Scope.empty())
            continue;
        const size_t first = *std::min_element(factor.Scope.begin(), factor.Scope.end(),
                                               [&](size_t a, size_t b) { return position[a] < position[b]; });
        MultiplyInto(cliques[first], factor, domainSizes);
    }

    // Toward the roots, then back: each clique ends holding the product of everything, summed over the
    // variables outside it.
    std::vector<TFactor> upward(count);
    for (size_t v : order) {
        if (parent[v] != None) {
            upward[v] = SumOnto(cliques[v], separator[v], domainSizes);
            MultiplyInto(cliques[parent[v]], upward[v], domainSizes);
        } else if (SumOnto(cliques[v], {}, domainSizes).Values[0] == 0) {
            return {TPeelingOutcome::Impossible, {}};
        }
    }
    for (size_t step = count; step-- > 0;) {
        const size_t v = order[step];
        if (parent[v] == None)
            continue;
        TFactor update = SumOnto(cliques[parent[v]], separator[v], domainSizes);
        for (size_t i = 0; i < update.Values.size(); ++i)
            if (upward[v].Values[i] != 0)
                update.Values[i] /= upward[v].Values[i];
        MultiplyInto(cliques[v], update, domainSizes);
    }

    TPeelingResult result;
    for (size_t v = 0; v < count; ++v) {
        TFactor marginal = SumOnto(cliques[v], {v}, domainSizes);
        const mpq_class total = std::accumulate(marginal.Values.begin(), marginal.Values.end(), mpq_class(0));
        for (mpq_class& value : marginal.Values)
            value /= total;
        result.Marginals.push_back(std::move(marginal.Values));
    }
    return result;
}
