#include "calc/Naming.h"

#include "calc/GenotypeText.h"

#include <algorithm>

namespace {

const std::string NoName;

// A list of names closes with two blanks instead of its last comma.
void BlankLastComma(std::string& text) {
    if (text.size() >= 2 && text[text.size() - 2] == ',')
        text[text.size() - 2] = ' ';
}

} // namespace

TNaming::TNaming(TAlleleQuestions& questions, const TLocusList& loci, const TCombiList& combis)
    : FQuestions(questions), FLoci(loci), FCombis(combis), FNameIndex(256 * 256, -2) {
    for (int i = 0; i < combis.Count(); ++i)
        if (const std::string& code = combis[i]->Code; FCombiIndex.emplace(code, i).second) {
            FCombiLengths |= code.size() < 64 ? uint64_t(1) << code.size() : uint64_t(1) << 63;
            if (code.size() >= 2)
                FCombiStarts.set(PairIndex(code[0], code[1]));
        }
}

const std::string& TNaming::GeneNameOf(std::string_view code) {
    if (code.size() != 2)
        return NoName;
    int& slot = FNameIndex[PairIndex(code[0], code[1])];
    if (slot == -2) {
        slot = -1;
        const std::string swapped{code[1], code[0]};
        for (int i = 0; i < FLoci.Count() && slot < 0; ++i) {
            const TGeneList& genes = FLoci[i]->Genes();
            for (int j = 0; j < genes.Count(); ++j) {
                const std::string geneCode = genes[j]->Code();
                if (geneCode == code || geneCode == swapped) {
                    FNames.push_back(genes[j]->Name);
                    slot = static_cast<int>(FNames.size()) - 1;
                    break;
                }
            }
        }
    }
    return slot < 0 ? NoName : FNames[static_cast<size_t>(slot)];
}

int TNaming::CombiIndex(std::string_view code) const {
    if (!MayBeCombi(code.size(), code.size() >= 2 ? PairIndex(code[0], code[1]) : NoPair))
        return -1;
    const auto found = FCombiIndex.find(code);
    return found == FCombiIndex.end() ? -1 : found->second;
}

// Nearly every text asked for is no combination: its length and first pair rule it out at once.
bool TNaming::MayBeCombi(size_t length, size_t firstPair) const {
    const uint64_t lengthBit = length < 64 ? uint64_t(1) << length : uint64_t(1) << 63;
    return (FCombiLengths & lengthBit) != 0 && (firstPair == NoPair || FCombiStarts.test(firstPair));
}

int TNaming::ChainedCombiIndex(std::string_view before, std::string_view after) {
    const auto at = [&](size_t i) { return i < before.size() ? before[i] : after[i - before.size()]; };
    const size_t length = before.size() + after.size();
    if (!MayBeCombi(length, length >= 2 ? PairIndex(at(0), at(1)) : NoPair))
        return -1;
    FChain.assign(before);
    FChain += after;
    return CombiIndex(FChain);
}

std::string TNaming::HetsLast(std::string_view s) {
    std::string arranged;
    size_t shownLength = 0;
    ArrangeHetsLast(s, arranged, shownLength);
    return arranged;
}

void TNaming::ArrangeHetsLast(std::string_view s, std::string& arranged, size_t& shownLength) {
    arranged.clear();
    FCarried.clear();
    const auto readable = [](char c) { return c == '#' ? '+' : c; };
    for (size_t i = 0; i < s.size(); i += 2) {
        const bool whole = i + 1 < s.size(); // a pair cut short at the end stays one character
        const char first = readable(s[i]);
        const char second = whole ? readable(s[i + 1]) : '\0';
        std::string& into = FQuestions.IsHet(first, second) ? FCarried : arranged;
        into += first;
        if (whole)
            into += second;
    }
    shownLength = arranged.size();
    arranged += FCarried;
}

std::string TNaming::SeparateText(std::string_view s) {
    std::string result;
    AppendSeparateText(s, result);
    return result;
}

void TNaming::AppendSeparateText(std::string_view s, std::string& out) {
    size_t shownLength = 0;
    ArrangeHetsLast(s, FArranged, shownLength);
    AppendGeneNames(FArranged, out);
}

