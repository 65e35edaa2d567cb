// Lower-casing and capitalising for the letters the three languages use
// (Latin, Latin-1, the code page 1252 extras and Cyrillic), and the Russian
// ё/е folding. Upper-casing comes from the program's fixed tables.
#pragma once

#include <string>
#include <string_view>

char16_t ToLowerLetter(char16_t c);
std::u16string ToLowerText(std::u16string_view text);
// First letter upper-cased, the rest as given.
std::u16string Capitalise(std::u16string_view text);
std::u16string ToUpperText(std::u16string_view text);
bool StartsWithUpper(std::u16string_view text);
// ё → е and Ё → Е: Russian texts write either.
std::u16string FoldYo(std::u16string_view text);
bool HasYo(std::u16string_view text);
