// Gene-set files: everything a gene-set file (or the main settings file) holds, and reading and writing it.
#pragma once

#include "model/Combi.h"
#include "model/Locus.h"
#include "model/PossibleHet.h"
#include "model/Text.h"

#include <string>
#include <string_view>

// Eggs per clutch for the odds of a pairing: what a set holds until the breeder changes it, and the range.
constexpr int DefaultClutchSize = 12;
constexpr int MinClutchSize = 1;
constexpr int MaxClutchSize = 99;

// One gene set with the window state that travels with it in its file.
struct TGeneSet {
    TLocusList LocusList;
    TCombiList CombiList;
    // Config: window geometry (0 or less means "not stored") and the parent selection.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::string Female;
    std::string Male;
    std::string PairingFile; // path of the saved pairing loaded last
    // Genes of each parent's selection string that are only possible hets; stored only when there are any.
    std::vector<TPossibleHet> MalePossible;
    std::vector<TPossibleHet> FemalePossible;
    // Statistics: the four calculation choices as stored, and the name of the current gene set.
    int RatioIndex = 0;
    int CombiIndex = 0;
    int PhenotypeIndex = 0;
    int PossibleHetsIndex = 0;
    std::string Name = "serpentia";
    int ClutchSize = DefaultClutchSize;
    // How the file writes its names and notes; what the breeder types into the set is stored the same way.
    TTextEncoding Encoding = TTextEncoding::Utf8;
};

// No gene set comes near this many loci, combinations or genes of one locus; larger counts mean damage.
constexpr int MaxStoredCount = 10000;
// Placeholders for all genes together are bounded too, so that damaged counts cannot exhaust memory.
constexpr int MaxStoredGenes = 100000;

// The bytes a save writes: sections Config, Statistics, LOCUS, COMBI, Gene, Weight, CR LF lines, then
// Health when some gene has a health mark.
std::string GeneSetFileContent(const TGeneSet& set);

// Replaces the file at `path` by the gene set. On failure the old file stays as it was and `message`
// reads "Unable to write to <path>".
bool SaveGeneSet(const std::string& path, const TGeneSet& set, std::string& message);

// What a load found. Only a file that could be read replaces the set in memory, so "damaged" and
// "unreadable" must never be taken for each other.
struct TGeneSetLoad {
    enum class TKind {
        Read,      // read whole
        Missing,   // no file: the set holds the defaults, and nothing is reported
        Damaged,   // read, with values out of range taken as defaults; Message names the file and the keys
        Unreadable // not read at all: the set is as it was before the load
    };
    TKind Kind = TKind::Read;
    // Damaged: what is wrong. Unreadable: "Cannot open file "<path>". <reason>".
    std::string Message;
    // Unreadable: the system's reason alone.
    std::string Reason;
};

// Replaces `set` by the content of the file at `path`, once the whole file has been read.
TGeneSetLoad LoadGeneSet(const std::string& path, TGeneSet& set);

// The same on text already read; `fileName` names the file in a damage message.
std::string LoadGeneSetText(std::string_view content, TGeneSet& set, const std::string& fileName);

// Sets one key of the file at `path`, keeping everything else; "Unable to write to <path>" on failure.
bool WriteFileKey(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value, std::string& message);

// The selected item of a choice of `itemCount` items for a stored index: below 0 none (-1), past the
// last item the last.
int ChoiceItem(int storedIndex, int itemCount);
