#include "storage/GeneSetFile.h"

#include "model/Text.h"
#include "storage/FileIO.h"
#include "storage/IniFile.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace {

const char* const Config = "Config";
const char* const Statistics = "Statistics";
const char* const LocusSection = "LOCUS";
const char* const CombiSection = "COMBI";
const char* const GeneSection = "Gene";
const char* const WeightSection = "Weight";
const char* const HealthSection = "Health";
const char* const ClutchSizeKey = "ClutchSize";

std::string GeneCountKey(int locus) {
    return "Locus" + std::to_string(locus) + "GeneCount";
}
std::string GeneKey(int locus, int gene) {
    return std::to_string(locus) + "-" + std::to_string(gene);
}

// A key or value named in a damage message, cut short: a damaged file can hold lines of megabytes.
std::string Shown(std::string_view text) {
    constexpr size_t Longest = 32;
    return text.size() <= Longest ? std::string(text) : std::string(text.substr(0, Longest)) + "...";
}

bool UnableToWrite(const std::string& path, std::string& message) {
    message = "Unable to write to " + path;
    return false;
}

// Reads the counts of the file, refusing counts that can only come from a damaged file, and gathers
// everything the load found damaged into one message.
class TCountReader {
public:
    TCountReader(const TIniFile& ini, std::string fileName) : FIni(ini), FFileName(std::move(fileName)) {}

    int Read(std::string_view section, const std::string& key) {
        const int count = FIni.ReadInteger(section, key, 0);
        if (count >= 0 && count <= MaxStoredCount)
            return count;
        Damaged(key + "=" + std::to_string(count) + " is out of range");
        return 0;
    }
    int ReadGeneCount(int locus) {
        const int count = Read(Statistics, GeneCountKey(locus));
        if (FTotalGenes + count <= MaxStoredGenes) {
            FTotalGenes += count;
            return count;
        }
        Damaged(GeneCountKey(locus) + " goes beyond " + std::to_string(MaxStoredGenes) + " genes in all");
        return 0;
    }
    void Damaged(std::string what) { FDamage.push_back(std::move(what)); }
    std::string Message() const {
        if (FDamage.empty())
            return {};
        std::string text = "The gene-set file \"" + FFileName + "\" is damaged and was read only in part: ";
        const size_t shown = std::min<size_t>(FDamage.size(), 3);
        for (size_t i = 0; i < shown; ++i)
            text += (i > 0 ? "; " : "") + FDamage[i];
        if (FDamage.size() > shown)
            text += " (and " + std::to_string(FDamage.size() - shown) + " more)";
        return text + ".";
    }

private:
    const TIniFile& FIni;
    std::string FFileName;
    std::vector<std::string> FDamage;
    int FTotalGenes = 0;
};

void ReadLoci(const TIniFile& ini, TCountReader& counts, int locusCount, TGeneSet& set) {
    for (int i = 0; i < locusCount; ++i)
        set.LocusList.Add(std::make_unique<TLocus>(ini.ReadString(LocusSection, std::to_string(i), "NEW")));
    for (int i = 0; i < locusCount; ++i) {
        TGeneList& genes = set.LocusList[i]->Genes();
        const int geneCount = counts.ReadGeneCount(i);
        for (int j = 0; j < geneCount; ++j)
            genes.Add(std::make_unique<TGene>('?', '?', ""));
        for (int j = 0; j < geneCount; ++j) {
            const std::string value = ini.ReadString(GeneSection, GeneKey(i, j), "");
            if (value.empty())
                continue;
            TGene& gene = *genes[j];
            gene.SetAlleles(value[0], value.size() > 1 ? value[1] : '?');
            gene.Name = value.size() > 3 ? value.substr(3) : std::string();
        }
    }
}

void ReadWeights(const TIniFile& ini, TGeneSet& set) {
    for (int i = 0; i < set.LocusList.Count(); ++i) {
        TLocus& locus = *set.LocusList[i];
        for (int j = 0; j < locus.Genes().Count(); ++j) {
            const std::string code = locus.Genes()[j]->Code();
            const std::string relation = ini.ReadString(WeightSection, code, "");
            if (!relation.empty() && locus.IndexOfWeight(code) < 0)
                locus.Weights().push_back(code + ":" + relation);
        }
    }
}

// "Lethal", "Lethal:<note>" or "Note:<note>", the word in any case; false, leaving the gene as it is,
// for anything else.
bool ReadHealthMark(std::string_view value, TGene& gene) {
    const size_t colon = value.find(':');
    const std::string_view word = value.substr(0, colon);
    std::string_view note = colon == std::string_view::npos ? std::string_view() : value.substr(colon + 1);
    while (!note.empty() && (note.front() == ' ' || note.front() == '\t'))
        note.remove_prefix(1);
    const bool lethal = SameTextIgnoringCase(word, "Lethal");
    if (!lethal && !(SameTextIgnoringCase(word, "Note") && !note.empty()))
        return false;
    gene.Lethal = lethal;
    gene.HealthNote = std::string(note);
    return true;
}

