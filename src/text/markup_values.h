#pragma once

#include <string>
#include <string_view>

// Attribute values of the markup.

// ASCII lower case, as tag and attribute names are matched.
std::string LowerCase(std::string_view s);
// An optional sign and decimal digits that fit an int; anything else is no integer.
bool ParseInteger(std::string_view s, int& value);
