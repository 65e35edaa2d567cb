// The font tags of a page, all derived from the view's base font size.
#pragma once

#include <string>
#include <string_view>

inline constexpr int DEFAULT_BASE_FONT_SIZE = 18;

// Large = base + 20 % of base, small = base - 20 % of base, both truncated
// toward zero.
int LargeFontSize(int nBaseSize);
int SmallFontSize(int nBaseSize);

// font start, size, font middle, colour, tag end.
std::u16string MakeFontTag(int nSize, std::u16string_view strColour);

struct CPageTags {
    explicit CPageTags(int nBaseSize);

    int m_nBaseSize;
    std::u16string m_strBody;       // base size, black
    std::u16string m_strHeading;    // large, black
    std::u16string m_strCaption;    // small, black
    std::u16string m_strHighlight;  // large, blue
    std::u16string m_strAlert;      // large, red
};
