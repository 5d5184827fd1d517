// The texts of a report besides its offspring lines' names: the parent lines, the shares, the health notes
// and the line of the eggs that do not hatch.
#pragma once

#include "calc/Calculation.h"
#include "calc/Naming.h"
#include "calc/PunnettGrid.h"

#include <string>
#include <vector>

inline const char* const Banner = "---------------------------------------------------";
inline const char* const PhenotypeBanner = "---This is a PHENOTYPE only report-----------------";
inline const char* const HealthOpening = " [health: ";

// A parent line. Possible hets follow the names of the parent's other genes, whose closing blanks they
// replace: "het. Charcoal, 66% poss. het. Amelanistic"; a parent with no other gene shows them alone.
std::string ParentText(const std::string& selection, const std::vector<TPossibleHet>& possible, bool byGenes,
                       TNaming& naming);

// "3/16" or "18.75%", as the options write shares.
std::string Share(TCount count, TCount total, const TCalcOptions& options);

// The share of every offspring line, over one total: the total's text is written once.
class TShareWriter {
public:
    TShareWriter(TCount total, const TCalcOptions& options)
        : FTotal(total), FOptions(options), FOverTotal("/" + DecimalText(total)) {}

    // The share followed by a blank, at the start of a report line.
    void Write(TCount count, std::string& reported) const;

private:
    TCount FTotal;
    const TCalcOptions& FOptions;
    std::string FOverTotal;
};

// "Super Spider, Spider": the lethal genes, as the report and the unhatched line name them.
std::string LethalNamesText(const std::vector<std::string>& lethal);

// "1/4 of the eggs do not hatch: Super Spider", in the share style of the report's lines; with possible hets
// the share in lowest terms.
std::string UnhatchedText(TCount unhatched, TCount hatched, bool weighed, const TPunnettGrid& grid,
                          const TCalcOptions& options);

// The notes of a line as its report line ends with them, "neurological wobble; skin tumours".
std::string NotesText(const TNoteSet& notes, const TPunnettGrid& grid);
