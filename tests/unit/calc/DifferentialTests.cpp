// The fast calculation against the literal one on random gene sets, pairings and choices.
#include "GeneSets.h"
#include "LiteralCalculation.h"

#include "calc/Calculation.h"
#include "calc/PunnettGrid.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct TGeneSetRecipe {
    std::vector<std::vector<std::pair<std::string, std::string>>> Genes; // per locus: code, name
    std::vector<std::vector<std::string>> Weights;                       // per locus: entries
    std::vector<std::pair<std::string, std::string>> Combis;             // code, name
};

void Build(const TGeneSetRecipe& recipe, TLocusList& loci, TCombiList& combis) {
    for (size_t i = 0; i < recipe.Genes.size(); ++i) {
        TLocus* locus = loci.Add(std::make_unique<TLocus>("L" + std::to_string(i)));
        for (const auto& [code, name] : recipe.Genes[i])
            locus->Genes().Add(std::make_unique<TGene>(code[0], code[1], name));
        locus->Weights() = recipe.Weights[i];
    }
    for (const auto& [code, name] : recipe.Combis)
        combis.Add(std::make_unique<TCombi>(code, name));
}

class TRandomCases {
public:
    explicit TRandomCases(unsigned seed) : FRandom(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FRandom); }
    bool OneIn(int n) { return Below(n) == 0; }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }

    // Alleles as breeders type them, and the odd ones a file can hold.
    char Allele() {
        static const std::string usual = "abcdefghijkuvwxyz";
        static const std::string odd = "ABCaZ09?#* ~";
        return OneIn(4) ? odd[static_cast<size_t>(Below(static_cast<int>(odd.size())))]
                        : usual[static_cast<size_t>(Below(static_cast<int>(usual.size())))];
    }

    std::string Relation(char x, char y) {
        static const std::vector<std::string> operators = {" > ", " < ", " = "};
        switch (Below(9)) {
        case 0:
            return "";
        case 1:
            return std::string{x, '>', y};
        case 2:
            return std::string{x, ' ', '?', ' ', y};
        case 3:
            return std::string{x} + Pick(operators) + y + " and more";
        case 4:
            return std::string{y} + Pick(operators) + x;
        default:
            return std::string{x} + Pick(operators) + y;
        }
    }

    static std::string Sorted(char x, char y) {
        return static_cast<unsigned char>(y) < static_cast<unsigned char>(x) ? std::string{y, x}
                                                                             : std::string{x, y};
    }

    TGeneSetRecipe GeneSet() {
        TGeneSetRecipe recipe;
        std::vector<char> used;
        const int locusCount = 1 + Below(4);
        for (int l = 0; l < locusCount; ++l) {
            std::vector<char> alleles = {'+'};
            const int mutants = 1 + Below(3);
            for (int m = 0; m < mutants; ++m) {
                // Now and then an allele of another locus again, as a careless user can.
                const char allele = !used.empty() && OneIn(8) ? Pick(used) : Allele();
                alleles.push_back(allele);
                used.push_back(allele);
            }
            auto& genes = recipe.Genes.emplace_back();
            auto& weights = recipe.Weights.emplace_back();
            for (size_t a = 0; a < alleles.size(); ++a)
                for (size_t b = a; b < alleles.size(); ++b) {
                    if (a != b && OneIn(6))
                        continue; // a deleted gene
                    const std::string code =
                        OneIn(15) ? std::string{alleles[b], alleles[a]} : Sorted(alleles[a], alleles[b]);
                    genes.emplace_back(code, OneIn(10) ? "" : "N" + code);
                    if (OneIn(3))
                        weights.push_back(Sorted(alleles[a], alleles[b]) + ":" +
                                          Relation(alleles[a], alleles[b]));
                }
            if (OneIn(6))
                genes.emplace_back("??", "");
            std::shuffle(genes.begin(), genes.end(), FRandom);
            std::shuffle(weights.begin(), weights.end(), FRandom);
        }
        const int combiCount = Below(5);
        for (int c = 0; c < combiCount; ++c) {
            std::string code;
            const int parts = 1 + Below(3);
            for (int p = 0; p < parts; ++p) {
                const auto& genes = Pick(recipe.Genes);
                code += OneIn(5) ? std::string(2, Allele()) : Pick(genes).first;
            }
            recipe.Combis.emplace_back(code, "C" + std::to_string(c));
        }
        return recipe;
    }

    // One parent: a gene per locus as the selectors give, or text typed by hand.
    std::string Parent(const TGeneSetRecipe& recipe, int& hets) {
        std::string selection;
        if (OneIn(6)) {
            const int length = Below(9);
            for (int i = 0; i < length; ++i)
                selection += OneIn(3) ? '+' : Allele();
        } else {
            for (const auto& genes : recipe.Genes) {
                std::string code = Pick(genes).first;
                if (code[0] != code[1] && hets >= 6)
                    code = std::string(2, code[0]);
                hets += code[0] != code[1];
                selection += code;
            }
        }
        return selection;
    }

    TCalcOptions Options() {
        TCalcOptions options;
        options.RatioIndex = Below(4) - 1;
        options.CombiIndex = Below(4) - 1;
        options.PhenotypeIndex = Below(4) - 1;
        options.PossibleHetsIndex = Below(4) - 1;
        options.DecimalSeparator = OneIn(2) ? "." : "\xD9\xAB"; // the Arabic decimal separator, two bytes
        return options;
    }

