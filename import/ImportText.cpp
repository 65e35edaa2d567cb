#include "ImportText.h"

#include <cstdint>

#include "core/TrimText.h"

namespace {

// Length of the well-formed UTF-8 sequence at text[i] and its value, or 0
// when the bytes there are not one.
size_t DecodeSequence(std::string_view text, size_t i, char32_t& value) {
    const auto b0 = static_cast<uint8_t>(text[i]);
    size_t nLength = 0;
    uint8_t secondMin = 0x80;
    uint8_t secondMax = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        nLength = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        nLength = 3;
        if (b0 == 0xE0) secondMin = 0xA0;
        if (b0 == 0xED) secondMax = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        nLength = 4;
        if (b0 == 0xF0) secondMin = 0x90;
        if (b0 == 0xF4) secondMax = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (i + nLength > text.size()) return 0;
    char32_t c = b0 & (0x7F >> nLength);
    for (size_t k = 1; k < nLength; ++k) {
        const auto b = static_cast<uint8_t>(text[i + k]);
        if (k == 1 ? (b < secondMin || b > secondMax) : (b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    value = c;
    return nLength;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == 0xA0 || c == 0x3000;
}

}  // namespace

std::u16string DecodeImportText(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        if (b < 0x80) {
            if (b == '\r') {
                out += u'\n';
                if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            } else if (b < 0x20 && b != '\t' && b != '\n') {
                out += u' ';
            } else {
                out += static_cast<char16_t>(b);
            }
            ++i;
            continue;
        }
        char32_t c = 0;
        const size_t n = DecodeSequence(bytes, i, c);
        if (n == 0) {
            out += static_cast<char16_t>(b);  // Latin-1
            ++i;
        } else if (c > 0xFFFF) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            i += n;
        } else {
            out += static_cast<char16_t>(c);
            i += n;
        }
    }
    return out;
}

std::u16string_view TrimImportText(std::u16string_view text) {
    return TrimmedIf(text, IsBlank);
}