std::string HealthMarkText(const TGene& gene) {
    if (!gene.Lethal)
        return "Note:" + gene.HealthNote;
    return gene.HealthNote.empty() ? "Lethal" : "Lethal:" + gene.HealthNote;
}

// The gene a key names as the Gene section writes it ("2-1"); nullptr for any other text and for a key
// past the set's loci or its locus's genes.
TGene* GeneOfKey(std::string_view key, const TLocusList& loci) {
    const size_t dash = key.find('-');
    if (dash == std::string_view::npos)
        return nullptr;
    const std::optional<int> locus = ReadBoundedNumber(key.substr(0, dash), 0, loci.Count() - 1);
    if (!locus)
        return nullptr;
    const TGeneList& genes = loci[*locus]->Genes();
    const std::optional<int> gene = ReadBoundedNumber(key.substr(dash + 1), 0, genes.Count() - 1);
    if (!gene || key != GeneKey(*locus, *gene))
        return nullptr;
    return genes[*gene];
}

// The health marks, keyed like the genes. A mark the set cannot hold is passed over and named.
void ReadHealth(const TIniFile& ini, TCountReader& damage, TGeneSet& set) {
    for (const auto& [key, value] : ini.ReadSection(HealthSection)) {
        TGene* gene = GeneOfKey(key, set.LocusList);
        if (gene == nullptr)
            damage.Damaged("the health mark " + Shown(key) + " belongs to no gene");
        else if (!ReadHealthMark(value, *gene))
            damage.Damaged("the health mark " + key + "=" + Shown(value) + " is not understood");
    }
}

int ReadClutchSize(const TIniFile& ini, TCountReader& damage) {
    const std::optional<std::string> value = ini.ReadValue(Statistics, ClutchSizeKey);
    if (!value)
        return DefaultClutchSize;
    if (const std::optional<int> size = ReadBoundedNumber(*value, MinClutchSize, MaxClutchSize))
        return *size;
    damage.Damaged(std::string(ClutchSizeKey) + "=" + Shown(*value) + " is out of range");
    return DefaultClutchSize;
}

void ReadCombis(const TIniFile& ini, int combiCount, TGeneSet& set) {
    for (int i = 0; i < combiCount; ++i) {
        const std::string value = ini.ReadString(CombiSection, std::to_string(i), "");
        const size_t colon = value.find(':');
        // Saved behind the ':' of its empty code, a text without one must still fit in one value.
        if (colon == std::string::npos)
            set.CombiList.Add(std::make_unique<TCombi>("", value.substr(0, TIniFile::MaxValueLength - 1)));
        else
            set.CombiList.Add(std::make_unique<TCombi>(value.substr(0, colon), value.substr(colon + 1)));
    }
}

// Written only when the parent has possible hets, and only those its selection string holds, so that a
// file without them stays as it was and a load never finds fault with what a save wrote.
void WritePossibleHetsKey(TIniFile& ini, const char* key, const std::vector<TPossibleHet>& hets,
                          const std::string& selection) {
    const std::vector<TPossibleHet> kept = PossibleHetsKept(hets, selection);
    if (!kept.empty())
        ini.WriteString(Config, key, PossibleHetsText(kept));
}

// A parent's possible hets, read after its selection string; entries it cannot carry are named as damage.
std::vector<TPossibleHet> ReadPossibleHetsKey(const TIniFile& ini, TCountReader& damage,
                                              const std::string& key, const std::string& selection,
                                              std::string_view parent) {
    TPossibleHetsRead read = ReadPossibleHets(ini.ReadString(Config, key, ""), selection);
    if (read.Dropped > 0)
        damage.Damaged(key + ": " + LeftOutPossibleHetsText(read.Dropped, parent));
    return std::move(read.Hets);
}

} // namespace

