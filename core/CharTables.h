// Word characters, upper-case folding and ideographic ranges: the fixed tables
// that make the compiler and the search split and fold text identically.
#pragma once

#include <string>
#include <string_view>

extern const unsigned char WordSymbTable[65536];
extern const char16_t UpperSymbTable[65536];

inline bool IsWordSymb(char16_t c) { return WordSymbTable[c] != 0; }
inline char16_t ToUpperSymb(char16_t c) { return UpperSymbTable[c]; }
bool IsIdeogramSymb(char16_t c);
void ToUpperString(std::u16string& text);
bool IsEqualNoCase(std::u16string_view a, std::u16string_view b);
