// Random gene sets, pairings, possible hets and report choices for checking the calculation. The unit
// tests draw them from a seeded random source, the fuzz target from the fuzzer's bytes.
#pragma once

#include "calc/Calculation.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Where the choices come from.
class TChoices {
public:
    virtual ~TChoices() = default;
    // A number from 0 to n - 1.
    virtual int Below(int n) = 0;

    bool OneIn(int n) { return Below(n) == 0; }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }
    char Pick(const std::string& text) {
        return text[static_cast<size_t>(Below(static_cast<int>(text.size())))];
    }
    template <typename T> void Shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[static_cast<size_t>(Below(static_cast<int>(i)))]);
    }
};

struct TGeneSetRecipe {
    std::vector<std::vector<std::pair<std::string, std::string>>> Genes; // per locus: code, name
    std::vector<std::vector<std::string>> Weights;                       // per locus: entries
    std::vector<std::pair<std::string, std::string>> Combis;             // code, name
    struct TMark {
        size_t Locus, Gene;
        bool Lethal;
        std::string Note;
    };
    std::vector<TMark> Marks;
};

inline void Build(const TGeneSetRecipe& recipe, TLocusList& loci, TCombiList& combis) {
    for (size_t i = 0; i < recipe.Genes.size(); ++i) {
        TLocus* locus = loci.Add(std::make_unique<TLocus>("L" + std::to_string(i)));
        for (const auto& [code, name] : recipe.Genes[i])
            locus->Genes().Add(std::make_unique<TGene>(code[0], code[1], name));
        locus->Weights() = recipe.Weights[i];
    }
    for (const TGeneSetRecipe::TMark& mark : recipe.Marks) {
        TGene& gene = *loci[static_cast<int>(mark.Locus)]->Genes()[static_cast<int>(mark.Gene)];
        gene.Lethal = mark.Lethal;
        gene.HealthNote = mark.Note;
    }
    for (const auto& [code, name] : recipe.Combis)
        combis.Add(std::make_unique<TCombi>(code, name));
}

// How large the cases are: gene sets of `MinLoci` to `MaxLoci` loci, pairings heterozygous at up to
// `MaxHets` loci together.
struct TPairingSize {
    int MinLoci = 1;
    int MaxLoci = 4;
    int MaxHets = 6;
    bool DistinctAlleles = false; // every allele at one locus only, as in a well-kept gene set
};

class TRandomPairing {
public:
    // `odd`: the alleles a damaged file or a careless breeder brings besides the usual ones.
    explicit TRandomPairing(TChoices& choices, std::string odd = "ABCaZ09?#* ~\xE9\xC4\xE4\xFF",
                            TPairingSize size = {})
        : FChoices(choices), FOdd(std::move(odd)), FSize(size) {}

    int Below(int n) { return FChoices.Below(n); }
    bool OneIn(int n) { return FChoices.OneIn(n); }

    char Allele() { return FChoices.Pick(OneIn(4) ? FOdd : std::string("abcdefghijkuvwxyz")); }

    char UnusedAllele(const std::vector<char>& used) {
        std::string unused;
        for (const char c : std::string("abcdefghijklmnopqrstuvwxyz0123456789") + FOdd)
            if (std::find(used.begin(), used.end(), c) == used.end())
                unused += c;
        return FChoices.Pick(unused);
    }

    // A relation as the editor stores it, or of a shape the calculation must read as none.
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
            return std::string{x} + FChoices.Pick(operators) + y + " and more";
        case 4:
            return std::string{y} + FChoices.Pick(operators) + x;
        default:
            return std::string{x} + FChoices.Pick(operators) + y;
        }
    }

    static std::string Sorted(char x, char y) {
        return static_cast<unsigned char>(y) < static_cast<unsigned char>(x) ? std::string{y, x}
                                                                             : std::string{x, y};
    }

    TGeneSetRecipe GeneSet() {
        TGeneSetRecipe recipe;
        std::vector<char> used;
        const int locusCount = FSize.MinLoci + Below(FSize.MaxLoci - FSize.MinLoci + 1);
        for (int l = 0; l < locusCount; ++l) {
            std::vector<char> alleles = {'+'};
            const int mutants = 1 + Below(3);
            for (int m = 0; m < mutants; ++m) {
                // Now and then an allele of another locus again, as a careless user can.
                const char allele = FSize.DistinctAlleles       ? UnusedAllele(used)
                                    : !used.empty() && OneIn(8) ? FChoices.Pick(used)
                                                                : Allele();
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
                    // Named by the code, '#' aside: no report may show the hidden allele, and a name is
                    // shown as it stands.
                    std::string name = "N" + code;
                    std::replace(name.begin(), name.end(), '#', '_');
                    genes.emplace_back(code, OneIn(10) ? "" : name);
                    if (OneIn(3))
                        weights.push_back(Sorted(alleles[a], alleles[b]) + ":" +
                                          Relation(alleles[a], alleles[b]));
                }
            if (OneIn(6))
                genes.emplace_back("??", "");
            FChoices.Shuffle(genes);
            FChoices.Shuffle(weights);
            // Now and then genes that die in the egg or live with a problem, notes shared among genes too.
            static const std::vector<std::string> notes = {"wobble", "blind", "kinked"};
            for (size_t g = 0; g < genes.size() && OneIn(2); ++g)
                if (OneIn(3))
                    recipe.Marks.push_back(
                        {recipe.Genes.size() - 1, g, OneIn(3), OneIn(2) ? FChoices.Pick(notes) : ""});
        }
        const int combiCount = Below(5);
        for (int c = 0; c < combiCount; ++c) {
            std::string code;
            const int parts = 1 + Below(3);
            for (int p = 0; p < parts; ++p)
                code +=
                    OneIn(5) ? std::string(2, Allele()) : FChoices.Pick(FChoices.Pick(recipe.Genes)).first;
            recipe.Combis.emplace_back(code, "C" + std::to_string(c));
        }
        return recipe;
    }

    // One parent: a gene per locus as the selectors give, or text typed by hand. `hets` counts the
    // heterozygous loci of the pairing, kept small so that a case stays small.
    std::string Parent(const TGeneSetRecipe& recipe, int& hets) {
        std::string selection;
        if (OneIn(6)) {
            const int length = Below(9);
            for (int i = 0; i < length; ++i)
                selection += OneIn(3) ? '+' : Allele();
        } else {
            for (const auto& genes : recipe.Genes) {
                std::string code = FChoices.Pick(genes).first;
                if (code[0] != code[1] && hets >= FSize.MaxHets)
                    code = std::string(2, code[0]);
                hets += code[0] != code[1];
                selection += code;
            }
        }
        return selection;
    }

    // Possible hets for some carriers of a parent as the selectors give them, and now and then an entry
    // that is none.
    std::vector<TPossibleHet> PossibleHets(const std::string& selection) {
        static const std::vector<int> usual = {66, 33, 50};
        static const std::vector<int> none = {-1, 0, 100, 101};
        std::vector<TPossibleHet> hets;
        for (size_t i = 0; i + 1 < selection.size(); i += 2) {
            const std::string code = selection.substr(i, 2);
            if (code[0] == '+' && code[1] != '+' && selection.find(code) == selection.rfind(code) &&
                !OneIn(4))
                hets.push_back({code, OneIn(2) ? FChoices.Pick(usual) : 1 + Below(99)});
        }
        if (OneIn(4))
            hets.push_back({OneIn(2) ? "+q" : selection.substr(0, 2), FChoices.Pick(none)});
        return hets;
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
    TChoices& FChoices;
    std::string FOdd;
    TPairingSize FSize;
};
