// zygora-calc over the breeder's animals: one animal's hidden genes (--chances), and the pairings of all
// of them ranked for a goal (--plan).
#pragma once

#include "storage/GeneSetFile.h"
#include "tools/CommandLine.h"
#include "tools/OutputStream.h"

#include <string>

// Reads the animals of --animals, checks their morphs against `set` and prints what the options ask, as
// text or JSON. Returns the exit code: 0 done, 1 a file that cannot be read, 2 a file or a name or a goal
// that is wrong, with the message printed.
int RunAnimalCommand(const TCommandLine& commandLine, TGeneSet& set, const std::string& separator,
                     TOutputStream& out);
