#include "calc/FamilyChances.h"

#include "calc/MorphText.h"
#include "calc/Naming.h"
#include "calc/Peeling.h"
#include "calc/ResultList.h"
#include "model/AnimalFamily.h"
#include "model/PossibleHet.h"
#include "model/Text.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace {

constexpr size_t NoParent = static_cast<size_t>(-1);

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// A share of the four ways two parents pass one allele each.
TExactChance Quarters(int ways) {
    TExactChance share(ways, 4);
    share.canonicalize();
    return share;
}

// What is recorded of one animal at one locus.
struct TStatement {
    std::string Pair = "++"; // shown or stated: "aa", "+a" (a known carrier), "++"
    std::string PossibleHet; // "+a" when only possibly carried
    TExactChance Chance = 0; // of that possible het
};

struct TRecords {
    std::vector<std::vector<TStatement>> Statements; // per animal, per locus
    std::vector<size_t> Sire, Dam;                   // NoParent where not recorded
    std::vector<size_t> Order;                       // parents before their young
};

bool IsFounder(const TRecords& records, size_t animal) {
    return records.Sire[animal] == NoParent && records.Dam[animal] == NoParent;
}

// Parents before young, without recursion; the family is checked, so every animal is reached.
std::vector<size_t> ParentsFirst(const TRecords& records) {
    const size_t count = records.Sire.size();
    std::vector<std::vector<size_t>> young(count);
    std::vector<int> parentsLeft(count, 0);
    for (size_t i = 0; i < count; ++i)
        for (size_t parent : {records.Sire[i], records.Dam[i]})
            if (parent != NoParent) {
                young[parent].push_back(i);
                ++parentsLeft[i];
            }
    std::vector<size_t> order;
    for (size_t i = 0; i < count; ++i)
        if (parentsLeft[i] == 0)
            order.push_back(i);
    for (size_t next = 0; next < order.size(); ++next)
        for (size_t child : young[order[next]])
            if (--parentsLeft[child] == 0)
                order.push_back(child);
    return order;
}

// One locus of the family: the genotypes met there, how each looks, and what each animal may have.
class TLocusFamily {
public:
    TLocusFamily(const TRecords& records, size_t locus, TResultList& looks, TAlleleQuestions& questions)
        : FRecords(records), FLocus(locus), FQuestions(questions) {
        std::string alleles = "+";
        for (const auto& statements : records.Statements)
            for (const std::string& pair : {statements[locus].Pair, statements[locus].PossibleHet})
                for (char allele : pair)
                    if (alleles.find(allele) == std::string::npos)
                        alleles += allele;
        std::sort(alleles.begin(), alleles.end(), AlleleLess);
        for (size_t a = 0; a < alleles.size(); ++a)
            for (size_t b = a; b < alleles.size(); ++b) {
                FGenotypes.push_back({alleles[a], alleles[b]});
                FLooks.push_back(looks.PhenotypeOf(FGenotypes.back()));
            }
        FMutants = alleles.substr(1);
    }

    const std::string& Mutants() const { return FMutants; }
    const std::string& Genotype(size_t g) const { return FGenotypes[g]; }
    // Narrows every animal, parents first, to the genotypes its own records and its parents' allow, with a
    // founder's starting chances; false, with the animal found impossible in `conflict`, when none is left.
    bool Restrict(size_t& conflict);
    // The chance of every genotype each animal may have, from the records of the first `animals` in
    // parents-first order alone.
    TPeelingOutcome WorkOut(size_t animals, std::vector<std::vector<TExactChance>>& chances) const;
    const std::vector<size_t>& Domain(size_t animal) const { return FDomains[animal]; }

private:
    size_t IndexOf(std::string_view pair) const {
        return std::find(FGenotypes.begin(), FGenotypes.end(), SortPair(pair)) - FGenotypes.begin();
    }
    // Ways in four that young `g` comes from parents `s` and `d`, one allele of each.
    int WaysOf(size_t g, size_t s, size_t d) const {
        int ways = 0;
        for (char fromSire : FGenotypes[s])
            for (char fromDam : FGenotypes[d])
                ways += SortPair(std::string{fromSire, fromDam}) == FGenotypes[g];
        return ways;
    }
    // The genotypes a parent of `young` may have. A parent not recorded beside a recorded one is taken to
    // be what the young is said to be at this locus: it gives what the young shows beyond what its
    // recorded parent can, and nothing hidden the young is not said to carry.
    const std::vector<size_t>& ParentDomain(size_t parent, size_t young) const {
        return parent == NoParent ? FUnrecordedParent[young] : FDomains[parent];
    }

