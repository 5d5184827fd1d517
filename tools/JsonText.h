// Strings of the core (8-bit) as JSON string literals.
#pragma once

#include <string>
#include <string_view>

// Quoted and escaped. Text that is not valid UTF-8 is read as Windows-1252, as files written on Windows are.
std::string JsonString(std::string_view text);
