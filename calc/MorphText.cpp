#include "calc/MorphText.h"

#include "model/Text.h"

#include <algorithm>
#include <map>
#include <optional>

namespace {

// A word as it is matched: lower case, without the full stop of "het." or "poss.".
struct TWord {
    std::string Key;
    std::string Typed;
};

std::vector<TWord> WordsOf(std::string_view text) {
    std::vector<TWord> words;
    size_t begin = 0;
    while (begin < text.size()) {
        const size_t end = std::min(text.find_first_of(" \t,;", begin), text.size());
        if (end > begin) {
            const std::string typed(text.substr(begin, end - begin));
            std::string key = LowerCase(typed);
            while (key.size() > 1 && key.back() == '.')
                key.pop_back();
            words.push_back({key, typed});
        }
        begin = end + 1;
    }
    return words;
}

// What a name stands for: the codes of one gene, or of every gene of a combination.
struct TNamed {
    std::vector<std::string> Codes;
    bool IsCombination = false;
};

// How the breeder qualified a name: as it is, surely carried, or possibly carried with a chance.
struct TQualifier {
    enum class TKind { Shown, Het, PossibleHet } Kind = TKind::Shown;
    int Percent = 0;
};

class TMorphReader {
public:
    TMorphReader(const TLocusList& loci, const TCombiList& combis) : FLoci(loci), FAlleles(loci.Count()) {
        for (int l = 0; l < loci.Count(); ++l)
            for (int g = 0; g < loci[l]->Genes().Count(); ++g) {
                const TGene& gene = *loci[l]->Genes()[g];
                AddName(gene.Name, {{gene.Code()}, false});
                for (const char allele : gene.Code())
                    if (allele != '+')
                        FLocusOfAllele.try_emplace(allele, l);
            }
        for (int c = 0; c < combis.Count(); ++c) {
            TNamed named{{}, true};
            for (size_t i = 0; i + 1 < combis[c]->Code.size(); i += 2)
                named.Codes.push_back(combis[c]->Code.substr(i, 2));
            AddName(combis[c]->Name, named);
        }
    }

    TMorphReading Read(std::string_view text) {
        const std::vector<TWord> words = WordsOf(text);
        for (size_t i = 0; i < words.size();) {
            // The wild type says nothing of an animal's genes.
            if (words[i].Key == "normal" || words[i].Key == "wildtype" ||
                (words[i].Key == "wild" && i + 1 < words.size() && words[i + 1].Key == "type")) {
                i += words[i].Key == "wild" ? 2 : 1;
                continue;
            }
            if (const size_t taken = NamedAt(words, i, {}); taken > 0) {
                i += taken;
                continue;
            }
            TQualifier qualifier;
            const size_t qualifierWords = QualifierAt(words, i, qualifier);
            const size_t taken = qualifierWords > 0 ? NamedAt(words, i + qualifierWords, qualifier) : 0;
            // A qualifier without a name after it is the unknown word itself; else the name is.
            const size_t unknown =
                qualifierWords > 0 && i + qualifierWords < words.size() ? i + qualifierWords : i;
            if (taken == 0)
                FReading.UnknownWords.push_back(words[unknown].Typed);
            i = taken == 0 ? unknown + 1 : i + qualifierWords + taken;
        }
        BuildSelection();
        return std::move(FReading);
    }

private:
    void AddName(const std::string& name, const TNamed& named) {
        std::string key;
        for (const TWord& word : WordsOf(name))
            key += (key.empty() ? "" : " ") + word.Key;
        // The wild type says nothing; of two genes or combinations of one name, the first counts.
        if (!key.empty() && named.Codes != std::vector<std::string>{"++"})
            FNames.try_emplace(key, named);
        FLongestName =
            std::max(FLongestName, static_cast<size_t>(std::count(key.begin(), key.end(), ' ') + 1));
    }

    // The words "het", "poss het", "possible het", "ph", "66% poss het", "66% het", "66% ph" at `i`: how
    // many they are, 0 for none.
    static size_t QualifierAt(const std::vector<TWord>& words, size_t i, TQualifier& qualifier) {
        const auto is = [&words](size_t at, std::initializer_list<const char*> keys) {
            return at < words.size() && std::any_of(keys.begin(), keys.end(),
                                                    [&](const char* key) { return words[at].Key == key; });
        };
        size_t at = i;
        std::optional<int> percent;
        if (at < words.size() && words[at].Key.ends_with('%')) {
            percent = ReadBoundedNumber(std::string_view(words[at].Key).substr(0, words[at].Key.size() - 1),
                                        1, 100);
            if (!percent)
                return 0;
            ++at;
        }
        const bool possibly = is(at, {"poss", "possible", "pos", "possibly"}) && is(at + 1, {"het", "hets"});
        if (possibly)
            at += 2;
        else if (is(at, {"ph"}) || (is(at, {"het", "hets"})))
            ++at;
        else
            return 0;
        const bool surely = !possibly && words[at - 1].Key != "ph" && (!percent || *percent == 100);
        qualifier.Kind = surely ? TQualifier::TKind::Het : TQualifier::TKind::PossibleHet;
        qualifier.Percent = percent.value_or(50);
        if (qualifier.Kind == TQualifier::TKind::PossibleHet && qualifier.Percent == 100)
            qualifier.Kind = TQualifier::TKind::Het;
        return at - i;
    }

