#include "LetterCase.h"

#include "core/CharTables.h"

char16_t ToLowerLetter(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : static_cast<char16_t>(c + 0x20);
    if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 0x20);
    if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
    switch (c) {
        case 0x152:  // Œ
        case 0x160:  // Š
        case 0x17D:  // Ž
        case 0x490:  // Ґ
            return static_cast<char16_t>(c + 1);
        case 0x178:  // Ÿ
            return 0xFF;
        default:
            return c;
    }
}

std::u16string ToLowerText(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result)
        c = ToLowerLetter(c);
    return result;
}

std::u16string Capitalise(std::u16string_view text) {
    std::u16string result(text);
    if (!result.empty()) result[0] = ToUpperSymb(result[0]);
    return result;
}

std::u16string ToUpperText(std::u16string_view text) {
    std::u16string result(text);
    ToUpperString(result);
    return result;
}

bool StartsWithUpper(std::u16string_view text) {
    return !text.empty() && ToLowerLetter(text[0]) != text[0];
}

std::u16string FoldYo(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result) {
        if (c == u'ё') c = u'е';
        if (c == u'Ё') c = u'Е';
    }
    return result;
}

bool HasYo(std::u16string_view text) {
    return text.find_first_of(u"ёЁ") != std::u16string_view::npos;
}
