#include "render/Highlighter.h"

#include <algorithm>
#include <optional>

#include "dictformat/MarkupScanner.h"
#include "render/HtmlFragments.h"

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f' || c == u'\v';
}

char16_t ToLowerAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c;
}

// Lower-cased, blanks left out: the form in which tags are compared.
std::u16string NormalisedTag(std::u16string_view tag) {
    std::u16string out;
    for (char16_t c : tag)
        if (!IsBlank(c)) out += ToLowerAscii(c);
    return out;
}

// The tags of a page as a reader of the page sees them, walked once from the
// start however many ranges ask.
class CPageTags {
public:
    explicit CPageTags(std::u16string_view page) : m_page(page), m_markup(page) {}

    // The "<" of the tag whose ">" is at nGt; nothing when that ">" closes
    // no tag. Calls come with growing nGt.
    std::optional<size_t> TagClosedAt(size_t nGt) {
        while (m_nPos <= nGt) {
            const size_t nEnd =
                m_page[m_nPos] == u'<' ? m_markup.PageTagEnd(m_nPos) : CMarkupScanner::npos;
            if (nEnd == CMarkupScanner::npos) {
                ++m_nPos;
                continue;
            }
            m_nLastLt = m_nPos;
            m_nLastGt = nEnd;
            m_nPos = nEnd + 1;
        }
        if (m_nLastGt != nGt) return std::nullopt;
        return m_nLastLt;
    }

private:
    std::u16string_view m_page;
    CMarkupScanner m_markup;
    size_t m_nPos = 0;  // the tags before it have been walked
    size_t m_nLastLt = 0;
    size_t m_nLastGt = CMarkupScanner::npos;
};

bool IsArticleFontTag(const std::u16string& tag, std::span<const std::u16string> aOwnTags) {
    if (tag.size() <= 5 || !tag.starts_with(u"<font")) return false;
    return std::none_of(aOwnTags.begin(), aOwnTags.end(),
                        [&](const std::u16string& own) { return NormalisedTag(own) == tag; });
}

}  // namespace

std::vector<CPageRange> MergeRanges(std::vector<CPageRange> aRanges) {
    std::erase_if(aRanges, [](const CPageRange& r) { return r.nEnd <= r.nStart; });
    std::sort(aRanges.begin(), aRanges.end(), [](const CPageRange& a, const CPageRange& b) {
        return a.nStart != b.nStart ? a.nStart < b.nStart : a.nEnd < b.nEnd;
    });
    std::vector<CPageRange> merged;
    for (const CPageRange& r : aRanges) {
        if (!merged.empty() && r.nStart < merged.back().nEnd)
            merged.back().nEnd = std::max(merged.back().nEnd, r.nEnd);
        else
            merged.push_back(r);
    }
    return merged;
}

// Builds the highlighted page in one pass. A range may widen back over an
// article's font tag that ends just before it (blanks between), but never
// into text an earlier range has already been cut at: that tag must begin
// where the earlier range ended or after.
std::u16string ApplyHighlights(std::u16string_view page, std::span<const CPageRange> aRanges,
                               std::u16string_view strHighlightTag,
                               std::span<const std::u16string> aOwnTags) {
    std::u16string out;
    out.reserve(page.size() + aRanges.size() * (strHighlightTag.size() + html::kFontEnd.size()));
    CPageTags tags(page);
    size_t nCopied = 0;
    for (const CPageRange& range : aRanges) {
        const size_t nStart = std::clamp(range.nStart, nCopied, page.size());
        const size_t nEnd = std::clamp(range.nEnd, nStart, page.size());
        if (nEnd == nStart) continue;
        size_t nTagStart = nStart;
        size_t i = nStart;
        while (i > nCopied && IsBlank(page[i - 1]))
            --i;
        if (i > nCopied && page[i - 1] == u'>') {
            const auto nLt = tags.TagClosedAt(i - 1);
            if (nLt && *nLt >= nCopied &&
                IsArticleFontTag(NormalisedTag(page.substr(*nLt, i - *nLt)), aOwnTags))
                nTagStart = *nLt;
        }
        out.append(page.substr(nCopied, nTagStart - nCopied));
        out += strHighlightTag;
        out.append(page.substr(nTagStart, nEnd - nTagStart));
        out += html::kFontEnd;
        nCopied = nEnd;
    }
    out.append(page.substr(nCopied));
    return out;
}
