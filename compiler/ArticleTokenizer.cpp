// CArticleIndex::NextToken: words, the six tags, other markup, character
// references, line ends and the parts separator.
//
// Where a tag or a reference ends is the markup scanner's answer, which keeps
// a whole article linear in its length however many "<" and "&" it holds;
// which tags count, and what they do to words, is decided here.
#include "ArticleIndex.h"

#include "core/CharTables.h"
#include "core/StringTable.h"
#include "core/TextIds.h"

namespace {

constexpr int kTagOther = 0;    // markup the shell shows; words go on across it
constexpr int kTagBreak = 100;  // "<br>": ends a word like white space

struct TagName {
    std::u16string_view strTag;
    int nType;
};

constexpr TagName kTags[] = {
    {u"<h>", TOKEN_CAPTION_OPEN},       {u"</h>", TOKEN_CAPTION_CLOSE},
    {u"<i>", TOKEN_COMMENT_OPEN},       {u"</i>", TOKEN_COMMENT_CLOSE},
    {u"<noindex>", TOKEN_NOINDEX_OPEN}, {u"</noindex>", TOKEN_NOINDEX_CLOSE},
};

bool IsBreakTag(std::u16string_view strTag) {
    if (strTag.size() != 4 || strTag[0] != u'<' || strTag[3] != u'>') return false;
    return (strTag[1] == u'b' || strTag[1] == u'B') && (strTag[2] == u'r' || strTag[2] == u'R');
}

// Below the first ideographic range (Thai) nothing is an ideograph.
constexpr char16_t kFirstIdeogram = 0x0E01;

}  // namespace

bool CArticleIndex::StartsWith(size_t nPos, std::u16string_view strWhat) const {
    return !strWhat.empty() &&
           std::u16string_view(m_strText).substr(nPos, strWhat.size()) == strWhat;
}

int32_t CArticleIndex::CountLineEnds(size_t nBeg, size_t nEnd) const {
    const std::u16string_view text = std::u16string_view(m_strText).substr(nBeg, nEnd - nBeg);
    int32_t nCount = 0;
    for (size_t i = text.find(m_strLineEnd); i != std::u16string_view::npos;
         i = text.find(m_strLineEnd, i + m_strLineEnd.size())) {
        ++nCount;
    }
    return nCount;
}

// The tag that opens at nLt: its type, kTagOther or kTagBreak with nTagEnd at
// its ">", or TOKEN_FAIL when it has no ">" before the next "<" or the next
// parts separator.
int CArticleIndex::ReadTag(size_t nLt, size_t& nTagEnd) {
    const std::u16string_view text = m_strText;
    const size_t j = m_markup.ClosedTagEnd(nLt);
    if (j == CMarkupScanner::npos) {
        Fail(IDS_OPEN_TAG);
        return TOKEN_FAIL;
    }
    if (!m_strPartsSep.empty()) {
        // Only separators that begin inside the tag matter.
        const std::u16string_view inside =
            text.substr(nLt + 1, j - nLt - 1 + m_strPartsSep.size() - 1);
        if (inside.find(m_strPartsSep) != std::u16string_view::npos) {
            Fail(IDS_OPEN_TAG);
            return TOKEN_FAIL;
        }
    }
    nTagEnd = j;
    const std::u16string_view strTag = text.substr(nLt, j - nLt + 1);
    for (const TagName& tag : kTags) {
        if (strTag == tag.strTag) return tag.nType;
    }
    return IsBreakTag(strTag) ? kTagBreak : kTagOther;
}

int CArticleIndex::NextToken(int32_t& nPos, bool bCutWords, int32_t& nLine, ArticleToken& token) {
    const std::u16string_view text = m_strText;
    const size_t n = text.size();
    token.nType = TOKEN_END;
    token.strText.clear();
    token.bTruncated = false;
    bool bPending = false;
    size_t nWordBeg = 0;
    size_t nWordEnd = 0;

    auto word = [&](size_t nNext) {
        token.nType = TOKEN_WORD;
        token.nBegin = static_cast<int32_t>(nWordBeg);
        token.nEnd = static_cast<int32_t>(nWordEnd);
        nPos = static_cast<int32_t>(nNext);
        return TOKEN_WORD;
    };
    auto tag = [&](int nType, size_t nBeg, size_t nEnd) {
        token.nType = nType;
        token.nBegin = static_cast<int32_t>(nBeg);
        token.nEnd = static_cast<int32_t>(nEnd);
        nPos = static_cast<int32_t>(nEnd);
        return nType;
    };

    const char16_t cLineEnd = m_strLineEnd.empty() ? u'\0' : m_strLineEnd[0];
    const char16_t cPartsSep = m_strPartsSep.empty() ? u'\0' : m_strPartsSep[0];
    size_t i = nPos < 0 ? 0 : static_cast<size_t>(nPos);
    while (i < n) {
        const char16_t u0 = text[i];
        if (bCutWords) {
            char16_t value = u0;
            const size_t nRefBeg = i;
            size_t nRefEnd = i;  // the ";" of a reference
            if (u0 == u'&') {
                EntityRef ref = m_markup.EntityAt(i);
                if (ref.kind == EntityRef::Kind::Error) {
                    SetError(ref.strMessage);
                    return TOKEN_FAIL;
                }
                if (ref.kind == EntityRef::Kind::Symbol) {
                    // A reference never opens or closes a tag.
                    value = (ref.nSymbol == u'<' || ref.nSymbol == u'>') ? u' ' : ref.nSymbol;
                    nRefEnd = ref.nSemicolon;
                }
            }
            const bool bWordSymb = IsWordSymb(value);
            // A non-word unit ends the pending word and is seen again by the
            // next call: it may be a line end or the parts separator.
            if (bPending && !bWordSymb && u0 != u'<') return word(nRefBeg);
            if (nRefEnd != nRefBeg) {
                nLine += CountLineEnds(nRefBeg, nRefEnd);
                i = nRefEnd;
            }
            if (bWordSymb) {
                if (!bPending) {
                    bPending = true;
                    nWordBeg = nRefBeg;
                }
                nWordEnd = i + 1;
                if (token.strText.size() <= static_cast<size_t>(kMaxWordSpan)) {
                    token.strText.push_back(value);
                } else {
                    token.bTruncated = true;
                }
                // An ideograph closes the word that includes it.
                if (value >= kFirstIdeogram && IsIdeogramSymb(value)) return word(i + 1);
            } else if (u0 == u'<') {
                size_t nTagEnd = 0;
                const int nTag = ReadTag(i, nTagEnd);
                if (nTag == TOKEN_FAIL) return TOKEN_FAIL;
                if (nTag != kTagOther && nTag != kTagBreak) {
                    // The tag is read again by the next call.
                    if (bPending) return word(i);
                    return tag(nTag, i, nTagEnd + 1);
                }
                nLine += CountLineEnds(i, nTagEnd);
                if (nTag == kTagBreak && bPending) return word(nTagEnd + 1);
                i = nTagEnd + 1;
                continue;
            }
            if (nRefEnd != nRefBeg) {
                ++i;  // the ";" belongs to the reference
                continue;
            }
        }
        if (u0 == cLineEnd && StartsWith(i, m_strLineEnd)) {
            ++nLine;
            i += m_strLineEnd.size();
            continue;
        }
        if (u0 == cPartsSep && StartsWith(i, m_strPartsSep)) {
            return tag(TOKEN_PARTS_SEP, i, i + m_strPartsSep.size());
        }
        ++i;
    }
    if (bPending) return word(n);
    nPos = static_cast<int32_t>(n);
    return TOKEN_END;
}
