#include "NumberText.h"

#include "TextHelpers.h"

#include <string>

namespace {

bool IsAsciiBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return c - u'a' + 10;
}

// Non-ASCII characters are left to the full check: the trimming there decides
// which of them are white space.
template <class Allowed>
bool OnlyPossibleCharacters(std::u16string_view text, Allowed allowed) {
    for (char16_t c : text) {
        if (c < 0x80 && !IsAsciiBlank(c) && !allowed(c)) return false;
    }
    return true;
}

int64_t Saturate(int64_t nValue) {
    return nValue > kNumberTextLimit ? kNumberTextLimit : nValue;
}

}  // namespace

bool IsHexNumberText(std::u16string_view text, int nBytes) {
    if (!OnlyPossibleCharacters(text, IsHexDigit)) return false;
    return IsHexNumber(std::u16string(text), nBytes);
}

bool IsDecimalNumberText(std::u16string_view text, int nBytes, bool bSigned) {
    auto allowed = [](char16_t c) { return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-'; };
    if (!OnlyPossibleCharacters(text, allowed)) return false;
    return IsDecimalNumber(std::u16string(text), nBytes, bSigned);
}

int64_t ReadHexValue(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && !IsHexDigit(text[i]))
        ++i;
    int64_t nValue = 0;
    for (; i < text.size() && IsHexDigit(text[i]); ++i)
        nValue = Saturate(nValue * 16 + HexDigitValue(text[i]));
    return nValue;
}

int64_t ReadDecimalValue(std::u16string_view text) {
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    size_t i = 0;
    while (i < text.size() && !isDigit(text[i]) && text[i] != u'+' && text[i] != u'-')
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) bNegative = text[i++] == u'-';
    int64_t nValue = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        nValue = Saturate(nValue * 10 + (text[i] - u'0'));
    return bNegative ? -nValue : nValue;
}
