#include "LiteralCalculation.h"

#include "calc/Gametes.h"
#include "calc/GenotypeText.h"
#include "calc/Naming.h"
#include "model/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <set>

namespace {

// Character i (0-based); past the end reads '\0', as the engine's convention for a cut-short pair.
char At(const std::string& s, size_t i) {
    return i < s.size() ? s[i] : '\0';
}
std::string PairOf(const std::string& s, size_t i) {
    return s.substr(i, 2);
}

bool Greater(char a, char b) {
    return static_cast<unsigned char>(a) > static_cast<unsigned char>(b);
}

std::vector<std::string> PairsOf(const std::string& s, bool ignoreCase) {
    std::vector<std::string> pairs;
    for (size_t i = 0; i < s.size(); i += 2) {
        std::string pair = PairOf(s, i);
        if (ignoreCase)
            std::transform(pair.begin(), pair.end(), pair.begin(), LowerCaseWindows1252);
        pairs.push_back(pair);
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

// The same pairs, each as often, in any order.
bool SameAnimal(const std::string& a, const std::string& b, bool ignoreCase) {
    return PairsOf(a, ignoreCase) == PairsOf(b, ignoreCase);
}

struct TItem {
    std::vector<std::string> HetList;
    std::string Genotype;
    std::string Phenotype;
    std::string Text;
};

class TLiteral {
public:
    TLiteral(TLocusList& loci, const TCombiList& combis)
        : Loci(loci), Combis(combis), Questions(loci), Naming(Questions, loci, combis) {}

    TLocusList& Loci;
    const TCombiList& Combis;
    // Gene names are looked up as the pairs say, without a shortcut to check against: the engine's naming
    // serves. Its combination names take shortcuts, and are put together below pair by pair.
    TAlleleQuestions Questions;
    TNaming Naming;
    std::vector<std::string> Lines;
    std::vector<long long> Counts;
    std::vector<std::set<size_t>> Notes; // per line: its notes, by their place in NoteTexts
    std::vector<std::string> NoteTexts;  // every different note of the set, in gene-set order
    std::vector<std::string> LethalNames;
    long long Unhatched = 0;
    std::vector<TItem> PossibleList;
    std::vector<std::string> MaleGametes;
    std::vector<std::string> FemaleGametes;
    std::vector<std::vector<std::string>> Cells; // [column][row]

    // ---- combination names: the longest chain of combinations names the shown pairs, and a chain of the
    // carried alleles makes the animal "het." for it; gene names for the rest.
    int CombiIndex(const std::string& code) const {
        for (int i = 0; i < Combis.Count(); ++i)
            if (Combis[i]->Code == code)
                return i;
        return -1;
    }

    std::string CombiText(const std::string& s) {
        const std::string t = Naming.HetsLast(s);
        std::string result;
        std::string cur;
        std::string prev;
        for (size_t i = 0; i < t.size(); i += 2) {
            const std::string p(PairAt(t, i));
            if (Questions.IsHet(p) || p == "++" || p == "  ")
                continue;
            cur += p;
            if (const int found = CombiIndex(cur); found >= 0) {
                prev += cur;
                result += Combis[found]->Name + ", ";
                cur.clear();
            }
            if (const int chained = cur.empty() ? -1 : CombiIndex(prev + cur); chained >= 0) {
                prev += cur;
                result = Combis[chained]->Name + ", ";
                cur.clear();
            }
        }
        if (!cur.empty()) {
            if (result.empty() || result == ", ")
                result.clear();
            else if (result.size() < 2 || result[result.size() - 2] != ',')
                result += ',';
            result += Naming.SeparateText(cur);
        }
        const size_t saved = result.size();
        std::string hets;
        cur.clear();
        prev.clear();
        for (size_t i = 0; i < t.size(); i += 2) {
            const std::string p(PairAt(t, i));
            if (!Questions.IsHet(p) || p == "++")
                continue;
            hets += p;
            cur.append(2, CharAt(p, 1));
            if (const int found = CombiIndex(cur); found >= 0) {
                prev += cur;
                result += "het. " + Combis[found]->Name + ", ";
                cur.clear();
            }
            if (const int chained = cur.empty() ? -1 : CombiIndex(prev + cur); chained >= 0) {
                prev += cur;
                result.resize(saved);
                result += (saved == 0 ? "het. " : ", het. ") + Combis[chained]->Name + ", ";
                cur.clear();
            }
        }
        if (!cur.empty()) {
            if (result.empty() || result == ", ")
                result.clear();
            result += Naming.SeparateText(hets);
        }
        if (result.size() < 2)
            return "Normal";
        if (result[result.size() - 2] == ',')
            result[result.size() - 2] = ' ';
        return result;
    }

    // ---- allele questions
    bool Walk(char x, char y, bool coDominant) {
        for (int l = 0; l < Loci.Count(); ++l) {
            TLocus& locus = *Loci[l];
            for (int g1 = 0; g1 < locus.Genes().Count(); ++g1) {
                const std::string c1 = locus.Genes()[g1]->Code();
                if (c1[0] != x && c1[1] != x)
                    continue;
                for (int g2 = 0; g2 < locus.Genes().Count(); ++g2) {
                    const std::string c2 = locus.Genes()[g2]->Code();
                    if (c2[0] != y && c2[1] != y)
                        continue;
                    std::string r = locus.GetWeight(std::string{x, y});
                    if (r.empty())
                        r = locus.GetWeight(std::string{y, x});
                    if (coDominant ? At(r, 2) == '='
                                   : (At(r, 0) == x && At(r, 4) == y && At(r, 2) == '>') ||
                                         (At(r, 4) == x && At(r, 0) == y && At(r, 2) == '<'))
                        return true;
                }
            }
        }
        return false;
    }
    bool IsDominant(char x, char y) { return Walk(x, y, false); }
    bool IsCoDominant(char x, char y) { return Walk(x, y, true); }
    bool SameLocus(char x, char y) {
        for (int l = 0; l < Loci.Count(); ++l) {
            bool hasX = false;
            bool hasY = false;
            for (int g = 0; g < Loci[l]->Genes().Count(); ++g) {
                const std::string c = Loci[l]->Genes()[g]->Code();
                hasX = hasX || c[0] == x || c[1] == x;
                hasY = hasY || c[0] == y || c[1] == y;
            }
            if (hasX && hasY)
                return true;
        }
        return false;
    }
    bool IsVisible(const std::string& p) {
        const char p1 = At(p, 0);
        const char p2 = At(p, 1);
        return p1 == p2 || (p1 != '+' && p2 != '+' && SameLocus(p1, p2) && IsCoDominant(p1, p2)) ||
               (p1 == '+' && (IsDominant(p2, '+') || IsCoDominant(p2, '+'))) ||
               (p2 == '+' && (IsDominant(p1, '+') || IsCoDominant(p1, '+')));
    }
    bool IsHet(const std::string& p) {
        const char p1 = At(p, 0);
        const char p2 = At(p, 1);
        if (p1 == p2)
            return false;
        if (p1 == '#')
            return true;
        return !IsVisible(p);
    }

    // ---- lines
    void AddGenotype(const std::string& s, const std::set<size_t>& notes = {}) {
        for (size_t i = 0; i < Lines.size(); ++i)
            if (Lines[i] == s && s != "++") {
                Counts[i] += 1;
                Notes[i].insert(notes.begin(), notes.end());
                return;
            }
        Lines.push_back(s);
        Counts.push_back(1);
        Notes.push_back(notes);
    }
    void SplitParent(const std::string& selection) {
        Lines.clear();
        Counts.clear();
        Notes.clear();
        for (size_t k = 0; k < selection.size() / 2; ++k)
            AddGenotype(selection.substr(2 * k, 2));
    }
    void AddGametes(const std::string& selection, std::vector<std::string>& gametes) {
        SplitParent(selection);
        for (unsigned long long k = 0; k < (1ull << Lines.size()); ++k) {
            std::string gamete;
            for (size_t j = 0; j < Lines.size(); ++j)
                gamete += ((k >> j) & 1) == 0 ? Lines[j][0] : Lines[j][1];
            // A parent without loci heads no row or column.
            if (!gamete.empty() && std::find(gametes.begin(), gametes.end(), gamete) == gametes.end())
                gametes.push_back(gamete);
        }
    }
    std::string ArrangePairs(const std::string& s) {
        std::string arranged;
        ::ArrangePairs(s, arranged, [this](std::string_view pair) { return IsHet(std::string(pair)); });
        return arranged;
    }
    // Every cell is combined before any is counted, which decides the order relations are first asked in.
    void CombineCells() {
        for (const std::string& female : FemaleGametes) {
            Cells.emplace_back();
            for (const std::string& male : MaleGametes)
                Cells.back().push_back(ArrangePairs(CombineGametes(male, female)));
        }
    }
    // ---- health marks: a pair's gene is the first of the set whose code holds the same two alleles
    const TGene* MarkedGeneOfPair(char a, char b) const {
        for (int l = 0; l < Loci.Count(); ++l)
            for (int g = 0; g < Loci[l]->Genes().Count(); ++g)
                if (const TGene& gene = *Loci[l]->Genes()[g];
                    gene.Code() == std::string{a, b} || gene.Code() == std::string{b, a})
                    return gene.HasHealthMark() && gene.Code() != "++" ? &gene : nullptr;
        return nullptr;
    }
    void GatherNoteTexts() {
        for (int l = 0; l < Loci.Count(); ++l)
            for (int g = 0; g < Loci[l]->Genes().Count(); ++g) {
                const TGene& gene = *Loci[l]->Genes()[g];
                if (MarkedGeneOfPair(gene.Allele1.ID, gene.Allele2.ID) == &gene && !gene.HealthNote.empty() &&
                    std::find(NoteTexts.begin(), NoteTexts.end(), gene.HealthNote) == NoteTexts.end())
                    NoteTexts.push_back(gene.HealthNote);
            }
    }
    // Whether the offspring of a cell dies in the egg; `notes` gets the notes of its genes.
    bool CellLethal(const std::string& raw, std::set<size_t>& notes, std::set<const TGene*>& lethal) const {
        bool dies = false;
        for (size_t i = 0; i < raw.size(); i += 2) {
            const TGene* gene = MarkedGeneOfPair(At(raw, i), At(raw, i + 1));
            if (gene && gene->Lethal) {
                lethal.insert(gene);
                dies = true;
            }
            if (gene && !gene->HealthNote.empty())
                notes.insert(static_cast<size_t>(
                    std::find(NoteTexts.begin(), NoteTexts.end(), gene->HealthNote) - NoteTexts.begin()));
        }
        return dies;
    }
    void CollectCells() {
        Lines.clear();
        Counts.clear();
        Notes.clear();
        GatherNoteTexts();
        std::set<const TGene*> lethal;
        for (size_t c = 0; c < FemaleGametes.size(); ++c)
            for (size_t r = 0; r < MaleGametes.size(); ++r) {
                // The questions of a cell are asked whether or not its offspring hatches.
                const std::string expanded = ExpandDominance(ArrangePairs(Cells[c][r]));
                std::set<size_t> notes;
                if (CellLethal(CombineGametes(MaleGametes[r], FemaleGametes[c]), notes, lethal))
                    ++Unhatched;
                else
                    AddGenotype(expanded, notes);
            }
        for (int l = 0; l < Loci.Count(); ++l)
            for (int g = 0; g < Loci[l]->Genes().Count(); ++g)
                if (lethal.count(Loci[l]->Genes()[g]))
                    LethalNames.push_back(Loci[l]->Genes()[g]->Name);
    }
    std::string NotesTextOf(size_t i) const {
        std::string text;
        for (const size_t note : Notes[i])
            text += (text.empty() ? "" : "; ") + NoteTexts[note];
        return text.empty() ? text : " [health: " + text + "]";
    }
    std::string ExpandDominance(const std::string& s) {
        std::string out;
        for (size_t i = 0; i < s.size(); i += 2) {
            const std::string p = PairOf(s, i);
            const char p1 = At(p, 0);
            const char p2 = At(p, 1);
            if (IsHet(p) && p1 != '+' && p2 != '+' && !SameLocus(p1, p2))
                out += "++";
            else if (p1 != p2 && IsDominant(p1, p2))
                out += std::string{p1, p1, '#', p2};
            else if (p1 != p2 && IsDominant(p2, p1))
                out += std::string{p2, p2, '#', p1};
            else
                out += p;
        }
        return out;
    }
    void NormaliseLines() {
        const std::vector<std::string> tempLines = std::move(Lines);
        const std::vector<long long> tempCounts = std::move(Counts);
        const std::vector<std::set<size_t>> tempNotes = std::move(Notes);
        Lines.clear();
        Counts.clear();
        Notes.clear();
        for (size_t t = 0; t < tempLines.size(); ++t) {
            std::string s = ArrangePairs(tempLines[t]);
            for (size_t i = 0; i + 1 < s.size(); i += 2)
                if (Greater(s[i], s[i + 1]))
                    std::swap(s[i], s[i + 1]);
            bool merged = false;
            for (size_t i = 0; i < Lines.size() && !merged; ++i)
                if (SameAnimal(Lines[i], s, true)) {
                    Counts[i] += tempCounts[t];
                    Notes[i].insert(tempNotes[t].begin(), tempNotes[t].end());
                    merged = true;
                }
            if (!merged) {
                Lines.push_back(s);
                Counts.push_back(tempCounts[t]);
                Notes.push_back(tempNotes[t]);
            }
        }
        for (std::string& line : Lines)
            CondensePairs(line);
    }
    long long TotalCount() const { return std::accumulate(Counts.begin(), Counts.end(), 0LL); }
    std::string PhenotypeOf(const std::string& s) {
        std::string out;
        for (size_t i = 0; i < s.size(); i += 2)
            out += IsVisible(PairOf(s, i)) ? PairOf(s, i) : "++";
        CondensePairs(out);
        return out;
    }
    void ToPhenotypes() {
        for (std::string& line : Lines)
            line = PhenotypeOf(line);
        NormaliseLines();
    }

    // ---- possible hets
    void BuildPossibles() {
        std::vector<std::string> tempLines;
        std::vector<long long> tempCounts;
        PossibleList.clear();
        for (size_t i = 0; i < Lines.size(); ++i) {
            const std::string g = Lines[i];
            const std::string ph = PhenotypeOf(g);
            tempLines.push_back(ph);
            tempCounts.push_back(Counts[i]);
            for (long long n = 0; n < Counts[i]; ++n)
                PossibleList.push_back(TItem{{}, g, ph, ""});
            for (size_t j = 1; j <= g.size(); ++j) {
                std::string p = g.substr(j - 1, 2);
                const char p1 = At(p, 0);
                const char p2 = At(p, 1);
                if (p1 != p2 && p1 != '+' && p1 != '#' && p2 != '+' && p2 != '#' && !SameLocus(p1, p2))
                    p = "++";
                if (j % 2 == 1 && IsHet(p))
                    for (TItem& item : PossibleList)
                        if (item.Genotype == g) {
                            bool held = false;
                            for (const std::string& h : item.HetList)
                                held = held || SameTextIgnoringCase(h, p);
                            if (!held)
                                item.HetList.push_back(p);
                        }
            }
        }
        Lines = std::move(tempLines);
        Counts = std::move(tempCounts);
        for (size_t i = 0; i < Lines.size(); ++i)
            PossibleText(i);
        NormaliseLines();
    }
    std::string PossibleText(size_t i) {
        const std::string L = Lines[i];
        const std::string ph = PhenotypeOf(L);
        long long total = 0;
        TItem* last = nullptr;
        for (TItem& item : PossibleList)
            if (SameAnimal(item.Phenotype, ph, false)) {
                ++total;
                if (item.Genotype != L)
                    last = &item;
            }
        if (!last)
            return "";
        last->Text = "";
        if (last->HetList.empty())
            return "";
        std::vector<std::string> entries;
        for (const TItem& item : PossibleList) {
            if (!SameAnimal(item.Phenotype, ph, false))
                continue;
            for (const std::string& p : item.HetList) {
                const char a = At(p, 1);
                bool take = true;
                if (ph.find(a) != std::string::npos)
                    take = a == '+' && ph.find("++") != std::string::npos;
                if (!take)
                    continue;
                bool there = false;
                for (const std::string& e : entries)
                    there = there || SameTextIgnoringCase(e, p);
                if (!there)
                    entries.push_back(p);
            }
        }
        std::string text = "(";
        for (const std::string& e : entries) {
            long long cnt = 0;
            for (const TItem& item : PossibleList)
                if (SameAnimal(item.Phenotype, ph, false) &&
                    std::find(item.HetList.begin(), item.HetList.end(), e) != item.HetList.end())
                    ++cnt;
            if (cnt == total) {
                text += Naming.HetText(e) + ", ";
            } else {
                const long long pct = static_cast<long long>(
                    std::floor(static_cast<double>(cnt) / static_cast<double>(total) * 100.0));
                text += std::to_string(pct) + "% poss. " + Naming.HetText(e) + ", ";
            }
        }
        if (text.size() > 1)
            text[text.size() - 2] = ')';
        else
            text = "";
        if (!text.empty())
            for (TItem& item : PossibleList)
                if (SameAnimal(item.Phenotype, ph, false))
                    item.Text = text;
        return text;
    }
    std::string PossibleTextOf(const std::string& line) {
        std::string text;
        for (const TItem& item : PossibleList)
            if (SameAnimal(item.Phenotype, line, false) && !item.Text.empty())
                text = item.Text;
        return text;
    }
};

std::string Percentage(long long n, long long total, const std::string& separator) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(n) / (static_cast<double>(total) / 100.0));
    std::string s = text;
    return s.replace(s.find('.'), 1, separator);
}

} // namespace

