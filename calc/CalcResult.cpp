#include "calc/Calculation.h"

#include "calc/PunnettGrid.h"
#include "calc/ReportText.h"

TOffspringLine TCalcResult::OffspringLine(size_t i) const {
    const TListedLine& listed = FOffspring[i];
    const std::string& reported = OffspringReportLine(i);
    const size_t nameEnd = listed.NameBegin + listed.NameLength;
    const std::string note = listed.Note < 0 ? std::string() : FNotes[static_cast<size_t>(listed.Note)];
    const size_t noteLength = note.empty() ? 0 : std::string_view(HealthOpening).size() + note.size() + 1;
    return TOffspringLine{listed.Line,
                          listed.Count,
                          FTotal,
                          reported.substr(listed.NameBegin, listed.NameLength),
                          reported.substr(nameEnd, reported.size() - nameEnd - noteLength),
                          FTotal + FUnhatched,
                          note};
}

TFraction TCalcResult::EggShareOf(const std::vector<size_t>& lines, bool unhatched) const {
    TCount count = unhatched ? FUnhatched : 0;
    for (const size_t i : lines)
        count += FOffspring[i].Count;
    return Reduced(count, FTotal + FUnhatched);
}

TCalcResult TCalcResult::RefusedWith(std::string message) {
    TCalcResult refused;
    refused.FRefusal = std::move(message);
    return refused;
}

// The grid's type is complete only here.
TCalcResult::TCalcResult() = default;
TCalcResult::TCalcResult(TCalcResult&&) noexcept = default;
TCalcResult& TCalcResult::operator=(TCalcResult&&) noexcept = default;
TCalcResult::~TCalcResult() = default;

const std::vector<std::string>& TCalcResult::LethalGeneNames() const {
    static const std::vector<std::string> None;
    return FGrid ? FGrid->LethalGeneNames() : None;
}

std::string TCalcResult::UnhatchedName() const {
    return "Do not hatch: " + LethalNamesText(LethalGeneNames());
}

bool TCalcResult::CellLethal(uint64_t column, uint64_t row) const {
    return column >= 1 && row >= 1 && column <= FemaleGameteCount() && row <= MaleGameteCount() &&
           FGrid->CellLethal(column, row);
}

uint64_t TCalcResult::MaleGameteCount() const {
    return FGrid ? FGrid->RowCount() : 0;
}
uint64_t TCalcResult::FemaleGameteCount() const {
    return FGrid ? FGrid->ColumnCount() : 0;
}

std::string TCalcResult::MaleGamete(uint64_t row) const {
    return row >= 1 && row <= MaleGameteCount() ? FGrid->Male().Gamete(row - 1) : std::string();
}

std::string TCalcResult::FemaleGamete(uint64_t column) const {
    return column >= 1 && column <= FemaleGameteCount() ? FGrid->Female().Gamete(column - 1) : std::string();
}

std::string TCalcResult::CellText(uint64_t column, uint64_t row) const {
    if (column == 0)
        return MaleGamete(row);
    if (row == 0)
        return FemaleGamete(column);
    if (column > FemaleGameteCount() || row > MaleGameteCount())
        return {};
    return FGrid->CellText(column, row);
}
