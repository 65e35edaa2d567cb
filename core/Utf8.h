// UTF-8 <-> UTF-16 for file names, command lines and printing.
#pragma once

#include <string>
#include <string_view>

// Unpaired surrogates are written as U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);