    // The longest name of the set at `i`, applied with its qualifier: how many words it took, 0 for none.
    size_t NamedAt(const std::vector<TWord>& words, size_t i, const TQualifier& qualifier) {
        for (size_t count = std::min(FLongestName, words.size() - std::min(i, words.size())); count > 0;
             --count) {
            std::string key;
            for (size_t k = i; k < i + count; ++k)
                key += (k > i ? " " : "") + words[k].Key;
            // A set may name a carrier "het. Amel" and its visual "Amelanistic": "poss het Amel" is that
            // carrier, possibly.
            auto found = FNames.find(key);
            if (found == FNames.end() && qualifier.Kind != TQualifier::TKind::Shown)
                found = FNames.find("het " + key);
            if (found == FNames.end())
                continue;
            std::string typed;
            for (size_t k = i; k < i + count; ++k)
                typed += (k > i ? " " : "") + words[k].Typed;
            for (const std::string& code : found->second.Codes)
                Apply(code, qualifier, typed);
            return count;
        }
        return 0;
    }

    // A gene said of the animal: its alleles go to their locus; a het or possible het takes the mutant
    // allele of the gene named once.
    void Apply(const std::string& code, const TQualifier& qualifier, const std::string& typed) {
        std::string alleles;
        for (const char allele : code)
            if (allele != '+')
                alleles += allele;
        if (alleles.empty())
            return;
        if (qualifier.Kind != TQualifier::TKind::Shown) {
            if (alleles.size() == 2 && alleles[0] != alleles[1]) {
                SetProblem("\"" + typed + "\" names two mutant genes, so it cannot be carried as a het");
                return;
            }
            alleles.resize(1);
        }
        const auto locus = FLocusOfAllele.find(alleles[0]);
        if (locus == FLocusOfAllele.end())
            return;
        const int percent = qualifier.Kind == TQualifier::TKind::PossibleHet ? qualifier.Percent : 0;
        for (const char allele : alleles)
            FAlleles[static_cast<size_t>(locus->second)].push_back({allele, percent, typed});
    }

    void SetProblem(const std::string& problem) {
        if (FReading.Problem.empty())
            FReading.Problem = problem;
    }

    void BuildSelection() {
        for (int l = 0; l < FLoci.Count(); ++l) {
            const std::vector<TSaid>& said = FAlleles[static_cast<size_t>(l)];
            const bool possibly =
                std::any_of(said.begin(), said.end(), [](const TSaid& s) { return s.Percent > 0; });
            if (said.size() > 2 || (possibly && said.size() > 1)) {
                std::string names;
                for (const TSaid& s : said)
                    if (names.find("\"" + s.Typed + "\"") == std::string::npos)
                        names += (names.empty() ? "" : " and ") + ("\"" + s.Typed + "\"");
                SetProblem(names + " cannot all be at the locus " + FLoci[l]->Name + " of one animal");
            }
            std::string pair = said.empty() ? "++" : std::string{'+', said[0].Allele};
            if (said.size() >= 2)
                pair = SortPair(std::string{said[0].Allele, said[1].Allele});
            FReading.Selection += pair;
            if (possibly && said.size() == 1)
                FReading.PossibleHets.push_back({pair, said[0].Percent});
        }
    }

    struct TSaid {
        char Allele;
        int Percent; // 0 for an allele surely there
        std::string Typed;
    };

    const TLocusList& FLoci;
    std::map<std::string, TNamed> FNames; // by the name's words in lower case
    size_t FLongestName = 1;
    std::map<char, int> FLocusOfAllele;
    std::vector<std::vector<TSaid>> FAlleles; // per locus
    TMorphReading FReading;
};

} // namespace

std::string TMorphReading::Message() const {
    if (!UnknownWords.empty()) {
        std::string words;
        for (const std::string& word : UnknownWords)
            words += (words.empty() ? "\"" : ", \"") + word + "\"";
        return "These words name no gene or combination of the gene set: " + words;
    }
    return Problem;
}

TMorphReading ReadMorph(std::string_view text, const TLocusList& loci, const TCombiList& combis) {
    return TMorphReader(loci, combis).Read(text);
}
