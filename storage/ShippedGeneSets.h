// The gene sets the program ships with: the built-in Serpentia set and one set for each species most
// breeders keep, each as the exact text of a gene-set file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Serpentia first, then the species sets in the order of their names.
std::vector<std::string> ShippedGeneSetNames();

// The file text of the shipped set `name`, found ignoring letter case; nothing for a name not shipped.
std::optional<std::string> ShippedGeneSetText(std::string_view name);
