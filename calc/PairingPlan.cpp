#include "calc/PairingPlan.h"

#include "calc/AlleleQuestions.h"
#include "calc/HealthMarks.h"
#include "calc/MorphText.h"
#include "model/Text.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// What one parent passes on at one locus: each allele with its chance.
using TGametes = std::vector<std::pair<char, TExactChance>>;
// The young at the goal's loci so far: which looks each outcome still meets (a bit per look), with its
// chance. Outcomes that meet the same looks are kept as one.
using TOutcomes = std::vector<std::pair<uint32_t, TExactChance>>;

TGametes GametesOf(const TAnimalChances& animal, size_t locus) {
    if (locus >= animal.Loci.size() || animal.Loci[locus].empty())
        return {{'+', TExactChance(1)}};
    TGametes gametes;
    for (const TPairChance& pair : animal.Loci[locus])
        for (size_t i = 0; i < 2 && i < pair.Pair.size(); ++i) {
            const char allele = pair.Pair[i];
            const auto known = std::find_if(gametes.begin(), gametes.end(),
                                            [allele](const auto& gamete) { return gamete.first == allele; });
            const TExactChance half = pair.Chance / 2;
            if (known == gametes.end())
                gametes.emplace_back(allele, half);
            else
                known->second += half;
        }
    return gametes;
}

void AddOutcome(TOutcomes& outcomes, uint32_t looks, const TExactChance& chance) {
    const auto known = std::find_if(outcomes.begin(), outcomes.end(),
                                    [looks](const auto& outcome) { return outcome.first == looks; });
    if (known == outcomes.end())
        outcomes.emplace_back(looks, chance);
    else
        known->second += chance;
}

// What a pair shows: itself where it is visible, the dominant allele twice over a recessive mutant of its
// locus, else nothing ("++").
std::string ShownPair(TAlleleQuestions& questions, char a, char b) {
    if (questions.IsVisible(a, b))
        return SortPair(std::string{a, b});
    if (a != '+' && b != '+' && questions.IsDominant(a, b))
        return {a, a};
    if (a != '+' && b != '+' && questions.IsDominant(b, a))
        return {b, b};
    return "++";
}

class TPlanner {
public:
    TPlanner(const TPlanGoal& goal, TLocusList& loci) : FQuestions(loci), FMarks(loci) {
        FWanted.resize(static_cast<size_t>(loci.Count()));
        for (size_t l = 0; l < FWanted.size(); ++l)
            for (const std::string& look : goal.Looks) {
                const std::string pair = l * 2 + 2 <= look.size() ? look.substr(l * 2, 2) : "++";
                FWanted[l].push_back({pair, ShownPair(FQuestions, pair[0], pair[1])});
            }
        FGoalLocus.resize(FWanted.size());
        for (size_t l = 0; l < FWanted.size(); ++l)
            FGoalLocus[l] = std::any_of(FWanted[l].begin(), FWanted[l].end(),
                                        [](const TWanted& wanted) { return wanted.Pair != "++"; });
        FAllLooks = (uint32_t(1) << goal.Looks.size()) - 1;
    }

    size_t LocusCount() const { return FGoalLocus.size(); }

    TExactChance ShareOf(const std::vector<TGametes>& male, const std::vector<TGametes>& female) {
        TOutcomes outcomes{{FAllLooks, TExactChance(1)}};
        TExactChance hatch(1);
        for (size_t l = 0; l < FGoalLocus.size(); ++l) {
            TOutcomes atLocus;
            TExactChance lethal(0);
            for (const auto& [a, chanceA] : male[l])
                for (const auto& [b, chanceB] : female[l]) {
                    const THealthMarks::TMark* mark = FMarks.MarkOf(a, b);
                    if (mark && mark->Lethal)
                        lethal += chanceA * chanceB;
                    else if (FGoalLocus[l])
                        AddOutcome(atLocus, LooksMet(l, a, b), chanceA * chanceB);
                }
            if (!FGoalLocus[l]) {
                hatch *= 1 - lethal;
                continue;
            }
            TOutcomes joined;
            for (const auto& [looks, chance] : outcomes)
                for (const auto& [looksHere, chanceHere] : atLocus)
                    AddOutcome(joined, looks & looksHere, chance * chanceHere);
            outcomes = std::move(joined);
        }
        TExactChance share(0);
        for (const auto& [looks, chance] : outcomes)
            if (looks != 0)
                share += chance;
        return share * hatch;
    }

private:
    // What a look asks at one locus: its pair, and what that pair shows.
    struct TWanted {
        std::string Pair;
        std::string Shown;
    };

    // The looks the young pair (a, b) at goal locus `locus` meets, a bit each.
    uint32_t LooksMet(size_t locus, char a, char b) {
        const std::string pair = SortPair(std::string{a, b});
        const std::string shown = ShownPair(FQuestions, a, b);
        uint32_t met = 0;
        for (size_t k = 0; k < FWanted[locus].size(); ++k) {
            const TWanted& wanted = FWanted[locus][k];
            // A gene the look says is carried without showing is met by that pair alone.
            const bool meets =
                wanted.Pair == "++" || (wanted.Shown == "++" ? pair == wanted.Pair : shown == wanted.Shown);
            met |= meets ? uint32_t(1) << k : 0;
        }
        return met;
    }

