// The breeder's animals as a CSV file, as spreadsheets read and write it: the header
// "name,sex,morph,sire,dam", then one animal a row (UTF-8, fields quoted by RFC 4180, CR LF or LF).
#pragma once

#include "model/Animal.h"

#include <cstddef>
#include <string>
#include <string_view>

extern const char* const AnimalCsvHeader;

// No breeder keeps this many animals of one set; a file with more is taken for junk before it fills the
// memory.
constexpr size_t MaxCsvAnimals = 100000;
// Room for that many rows of long names and morphs.
constexpr size_t MaxAnimalCsvBytes = size_t(64) << 20;

// Reads the animals of `text`, which together with the animals `kept` already must keep the family rules:
// a row may name a kept animal as its sire or dam. On failure `message` names the header or the row
// ("Row 3: …", rows counted from 1 after the header, blank lines not counted) and what is wrong there.
// The morph is taken as it stands: its words are the gene set's to judge.
bool ReadAnimalCsv(std::string_view text, TAnimalList& animals, std::string& message,
                   const TAnimalList& kept = {});

// The header and one row per animal, CR LF after each; a field is quoted only where it must be.
std::string AnimalCsvText(const TAnimalList& animals);

// The file at `path` read as ReadAnimalCsv reads text; a file that cannot be opened or is larger than
// MaxAnimalCsvBytes gives "Cannot open file "<path>". <reason>".
bool LoadAnimalCsv(const std::string& path, TAnimalList& animals, std::string& message,
                   const TAnimalList& kept = {});
// Replaces the file at `path`; on failure `message` reads "Cannot create file "<path>". <reason>".
bool SaveAnimalCsv(const std::string& path, const TAnimalList& animals, std::string& message);
