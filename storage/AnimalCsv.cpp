#include "storage/AnimalCsv.h"

#include "model/AnimalFamily.h"
#include "model/Text.h"
#include "storage/FileIO.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

const char* const AnimalCsvHeader = "name,sex,morph,sire,dam";

namespace {

constexpr size_t FieldCount = 5;

const std::array<std::pair<TSex, const char*>, 3> SexWords = {
    {{TSex::Male, "male"}, {TSex::Female, "female"}, {TSex::Unknown, "unknown"}}};

// Reads the text record by record. A record of more fields than a row has is not read further, so that
// a line of a million commas costs no memory.
class TCsvRecords {
public:
    explicit TCsvRecords(std::string_view text) : FText(text) {}

    bool AtEnd() const { return FAt >= FText.size(); }

    // The next record's fields; false with `problem` when it cannot be read.
    bool Read(std::vector<std::string>& fields, std::string& problem) {
        fields.clear();
        for (;;) {
            std::string field;
            if (!ReadField(field, problem))
                return false;
            fields.push_back(std::move(field));
            if (fields.size() > FieldCount) {
                problem = "More than " + std::to_string(FieldCount) + " fields, where every row has " +
                          std::to_string(FieldCount) + ": " + AnimalCsvHeader + ".";
                return false;
            }
            if (FAt < FText.size() && FText[FAt] == ',') {
                ++FAt;
                continue;
            }
            if (FAt < FText.size())
                FAt += FText.compare(FAt, 2, "\r\n") == 0 ? 2 : 1;
            return true;
        }
    }

private:
    bool ReadField(std::string& field, std::string& problem) {
        if (FAt >= FText.size() || FText[FAt] != '"') {
            const size_t end = std::min(FText.find_first_of(",\r\n", FAt), FText.size());
            field.assign(FText.substr(FAt, end - FAt));
            FAt = end;
            return true;
        }
        ++FAt;
        for (;;) {
            const size_t quote = FText.find('"', FAt);
            if (quote == std::string_view::npos) {
                problem = "A quoted field is not closed.";
                return false;
            }
            field.append(FText.substr(FAt, quote - FAt));
            FAt = quote + 1;
            if (FAt < FText.size() && FText[FAt] == '"') {
                field += '"';
                ++FAt;
                continue;
            }
            if (FAt < FText.size() && FText.find_first_of(",\r\n", FAt) != FAt) {
                problem = "Text follows the closing quote of a field.";
                return false;
            }
            return true;
        }
    }

    std::string_view FText;
    size_t FAt = 0;
};

// What is wrong with the fields of one row, empty when it is an animal.
std::string ReadAnimal(const std::vector<std::string>& fields, TAnimal& animal) {
    if (fields.size() != FieldCount)
        return std::to_string(fields.size()) + (fields.size() == 1 ? " field" : " fields") +
               ", where every row has " + std::to_string(FieldCount) + ": " + AnimalCsvHeader + ".";
    for (const std::string& field : fields)
        if (!IsUtf8(field))
            return "The text is not UTF-8.";
    const std::string sex = LowerCase(fields[1]);
    const auto known = std::find_if(SexWords.begin(), SexWords.end(),
                                    [&sex](const auto& word) { return sex == word.second; });
    if (known == SexWords.end())
        return "The sex \"" + fields[1] + "\" is none of male, female or unknown.";
    animal = TAnimal{fields[0], known->first, fields[2], fields[3], fields[4], {}, {}};
    return {};
}

void AppendField(std::string& text, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        text += field;
        return;
    }
    text += '"';
    for (const char c : field)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    text += '"';
}

} // namespace

bool ReadAnimalCsv(std::string_view text, TAnimalList& animals, std::string& message,
                   const TAnimalList& kept) {
    animals.clear();
    if (text.starts_with("\xEF\xBB\xBF")) // the byte-order mark spreadsheets put before UTF-8
        text.remove_prefix(3);
    TCsvRecords records(text);
    std::vector<std::string> fields;
    std::string problem;
    if (!records.Read(fields, problem) ||
        fields != std::vector<std::string>{"name", "sex", "morph", "sire", "dam"}) {
        message = std::string("The header must read \"") + AnimalCsvHeader + "\".";
        return false;
    }
    const auto refuse = [&](size_t row, const std::string& what) {
        message = "Row " + std::to_string(row) + ": " + what;
        animals.clear();
        return false;
    };
    while (!records.AtEnd()) {
        const size_t row = animals.size() + 1;
        if (!records.Read(fields, problem))
            return refuse(row, problem);
        if (fields.size() == 1 && fields[0].empty())
            continue;
        if (animals.size() == MaxCsvAnimals)
            return refuse(row, "The file holds more than " + std::to_string(MaxCsvAnimals) + " animals.");
        TAnimal animal;
        if (const std::string wrong = ReadAnimal(fields, animal); !wrong.empty())
            return refuse(row, wrong);
        animals.push_back(std::move(animal));
    }
    // The animals kept already come first: a row may name them as parents, and may not take their names.
    TAnimalList family = kept;
    family.insert(family.end(), animals.begin(), animals.end());
    if (const std::optional<TFamilyProblem> broken = FindFamilyProblem(family)) {
        if (broken->Animal < kept.size()) {
            message = broken->Message;
            animals.clear();
            return false;
        }
        return refuse(broken->Animal - kept.size() + 1, broken->Message);
    }
    return true;
}

std::string AnimalCsvText(const TAnimalList& animals) {
    std::string text = std::string(AnimalCsvHeader) + "\r\n";
    for (const TAnimal& animal : animals) {
        const auto sex = std::find_if(SexWords.begin(), SexWords.end(),
                                      [&animal](const auto& word) { return animal.Sex == word.first; });
        AppendField(text, animal.Name);
        text += std::string(",") + sex->second + ",";
        AppendField(text, animal.Morph);
        text += ',';
        AppendField(text, animal.Sire);
        text += ',';
        AppendField(text, animal.Dam);
        text += "\r\n";
    }
    return text;
}

bool LoadAnimalCsv(const std::string& path, TAnimalList& animals, std::string& message,
                   const TAnimalList& kept) {
    std::string content;
    std::string reason;
    if (ReadWholeFile(path, content, reason, MaxAnimalCsvBytes) != TReadResult::Ok) {
        message = CannotOpenFileMessage(path, reason);
        return false;
    }
    return ReadAnimalCsv(content, animals, message, kept);
}

bool SaveAnimalCsv(const std::string& path, const TAnimalList& animals, std::string& message) {
    return CreateFileAtomically(path, AnimalCsvText(animals), message);
}