    TAlleleQuestions FQuestions;
    THealthMarks FMarks;
    std::vector<std::vector<TWanted>> FWanted; // per locus, per look
    std::vector<bool> FGoalLocus;
    uint32_t FAllLooks = 0;
};

bool IsParentOf(const TAnimal& parent, const TAnimal& young) {
    return SameTextIgnoringCase(young.Sire, parent.Name) || SameTextIgnoringCase(young.Dam, parent.Name);
}

std::string KinshipOf(const TAnimal& male, const TAnimal& female) {
    if (IsParentOf(male, female) || IsParentOf(female, male))
        return "parent and offspring";
    const bool sameSire = !male.Sire.empty() && SameTextIgnoringCase(male.Sire, female.Sire);
    const bool sameDam = !male.Dam.empty() && SameTextIgnoringCase(male.Dam, female.Dam);
    if (sameSire && sameDam)
        return "full siblings";
    return sameSire || sameDam ? "half siblings" : "";
}

// A whole number of at most 128 bits.
TCount CountOf(const mpz_class& n) {
    uint64_t words[2] = {0, 0};
    mpz_export(words, nullptr, -1, sizeof(uint64_t), 0, 0, n.get_mpz_t());
    return TCount(words[1]) << 64 | words[0];
}

} // namespace

bool ReadPlanGoal(std::string_view text, const TLocusList& loci, const TCombiList& combis, TPlanGoal& goal,
                  std::string& message) {
    goal.Looks.clear();
    const size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    const bool anyOf = LowerCase(text.substr(start, 7)) == "any of ";
    std::vector<std::string_view> looks;
    for (std::string_view rest = anyOf ? text.substr(start + 7) : text; !rest.empty();) {
        const size_t comma = anyOf ? std::min(rest.find(','), rest.size()) : rest.size();
        if (rest.substr(0, comma).find_first_not_of(" \t") != std::string_view::npos)
            looks.push_back(rest.substr(0, comma));
        rest.remove_prefix(std::min(comma + 1, rest.size()));
    }
    if (looks.size() > MaxGoalLooks) {
        message = "A goal can be any of at most " + std::to_string(MaxGoalLooks) + " looks.";
        return false;
    }
    for (const std::string_view look : looks) {
        const TMorphReading reading = ReadMorph(look, loci, combis);
        const std::string quoted = std::string(1, '"').append(look).append(1, '"');
        if (!reading.Understood())
            message = "The goal " + quoted + ": " + reading.Message();
        else if (!reading.PossibleHets.empty())
            message = "The goal " + quoted +
                      " names a possible het; a goal names what the young show or surely carry.";
        else if (reading.Selection.find_first_not_of('+') == std::string::npos)
            message = "The goal " + quoted + " names no gene.";
        else {
            goal.Looks.push_back(reading.Selection);
            continue;
        }
        goal.Looks.clear();
        return false;
    }
    if (goal.Looks.empty())
        message = "The goal names no look.";
    return !goal.Looks.empty();
}

std::vector<TPlannedPairing> PlanPairings(const TAnimalList& animals,
                                          const std::vector<TAnimalChances>& chances, const TPlanGoal& goal,
                                          int eggs, TLocusList& loci) {
    TPlanner planner(goal, loci);
    std::vector<std::vector<TGametes>> gametes(animals.size());
    for (size_t i = 0; i < animals.size() && i < chances.size(); ++i)
        for (size_t l = 0; l < planner.LocusCount(); ++l)
            gametes[i].push_back(GametesOf(chances[i], l));
    std::vector<TPlannedPairing> plan;
    for (size_t m = 0; m < gametes.size(); ++m)
        for (size_t f = 0; f < gametes.size(); ++f)
            if (animals[m].Sex == TSex::Male && animals[f].Sex == TSex::Female && !gametes[m].empty() &&
                !gametes[f].empty()) {
                TPlannedPairing pairing{m, f, planner.ShareOf(gametes[m], gametes[f]), {}, {}};
                pairing.Odds = ClutchOddsOfChance(pairing.Share, eggs);
                pairing.Kinship = KinshipOf(animals[m], animals[f]);
                plan.push_back(std::move(pairing));
            }
    std::stable_sort(plan.begin(), plan.end(),
                     [](const TPlannedPairing& a, const TPlannedPairing& b) { return a.Share > b.Share; });
    return plan;
}

TClutchOdds ClutchOddsOfChance(const TExactChance& share, int eggs) {
    if (mpz_sizeinbase(share.get_num_mpz_t(), 2) <= 128 && mpz_sizeinbase(share.get_den_mpz_t(), 2) <= 128)
        return ClutchOddsOf({CountOf(share.get_num()), CountOf(share.get_den())}, eggs);
    const mpz_class scale = mpz_class(1) << 100;
    const mpz_class scaled = share.get_num() * scale / share.get_den();
    return ClutchOddsOf({CountOf(scaled), CountOf(scale)}, eggs);
}