    const TRecords& FRecords;
    size_t FLocus;
    TAlleleQuestions& FQuestions;
    std::vector<std::string> FGenotypes, FLooks;
    std::string FMutants;
    std::vector<std::vector<size_t>> FDomains;          // genotype indexes per animal
    std::vector<std::vector<TExactChance>> FPriors;     // per founder, parallel to its domain
    std::vector<std::vector<size_t>> FUnrecordedParent; // per young: the genotype of a parent not recorded
};

bool TLocusFamily::Restrict(size_t& conflict) {
    const size_t count = FRecords.Sire.size();
    FDomains.assign(count, {});
    FPriors.assign(count, {});
    FUnrecordedParent.assign(count, {});
    for (size_t animal : FRecords.Order) {
        const TStatement& statement = FRecords.Statements[animal][FLocus];
        const size_t stated = IndexOf(statement.Pair);
        FUnrecordedParent[animal] = {stated};
        const bool knownCarrier = FQuestions.IsHet(statement.Pair);
        for (size_t g = 0; g < FGenotypes.size(); ++g) {
            if (FLooks[g] != FLooks[stated] || (knownCarrier && g != stated))
                continue;
            if (IsFounder(FRecords, animal)) {
                TExactChance prior = g == stated ? TExactChance(1 - statement.Chance) : TExactChance(0);
                if (!statement.PossibleHet.empty() && g == IndexOf(statement.PossibleHet))
                    prior += statement.Chance;
                if (prior == 0)
                    continue;
                FPriors[animal].push_back(prior);
            } else {
                bool possible = false;
                for (size_t s : ParentDomain(FRecords.Sire[animal], animal))
                    for (size_t d : ParentDomain(FRecords.Dam[animal], animal))
                        possible = possible || WaysOf(g, s, d) > 0;
                if (!possible)
                    continue;
            }
            FDomains[animal].push_back(g);
        }
        if (FDomains[animal].empty()) {
            conflict = animal;
            return false;
        }
    }
    return true;
}

