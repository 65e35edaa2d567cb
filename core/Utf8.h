// UTF-8 <-> UTF-16 for file names, command lines and printing.
#pragma once

#include <string>
#include <string_view>

// Unpaired surrogates are written as U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// A file name's bytes need not be UTF-8. Each byte of a malformed sequence
// becomes the lone surrogate U+DC80..U+DCFF, which ToFileName turns back into
// the byte, so the name opens the same file; ToUtf8 shows it as U+FFFD.
std::u16string FromFileName(std::string_view bytes);
std::string ToFileName(std::u16string_view name);

// One code point as UTF-8.
void AppendUtf8(std::string& out, char32_t c);
// One code point as UTF-16: a surrogate pair beyond U+FFFF.
void AppendUtf16(std::u16string& out, char32_t c);
