// Conversion between UTF-16 and the 8-bit code pages 1251 (Cyrillic) and
// 1252 (Western) through built-in tables. The process locale is never touched.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class CodePage { Cp1251 = 1251, Cp1252 = 1252 };

// ".1251" and ".1252" name the two code pages; "NULL" means the program's
// default code page, 1252. Anything else gives nothing.
std::optional<CodePage> CodePageFromLocaleName(std::string_view localeName);

// Exactly text.size() bytes; a character with no place in the code page
// becomes '?'.
std::string WideToMultiByte(std::u16string_view text, CodePage codePage);
// Exactly bytes.size() units (the 1251/1252 holes map to their own values).
std::u16string MultiByteToWide(std::string_view bytes, CodePage codePage);