TLiteralResult LiteralCalculation(const std::string& male, const std::string& female,
                                  const TCalcOptions& options, TLocusList& loci, const TCombiList& combis) {
    TLiteral calc(loci, combis);
    TLiteralResult result;
    std::vector<std::string>& report = result.Report;
    if (options.CombiIndex == 0) {
        report.push_back("Male   = " + calc.Naming.SeparateText(male));
        report.push_back("Female = " + calc.Naming.SeparateText(female));
    } else {
        report.push_back("Male   = " + calc.CombiText(male));
        report.push_back("Female = " + calc.CombiText(female));
    }
    report.push_back("");
    report.push_back("Offspring predicted as: ");
    report.push_back("");
    calc.AddGametes(male, calc.MaleGametes);
    calc.AddGametes(female, calc.FemaleGametes);
    calc.CombineCells();
    calc.CollectCells();
    calc.NormaliseLines();
    if (options.PhenotypeIndex == 1)
        calc.ToPhenotypes();
    if (options.PossibleHetsIndex == 0)
        calc.BuildPossibles();
    report.push_back(options.PhenotypeIndex != 0 ? "---This is a PHENOTYPE only report-----------------"
                                                 : "---------------------------------------------------");
    const long long total = calc.TotalCount();
    for (size_t i = 0; i < calc.Lines.size(); ++i) {
        const std::string& line = calc.Lines[i];
        const std::string name =
            options.CombiIndex == 1 ? calc.CombiText(line) : calc.Naming.SeparateText(line);
        const std::string extra = calc.PossibleTextOf(line);
        const std::string share = options.RatioIndex == 0
                                      ? std::to_string(calc.Counts[i]) + "/" + std::to_string(total)
                                      : Percentage(calc.Counts[i], total, options.DecimalSeparator) + "%";
        report.push_back(share + " " + name + extra + calc.NotesTextOf(i));
    }
    std::string lethalNames;
    for (const std::string& name : calc.LethalNames)
        lethalNames += (lethalNames.empty() ? "" : ", ") + name;
    const long long eggs = total + calc.Unhatched;
    if (calc.Unhatched > 0 && total == 0)
        report.push_back("No egg hatches: " + lethalNames);
    else if (calc.Unhatched > 0)
        report.push_back((options.RatioIndex == 0
                              ? std::to_string(calc.Unhatched) + "/" + std::to_string(eggs)
                              : Percentage(calc.Unhatched, eggs, options.DecimalSeparator) + "%") +
                         " of the eggs do not hatch: " + lethalNames);
    result.MaleGametes = calc.MaleGametes;
    result.FemaleGametes = calc.FemaleGametes;
    result.Cells = calc.Cells;
    return result;
}
