#include "render/PageTags.h"

#include "render/HtmlFragments.h"

int LargeFontSize(int nBaseSize) {
    return nBaseSize + nBaseSize * 20 / 100;
}
int SmallFontSize(int nBaseSize) {
    return nBaseSize - nBaseSize * 20 / 100;
}

std::u16string MakeFontTag(int nSize, std::u16string_view strColour) {
    std::u16string tag(html::kFontStart);
    const std::string size = std::to_string(nSize);
    tag.append(size.begin(), size.end());
    tag += html::kFontMiddle;
    tag += strColour;
    tag += html::kTagEnd;
    return tag;
}

CPageTags::CPageTags(int nBaseSize)
    : m_nBaseSize(nBaseSize),
      m_strBody(MakeFontTag(nBaseSize, u"black")),
      m_strHeading(MakeFontTag(LargeFontSize(nBaseSize), u"black")),
      m_strCaption(MakeFontTag(SmallFontSize(nBaseSize), u"black")),
      m_strHighlight(MakeFontTag(LargeFontSize(nBaseSize), u"blue")),
      m_strAlert(MakeFontTag(LargeFontSize(nBaseSize), u"red")) {}