TPeelingOutcome TLocusFamily::WorkOut(size_t animals, std::vector<std::vector<TExactChance>>& chances) const {
    // Animals of one possible genotype are known: only the others are variables.
    std::vector<size_t> variable(FRecords.Sire.size(), NoParent), sizes;
    for (size_t k = 0; k < animals; ++k) {
        const size_t animal = FRecords.Order[k];
        if (FDomains[animal].size() > 1) {
            variable[animal] = sizes.size();
            sizes.push_back(FDomains[animal].size());
        }
    }
    std::vector<TFactor> factors;
    for (size_t k = 0; k < animals; ++k) {
        const size_t animal = FRecords.Order[k];
        if (IsFounder(FRecords, animal)) {
            if (variable[animal] != NoParent)
                factors.push_back({{variable[animal]}, FPriors[animal]});
            continue;
        }
        // Mendel's rule over young, sire and dam, those of them that are variables in the scope.
        const std::array<size_t, 3> members{animal, FRecords.Sire[animal], FRecords.Dam[animal]};
        std::array<size_t, 3> strides{0, 0, 0};
        TFactor factor;
        for (size_t member : members)
            if (member != NoParent && variable[member] != NoParent)
                factor.Scope.push_back(variable[member]);
        std::sort(factor.Scope.begin(), factor.Scope.end());
        size_t stride = 1;
        for (size_t k2 = factor.Scope.size(); k2-- > 0;)
            for (size_t m = 0; m < 3; ++m)
                if (members[m] != NoParent && variable[members[m]] == factor.Scope[k2]) {
                    strides[m] = stride;
                    stride *= sizes[factor.Scope[k2]];
                }
        if (factor.Scope.empty())
            continue;
        factor.Values.assign(stride, 0);
        const auto& young = FDomains[animal];
        const auto& sires = ParentDomain(members[1], animal);
        const auto& dams = ParentDomain(members[2], animal);
        for (size_t y = 0; y < young.size(); ++y)
            for (size_t s = 0; s < sires.size(); ++s)
                for (size_t d = 0; d < dams.size(); ++d)
                    factor.Values[y * strides[0] + s * strides[1] + d * strides[2]] =
                        Quarters(WaysOf(young[y], sires[s], dams[d]));
        factors.push_back(std::move(factor));
    }
    TPeelingResult peeled = PeelMarginals(sizes, factors);
    if (peeled.Outcome != TPeelingOutcome::Done)
        return peeled.Outcome;
    chances.assign(FRecords.Sire.size(), {});
    for (size_t k = 0; k < animals; ++k) {
        const size_t animal = FRecords.Order[k];
        chances[animal] = variable[animal] == NoParent ? std::vector<TExactChance>{1}
                                                       : std::move(peeled.Marginals[variable[animal]]);
    }
    return TPeelingOutcome::Done;
}

// Reads every animal's words; an empty message when all are understood.
std::string ReadRecords(const TAnimalList& animals, const TLocusList& loci, const TCombiList& combis,
                        TRecords& records) {
    std::unordered_map<std::string, size_t> byName;
    for (size_t i = 0; i < animals.size(); ++i)
        byName.emplace(LowerCase(animals[i].Name), i);
    auto find = [&](const std::string& name) {
        const auto found = byName.find(LowerCase(name));
        return name.empty() || found == byName.end() ? NoParent : found->second;
    };
    for (const TAnimal& animal : animals) {
        const TMorphReading reading = ReadMorph(animal.Morph, loci, combis);
        if (!reading.Understood())
            return Quoted(animal.Name) + ": " + reading.Message();
        std::vector<TStatement> statements(loci.Count());
        for (size_t locus = 0; locus < statements.size(); ++locus) {
            TStatement& statement = statements[locus];
            statement.Pair = SortPair(reading.Selection.substr(2 * locus, 2));
            for (const TPossibleHet& het : reading.PossibleHets)
                if (SortPair(het.Code) == statement.Pair) {
                    const TChance chance = ChanceOf(het.Percent);
                    statement.PossibleHet = statement.Pair;
                    statement.Chance = TExactChance(chance.Numerator, chance.Denominator);
                    statement.Chance.canonicalize();
                    statement.Pair = "++";
                }
        }
        records.Statements.push_back(std::move(statements));
        records.Sire.push_back(find(animal.Sire));
        records.Dam.push_back(find(animal.Dam));
    }
    records.Order = ParentsFirst(records);
    return {};
}

// The genes of a locus met in the family: "Clown, Pied".
std::string GenesText(const std::string& mutants, const TLocusList& loci) {
    std::string genes;
    for (char allele : mutants)
        genes += (genes.empty() ? "" : ", ") + loci.AlleleName(allele);
    return genes;
}

// The animal whose records, added parents first, are the first the family cannot hold together, and
// its parents, with the genes of the locus.
std::string ConflictMessage(const TAnimalList& animals, const TRecords& records, size_t animal,
                            const std::string& mutants, const TLocusList& loci) {
    std::string names = Quoted(animals[animal].Name);
    for (size_t parent : {records.Sire[animal], records.Dam[animal]})
        if (parent != NoParent)
            names += (parent == records.Dam[animal] ? " and " : ", ") + Quoted(animals[parent].Name);
    return "The records of " + names + " cannot all be true for " + GenesText(mutants, loci) + ".";
}

} // namespace