private:
    std::mt19937 FRandom;
};

std::string Describe(const TGeneSetRecipe& recipe, const std::string& male, const std::string& female,
                     const TCalcOptions& options) {
    std::string text = "male \"" + male + "\" female \"" + female + "\" options " +
                       std::to_string(options.RatioIndex) + std::to_string(options.CombiIndex) +
                       std::to_string(options.PhenotypeIndex) + std::to_string(options.PossibleHetsIndex) +
                       "\n";
    for (size_t l = 0; l < recipe.Genes.size(); ++l) {
        text += "locus " + std::to_string(l) + ":";
        for (const auto& [code, name] : recipe.Genes[l])
            text += " " + code;
        text += " |";
        for (const std::string& weight : recipe.Weights[l])
            text += " [" + weight + "]";
        text += "\n";
    }
    for (const auto& [code, name] : recipe.Combis)
        text += "combi " + code + ":" + name + "\n";
    return text;
}

void CompareOneCase(TRandomCases& cases) {
    const TGeneSetRecipe recipe = cases.GeneSet();
    int hets = 0;
    std::string male = cases.Parent(recipe, hets);
    std::string female = cases.Parent(recipe, hets);
    if (cases.OneIn(2))
        ReduceSelections(male, female);
    const TCalcOptions options = cases.Options();
    SCOPED_TRACE(Describe(recipe, male, female, options));

    TLocusList fastLoci, literalLoci;
    TCombiList fastCombis, literalCombis;
    Build(recipe, fastLoci, fastCombis);
    Build(recipe, literalLoci, literalCombis);
    const TCalcResult fast = RunCalculation(male, female, options, fastLoci, fastCombis);
    const TLiteralResult literal = LiteralCalculation(male, female, options, literalLoci, literalCombis);

    ASSERT_FALSE(fast.Refused()) << fast.RefusalMessage();
    EXPECT_EQ(fast.ReportLines(), literal.Report);
    EXPECT_EQ(WeightEntries(fastLoci), WeightEntries(literalLoci));
    ASSERT_EQ(fast.MaleGametes(), literal.MaleGametes);
    ASSERT_EQ(fast.FemaleGametes(), literal.FemaleGametes);
    for (size_t c = 0; c < literal.Cells.size(); ++c)
        for (size_t r = 0; r < literal.Cells[c].size(); ++r)
            ASSERT_EQ(fast.CellText(c + 1, r + 1), literal.Cells[c][r]) << "cell " << c + 1 << "," << r + 1;

    // Counting in small blocks and with sparse counters gives the same offspring as the usual way.
    TLocusList loci;
    TCombiList combis;
    Build(recipe, loci, combis);
    TAlleleQuestions questions(loci);
    TResultList usual(questions), blocked(questions);
    TPunnettGrid grid(male, female);
    grid.AskCellQuestions(questions, usual);
    ASSERT_TRUE(grid.CollectCells(usual, 1000));
    ASSERT_TRUE(grid.CollectCells(blocked, 1000, TCellCountTuning{1, 0}));
    EXPECT_EQ(blocked.Lines, usual.Lines);
    EXPECT_EQ(blocked.Counts, usual.Counts);
}

} // namespace

TEST(FastAgainstLiteral, RandomGeneSetsPairingsAndChoices) {
    for (unsigned seed = 1; seed <= 800; ++seed) {
        TRandomCases cases(seed);
        SCOPED_TRACE("seed " + std::to_string(seed));
        CompareOneCase(cases);
        if (HasFailure())
            return;
    }
}