std::string GeneSetFileContent(const TGeneSet& set) {
    TIniFile ini;
    ini.WriteInteger(Config, "Left", set.Left);
    ini.WriteInteger(Config, "Top", set.Top);
    ini.WriteInteger(Config, "Width", set.Width);
    ini.WriteInteger(Config, "Height", set.Height);
    ini.WriteString(Config, "Female", set.Female);
    ini.WriteString(Config, "Male", set.Male);
    if (!set.PairingFile.empty())
        ini.WriteString(Config, "CurrentGeneSet", set.PairingFile);
    WritePossibleHetsKey(ini, "MalePossible", set.MalePossible, set.Male);
    WritePossibleHetsKey(ini, "FemalePossible", set.FemalePossible, set.Female);

    const TLocusList& loci = set.LocusList;
    ini.WriteInteger(Statistics, "LocusCount", loci.Count());
    ini.WriteInteger(Statistics, "CombiCount", set.CombiList.Count());
    ini.WriteInteger(Statistics, "RatioIndex", set.RatioIndex);
    ini.WriteInteger(Statistics, "CombiIndex", set.CombiIndex);
    ini.WriteInteger(Statistics, "PhenotypeIndex", set.PhenotypeIndex);
    ini.WriteInteger(Statistics, "PossibleHetsIndex", set.PossibleHetsIndex);
    ini.WriteString(Statistics, "IniFile", set.Name);
    for (int i = 0; i < loci.Count(); ++i)
        ini.WriteInteger(Statistics, GeneCountKey(i), loci[i]->Genes().Count());
    if (set.ClutchSize != DefaultClutchSize)
        ini.WriteInteger(Statistics, ClutchSizeKey, set.ClutchSize);

    for (int i = 0; i < loci.Count(); ++i)
        ini.WriteString(LocusSection, std::to_string(i), loci[i]->Name);
    for (int i = 0; i < set.CombiList.Count(); ++i)
        ini.WriteString(CombiSection, std::to_string(i),
                        set.CombiList[i]->Code + ":" + set.CombiList[i]->Name);
    for (int i = 0; i < loci.Count(); ++i) {
        const TGeneList& genes = loci[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j)
            ini.WriteString(GeneSection, GeneKey(i, j), genes[j]->Code() + ":" + genes[j]->Name);
    }
    for (int i = 0; i < loci.Count(); ++i)
        for (const std::string& entry : loci[i]->Weights())
            ini.WriteString(WeightSection, entry.substr(0, 2), WeightRelation(entry));
    for (int i = 0; i < loci.Count(); ++i) {
        const TGeneList& genes = loci[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j)
            if (genes[j]->HasHealthMark())
                ini.WriteString(HealthSection, GeneKey(i, j), HealthMarkText(*genes[j]));
    }
    return ini.Content();
}

bool SaveGeneSet(const std::string& path, const TGeneSet& set, std::string& message) {
    std::string reason;
    return WriteFileAtomically(path, GeneSetFileContent(set), reason) || UnableToWrite(path, message);
}

TGeneSetLoad LoadGeneSet(const std::string& path, TGeneSet& set) {
    using TKind = TGeneSetLoad::TKind;
    std::string content;
    std::string reason;
    const TReadResult read = ReadWholeFile(path, content, reason);
    if (read == TReadResult::Failed)
        return {TKind::Unreadable, CannotOpenFileMessage(path, reason), reason};
    std::string damage = LoadGeneSetText(content, set, path);
    if (read == TReadResult::Missing)
        return {TKind::Missing, {}, {}};
    return {damage.empty() ? TKind::Read : TKind::Damaged, std::move(damage), {}};
}

std::string LoadGeneSetText(std::string_view content, TGeneSet& set, const std::string& fileName) {
    const TIniFile ini(content);
    TCountReader counts(ini, fileName);
    set.CombiList.Clear();
    set.LocusList.Clear();
    set.Encoding = ini.Encoding();

    set.Left = ini.ReadInteger(Config, "Left", 0);
    set.Top = ini.ReadInteger(Config, "Top", 0);
    set.Width = ini.ReadInteger(Config, "Width", 0);
    set.Height = ini.ReadInteger(Config, "Height", 0);

    const int locusCount = counts.Read(Statistics, "LocusCount");
    const int combiCount = counts.Read(Statistics, "CombiCount");
    set.RatioIndex = ini.ReadInteger(Statistics, "RatioIndex", 0);
    set.CombiIndex = ini.ReadInteger(Statistics, "CombiIndex", 0);
    set.PhenotypeIndex = ini.ReadInteger(Statistics, "PhenotypeIndex", 0);
    set.PossibleHetsIndex = ini.ReadInteger(Statistics, "PossibleHetsIndex", 0);
    set.Name = ini.ReadString(Statistics, "IniFile", "serpentia");
    set.ClutchSize = ReadClutchSize(ini, counts);

    ReadLoci(ini, counts, locusCount, set);
    ReadCombis(ini, combiCount, set);
    ReadWeights(ini, set);
    ReadHealth(ini, counts, set);

    set.Male = ini.ReadString(Config, "Male", "");
    set.Female = ini.ReadString(Config, "Female", "");
    set.PairingFile = ini.ReadString(Config, "CurrentGeneSet", "");
    set.MalePossible = ReadPossibleHetsKey(ini, counts, "MalePossible", set.Male, "male");
    set.FemalePossible = ReadPossibleHetsKey(ini, counts, "FemalePossible", set.Female, "female");
    return counts.Message();
}

bool WriteFileKey(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value, std::string& message) {
    std::string content;
    std::string reason;
    if (ReadWholeFile(path, content, reason) == TReadResult::Failed)
        return UnableToWrite(path, message);
    TIniFile ini(content);
    ini.WriteString(section, key, value);
    return WriteFileAtomically(path, ini.Content(), reason) || UnableToWrite(path, message);
}

int ChoiceItem(int storedIndex, int itemCount) {
    if (storedIndex < 0)
        return -1;
    return storedIndex >= itemCount ? itemCount - 1 : storedIndex;
}
