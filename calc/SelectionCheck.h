// Whether two parents' codes describe animals of the gene set: every pair a gene of it, and the two
// parents' pairs at one place genes of one locus.
#pragma once

#include "model/Locus.h"

#include <string>

// Empty when the pairing can be calculated as the breeder means it; else what is wrong, naming the pair.
// A place where both parents are "++" may be left out, as the window leaves it out.
std::string SelectionProblem(const std::string& male, const std::string& female, const TLocusList& loci);