void TNaming::AppendGeneNames(std::string_view arranged, std::string& out) {
    const size_t start = out.size();
    for (size_t i = 0; i < arranged.size(); i += 2) {
        const std::string_view pair = PairAt(arranged, i);
        if (pair == "++" || pair == "  " || pair.empty())
            continue;
        out += GeneNameOf(pair);
        out += ", ";
    }
    if (out.size() == start && !arranged.empty())
        out += "Normal";
    if (out.size() - start >= 2 && out[out.size() - 2] == ',')
        out[out.size() - 2] = ' ';
}

std::string TNaming::CombiText(std::string_view s) {
    std::string text;
    CombiTextInto(s, text);
    return text;
}

void TNaming::CombiTextInto(std::string_view s, std::string& result) {
    size_t shownLength = 0;
    std::string& t = FCombiArranged;
    ArrangeHetsLast(s, t, shownLength);
    // Where every pair is whole, the arranged pairs are the shown ones up to `shownLength`, then the
    // carried ones; a pair cut short shifts the pairs after it, which are then asked again.
    const bool wholePairs = s.size() % 2 == 0;
    const auto carried = [&](size_t i, std::string_view p) {
        return wholePairs ? i >= shownLength : FQuestions.IsHet(p);
    };
    result.clear();
    std::string& cur = FCombiPairs;
    std::string& prev = FCombiNamed;
    cur.clear();
    prev.clear();
    // Shown pairs: the longest chain of combinations found so far names them all.
    for (size_t i = 0; i < t.size(); i += 2) {
        const std::string_view p = PairAt(t, i);
        if (carried(i, p) || p == "++" || p == "  ")
            continue;
        cur += p;
        if (const int found = CombiIndex(cur); found >= 0) {
            prev += cur;
            result += FCombis[found]->Name;
            result += ", ";
            cur.clear();
        }
        if (const int chained = cur.empty() ? -1 : ChainedCombiIndex(prev, cur); chained >= 0) {
            prev += cur;
            result = FCombis[chained]->Name;
            result += ", ";
            cur.clear();
        }
    }
    if (!cur.empty()) {
        if (result.empty() || result == ", ")
            result.clear();
        else if (result.size() < 2 || result[result.size() - 2] != ',')
            result += ',';
        // Shown pairs in their order: arranging them again would change nothing.
        AppendGeneNames(cur, result);
    }
    // Carried pairs: a combination of the carried alleles makes the animal "het." for it. What the shown
    // pairs are named stays the front of the text.
    const size_t saved = result.size();
    std::string& hets = FCombiCarried;
    hets.clear();
    cur.clear();
    prev.clear();
    for (size_t i = 0; i < t.size(); i += 2) {
        const std::string_view p = PairAt(t, i);
        if (!carried(i, p) || p == "++")
            continue;
        hets += p;
        cur.append(2, CharAt(p, 1));
        if (const int found = CombiIndex(cur); found >= 0) {
            prev += cur;
            result.append("het. ").append(FCombis[found]->Name).append(", ");
            cur.clear();
        }
        if (const int chained = cur.empty() ? -1 : ChainedCombiIndex(prev, cur); chained >= 0) {
            prev += cur;
            result.resize(saved);
            result.append(saved == 0 ? "het. " : ", het. ").append(FCombis[chained]->Name).append(", ");
            cur.clear();
        }
    }
    if (!cur.empty()) {
        if (result.empty() || result == ", ")
            result.clear();
        AppendGeneNames(hets, result);
    }
    if (result.size() < 2)
        result = "Normal";
    else
        BlankLastComma(result);
}

std::string TNaming::HetText(std::string_view s) {
    const std::string arranged = HetsLast(s);
    std::string result;
    for (size_t i = 0; i < arranged.size(); i += 2) {
        const char p1 = CharAt(arranged, i);
        const char p2 = CharAt(arranged, i + 1);
        if (p1 == p2)
            continue;
        if (p1 != '+' && p2 != '+') {
            result += NameOfTwice(p1) + " OR " + NameOfTwice(p2) + ", ";
            continue;
        }
        const char mutant = p1 == '+' ? p2 : p1;
        if (FQuestions.IsDominant('+', mutant))
            result += "het. " + NameOfTwice(mutant) + ", ";
        else
            result += NameOfTwice(mutant) + " het normal, ";
    }
    if (result.empty())
        return "Normal";
    BlankLastComma(result);
    return TrimTrailingBlanks(result);
}
