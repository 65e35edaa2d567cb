// Small text helpers of the source parser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// White space as the header and caption rules trim it: TAB, LF, VT, FF, CR
// and the blank.
inline bool IsBlankSymb(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

inline std::u16string_view TrimBlanks(std::u16string_view text) {
    size_t nBeg = 0;
    size_t nEnd = text.size();
    while (nBeg < nEnd && IsBlankSymb(text[nBeg]))
        ++nBeg;
    while (nEnd > nBeg && IsBlankSymb(text[nEnd - 1]))
        --nEnd;
    return text.substr(nBeg, nEnd - nBeg);
}

inline bool IsBlankText(std::u16string_view text) {
    return TrimBlanks(text).empty();
}

// "Error in file, line %d", CR LF, then the message: how a source fault is
// shown to the author.
std::u16string LineErrorText(int32_t nLine, std::u16string_view strMessage);
