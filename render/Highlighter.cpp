#include "render/Highlighter.h"

#include <algorithm>
#include <optional>

#include "render/HtmlFragments.h"

namespace {

// An article's own font tag is short; looking further back than this for its
// "<" would only make a long run of text without tags cost a rescan per match.
constexpr size_t kMaxTagLength = 4096;

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

// When the text just before nPos (blanks skipped) closes a tag, the position
// of its "<" and the tag in normalised form.
std::optional<std::pair<size_t, std::u16string>> TagBefore(std::u16string_view text, size_t nPos) {
    size_t i = nPos;
    while (i > 0 && IsBlank(text[i - 1]))
        --i;
    if (i == 0 || text[i - 1] != u'>') return std::nullopt;
    const size_t nClose = i - 1;
    const size_t nLimit = nClose > kMaxTagLength ? nClose - kMaxTagLength : 0;
    for (size_t j = nClose + 1; j-- > nLimit;) {
        if (text[j] == u'<') return std::pair{j, NormalisedTag(text.substr(j, nClose + 1 - j))};
    }
    return std::nullopt;
}

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

// Builds the highlighted page in one pass. What lies before a range's start
// in the growing output is exactly what the page with every earlier range
// highlighted holds there, so the tag look-back sees the same text as an
// insert-and-shift walk would.
std::u16string ApplyHighlights(std::u16string_view page, std::span<const CPageRange> aRanges,
                               std::u16string_view strHighlightTag,
                               std::span<const std::u16string> aOwnTags) {
    std::u16string out;
    out.reserve(page.size() + aRanges.size() * (strHighlightTag.size() + html::kFontEnd.size()));
    size_t nCopied = 0;
    for (const CPageRange& range : aRanges) {
        const size_t nStart = std::clamp(range.nStart, nCopied, page.size());
        const size_t nEnd = std::clamp(range.nEnd, nStart, page.size());
        if (nEnd == nStart) continue;
        out.append(page.substr(nCopied, nStart - nCopied));
        size_t nInsertAt = out.size();
        if (auto tag = TagBefore(out, out.size()); tag && IsArticleFontTag(tag->second, aOwnTags))
            nInsertAt = tag->first;
        out.insert(nInsertAt, strHighlightTag);
        out.append(page.substr(nStart, nEnd - nStart));
        out += html::kFontEnd;
        nCopied = nEnd;
    }
    out.append(page.substr(nCopied));
    return out;
}
