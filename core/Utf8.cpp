#include "Utf8.h"

#include <cstdint>

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Length of the sequence a lead byte starts, and the range its second byte
// must lie in (which excludes overlong forms, surrogates and values past
// U+10FFFF); 0 for a byte that cannot start a sequence.
struct LeadInfo {
    int nLength;
    uint8_t secondMin;
    uint8_t secondMax;
};

LeadInfo InfoOfLead(uint8_t b) {
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};
    if (b == 0xED) return {3, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

constexpr char16_t kEscapedByte = 0xDC00;

bool IsEscapedByte(char32_t c) {
    return c >= kEscapedByte + 0x80 && c <= kEscapedByte + 0xFF;
}

// Each maximal ill-formed subsequence becomes one U+FFFD, or with
// bEscapeBytes each of its bytes its escape.
std::u16string Decode(std::string_view text, bool bEscapeBytes) {
    std::u16string out;
    out.reserve(text.size());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const auto lead = static_cast<uint8_t>(text[i]);
        if (lead < 0x80) {
            out += char16_t{lead};
            ++i;
            continue;
        }
        const LeadInfo info = InfoOfLead(lead);
        char32_t c = lead & (0xFF >> (info.nLength + 1));
        size_t k = 1;
        for (; k < static_cast<size_t>(info.nLength) && i + k < n; ++k) {
            const auto b = static_cast<uint8_t>(text[i + k]);
            const bool bFits =
                k == 1 ? (b >= info.secondMin && b <= info.secondMax) : (b >= 0x80 && b <= 0xBF);
            if (!bFits) break;
            c = (c << 6) | (b & 0x3F);
        }
        if (info.nLength != 0 && k == static_cast<size_t>(info.nLength)) {
            AppendUtf16(out, c);
        } else if (bEscapeBytes) {
            for (size_t j = 0; j < k; ++j)
                out += static_cast<char16_t>(kEscapedByte + static_cast<uint8_t>(text[i + j]));
        } else {
            out += kReplacement;
        }
        i += k;
    }
    return out;
}

std::string Encode(std::u16string_view text, bool bEscapedBytes) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (bEscapedBytes && IsEscapedByte(c)) {
            out += static_cast<char>(c - kEscapedByte);
            continue;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string ToUtf8(std::u16string_view text) {
    return Encode(text, false);
}

std::u16string FromUtf8(std::string_view text) {
    return Decode(text, false);
}

std::u16string FromFileName(std::string_view bytes) {
    return Decode(bytes, true);
}

std::string ToFileName(std::u16string_view name) {
    return Encode(name, true);
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}
