#include "render/StatusPages.h"

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "render/HtmlFragments.h"
#include "render/PageTags.h"

namespace {

std::u16string Wrapped(const std::u16string& strTag, std::u16string_view text) {
    std::u16string page(strTag);
    page += text;
    page += html::kFontEnd;
    return page;
}
}  // namespace

std::u16string StartPageHtml() {
    return LoadText(IDS_START_PAGE).value_or(u"");
}

std::u16string SearchingPageHtml() {
    return LoadText(IDS_SEARCHING_PAGE).value_or(u"");
}

std::u16string AbortedPageHtml(int nBaseSize) {
    return Wrapped(CPageTags(nBaseSize).m_strHighlight, LoadText(IDS_SEARCH_ABORTED).value_or(u""));
}

std::u16string EmptyTextPageHtml(int nBaseSize) {
    return Wrapped(CPageTags(nBaseSize).m_strHighlight, LoadText(IDS_ENTER_TEXT).value_or(u""));
}

std::u16string NotFoundPageHtml(int nBaseSize, std::u16string_view strSearchText,
                                std::u16string_view strGroupName) {
    const CPageTags tags(nBaseSize);
    const std::u16string strText = EscapeHtmlText(strSearchText);
    const std::u16string strGroup = EscapeHtmlText(strGroupName);
    return FormatTextId(IDS_TEXT_NOT_FOUND,
                        {tags.m_strHighlight, tags.m_strAlert, strText, html::kFontEnd,
                         tags.m_strAlert, strGroup, html::kFontEnd, html::kFontEnd});
}

std::u16string NoEnabledDictionariesPageHtml(int nBaseSize, std::u16string_view strGroupName) {
    std::u16string page(CPageTags(nBaseSize).m_strAlert);
    page += FormatTextId(IDS_NO_ENABLED_DICTIONARIES, {EscapeHtmlText(strGroupName)});
    page += u"<BR>";
    page += LoadText(IDS_SEARCH_NOT_AVAILABLE).value_or(u"");
    page += html::kFontEnd;
    return page;
}

std::u16string EscapeHtmlText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        switch (c) {
            case u'&':
                out += u"&amp;";
                break;
            case u'<':
                out += u"&lt;";
                break;
            case u'>':
                out += u"&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}
