// Just enough JSON for the lookup's output: strings and numbers.
#pragma once

#include <string>
#include <string_view>

// A JSON string literal, quotes included, in UTF-8. A surrogate without its
// partner is written as a \u escape, so no text is ever changed on the way.
std::string JsonString(std::u16string_view text);

inline const char* JsonBool(bool bValue) {
    return bValue ? "true" : "false";
}
