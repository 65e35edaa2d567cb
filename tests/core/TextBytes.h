// Byte images of a text in the encodings the readers accept.
#pragma once

#include <string>
#include <string_view>

#include "core/Utf8.h"

inline std::string Ucs2Bytes(std::u16string_view text, bool bBigEndian, bool bMark = true) {
    std::string bytes;
    auto put = [&](char16_t c) {
        const char lo = static_cast<char>(c & 0xFF);
        const char hi = static_cast<char>(c >> 8);
        bytes += bBigEndian ? hi : lo;
        bytes += bBigEndian ? lo : hi;
    };
    if (bMark) put(0xFEFF);
    for (char16_t c : text)
        put(c);
    return bytes;
}

inline std::string Utf8Bytes(std::u16string_view text, bool bMark) {
    return (bMark ? std::string("\xEF\xBB\xBF") : std::string()) + ToUtf8(text);
}