TFamilyChances WorkOutChances(const TAnimalList& animals, TLocusList& loci, const TCombiList& combis) {
    TFamilyChances result;
    if (const auto problem = FindFamilyProblem(animals)) {
        result.Problem = problem->Message;
        return result;
    }
    TRecords records;
    result.Problem = ReadRecords(animals, loci, combis, records);
    if (!result.Problem.empty())
        return result;
    TAlleleQuestions questions(loci);
    TResultList looks(questions);
    TNaming naming(questions, loci, combis);
    result.Animals.resize(animals.size());
    for (size_t locus = 0; locus < static_cast<size_t>(loci.Count()); ++locus) {
        TLocusFamily family(records, locus, looks, questions);
        size_t conflict = NoParent;
        std::vector<std::vector<TExactChance>> chances;
        TPeelingOutcome outcome = TPeelingOutcome::Done;
        if (family.Restrict(conflict))
            outcome = family.WorkOut(animals.size(), chances);
        if (outcome == TPeelingOutcome::Impossible) {
            // The first animal, parents first, whose records the ones before it cannot hold together.
            size_t low = 1, high = animals.size();
            while (low < high) {
                const size_t middle = (low + high) / 2;
                std::vector<std::vector<TExactChance>> part;
                if (family.WorkOut(middle, part) == TPeelingOutcome::Impossible)
                    high = middle;
                else
                    low = middle + 1;
            }
            conflict = records.Order[low - 1];
        }
        if (outcome == TPeelingOutcome::TooLarge) {
            result.Problem = "The family is too closely inbred to work out " +
                             GenesText(family.Mutants(), loci) + " exactly.";
            result.Animals.clear();
            return result;
        }
        if (conflict != NoParent) {
            result.Problem = ConflictMessage(animals, records, conflict, family.Mutants(), loci);
            result.Animals.clear();
            return result;
        }
        for (size_t animal = 0; animal < animals.size(); ++animal) {
            TAnimalChances& animalChances = result.Animals[animal];
            animalChances.Selection += records.Statements[animal][locus].Pair;
            std::vector<TPairChance>& pairs = animalChances.Loci.emplace_back();
            const std::vector<size_t>& domain = family.Domain(animal);
            for (size_t k = 0; k < domain.size(); ++k) {
                if (chances[animal][k] == 0)
                    continue;
                const std::string& pair = family.Genotype(domain[k]);
                pairs.push_back({pair, chances[animal][k]});
                if (questions.IsHet(pair))
                    animalChances.Hidden.push_back({pair, naming.HetText(pair), chances[animal][k]});
            }
        }
    }
    return result;
}

TTestPairing SettleByTestPairing(const TExactChance& carrier, const TExactChance& visualShare, int clutch) {
    TExactChance noneIfCarrier = 1;
    for (int egg = 0; egg < clutch; ++egg)
        noneIfCarrier *= 1 - visualShare;
    const TExactChance carrierAndNone = carrier * noneIfCarrier;
    const TExactChance none = carrierAndNone + 1 - carrier;
    // A clutch that cannot show none leaves the chance as it was.
    return {1 - noneIfCarrier, none == 0 ? carrier : TExactChance(carrierAndNone / none)};
}

TExactChance VisualShareOfTestPairing(std::string_view gene, std::string_view partner, TLocusList& loci) {
    TAlleleQuestions questions(loci);
    TResultList looks(questions);
    auto lookOfYoung = [&](char a, char b) { return looks.PhenotypeOf(SortPair(std::string{a, b})); };
    std::vector<std::string> withoutGene;
    for (char fromPartner : partner)
        withoutGene.push_back(lookOfYoung('+', fromPartner));
    int proving = 0;
    for (char fromCarrier : gene)
        for (char fromPartner : partner)
            proving += std::find(withoutGene.begin(), withoutGene.end(),
                                 lookOfYoung(fromCarrier, fromPartner)) == withoutGene.end();
    return Quarters(proving);
}
