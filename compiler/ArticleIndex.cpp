// CArticleIndex: the per-article state machine over the tokens.
#include "ArticleIndex.h"

#include "SourceText.h"
#include "core/CharTables.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "dictformat/DictCommon.h"

struct CArticleIndex::ParseState {
    bool bCaption = false;
    bool bComment = false;
    bool bNoIndex = false;
    bool bIndexing = true;
    bool bRight = false;
    bool bFirstInPart = true;
    bool bFirstWord = true;
    bool bDone = false;  // "</h>" ends the scan
    int32_t nPos = 0;
    ArticleToken token;
};

void CArticleIndex::SetParseSettings(std::u16string_view strPartsSep,
                                     std::u16string_view strLineEnd, int32_t nIndexArea) {
    m_strPartsSep.assign(strPartsSep);
    m_strLineEnd.assign(strLineEnd);
    m_nIndexArea = nIndexArea;
}

void CArticleIndex::Reset() {
    m_strText.clear();
    m_markup = CMarkupScanner(m_strText);
    m_bCaption = false;
    m_record = kEmptyRecord;
    m_nTextBeg = 0;
    ClearError();
}

void CArticleIndex::SetArticle(std::u16string_view strText, int32_t nBegin, int32_t nEnd) {
    SetArticle(std::u16string(strText), nBegin, nEnd);
}

void CArticleIndex::SetArticle(std::u16string&& strText, int32_t nBegin, int32_t nEnd) {
    // A swap keeps both buffers alive from article to article.
    m_strText.swap(strText);
    strText.clear();
    m_markup = CMarkupScanner(m_strText);
    m_nTextBeg = nBegin;
    m_record.nLeftBeg = nBegin;
    m_record.nLeftEnd = -1;
    m_record.nRightBeg = -1;
    m_record.nRightEnd = nEnd;
}

void CArticleIndex::ReplaceText(std::u16string strText) {
    m_strText = std::move(strText);
    m_markup = CMarkupScanner(m_strText);
}

bool CArticleIndex::Fail(int nTextId) {
    SetError(FormatTextId(nTextId));
    return false;
}

bool CArticleIndex::Fail(int nTextId, std::u16string_view strArg) {
    SetError(FormatTextId(nTextId, {strArg}));
    return false;
}

bool CArticleIndex::ParseArticle(ParseContext& ctx, CIndexWordSink* pSink) {
    ClearError();
    ParseState st;
    st.bIndexing = m_nIndexArea != INDEX_AREA_RIGHT;
    while (!st.bDone) {
        // The left part is always scanned: its tags are checked even when
        // only the right part is indexed.
        const bool bCutWords = !st.bRight || st.bIndexing;
        const int nType = NextToken(st.nPos, bCutWords, ctx.nLine, st.token);
        if (nType == TOKEN_FAIL) return false;
        if (nType == TOKEN_END) break;
        if (!OnParseToken(st, ctx, pSink)) return false;
    }
    // An open tag pair is reported rather than an open caption.
    if (st.bComment || st.bNoIndex) return FailOpenPair(st);
    if (st.bCaption) return Fail(IDS_CAPTION_NOT_CLOSED);
    if (pSink) pSink->EndOfPart(*this);
    m_record.nGroupCaption = ctx.nCurGroup;
    return true;
}

bool CArticleIndex::OnParseToken(ParseState& st, ParseContext& ctx, CIndexWordSink* pSink) {
    switch (st.token.nType) {
        case TOKEN_WORD:
            return OnWord(st, ctx, pSink);
        case TOKEN_PARTS_SEP:
            return OnPartsSeparator(st, pSink);
        case TOKEN_CAPTION_OPEN:
            return OnCaptionOpen(st, ctx);
        case TOKEN_CAPTION_CLOSE:
            return OnCaptionClose(st);
        default:
            break;
    }
    // Comment and no-index tags mean nothing inside a caption.
    if (st.bCaption) return true;
    switch (st.token.nType) {
        case TOKEN_COMMENT_OPEN:
        case TOKEN_COMMENT_CLOSE:
            return SetPairedTag(st.bComment, st.token.nType == TOKEN_COMMENT_OPEN,
                                IDS_COMMENT_TWICE, IDS_COMMENT_TAG_MISSING, u"<i>");
        case TOKEN_NOINDEX_OPEN:
        case TOKEN_NOINDEX_CLOSE:
            return SetPairedTag(st.bNoIndex, st.token.nType == TOKEN_NOINDEX_OPEN,
                                IDS_NO_INDEX_TWICE, IDS_NO_INDEX_TAG_MISSING, u"<noindex>");
        default:
            return true;
    }
}

bool CArticleIndex::SetPairedTag(bool& bInside, bool bOpening, int nTwiceId, int nMissingId,
                                 std::u16string_view strTag) {
    // A second opening tag, or a closing tag with nothing open, is an error.
    if (bInside == bOpening) return Fail(bOpening ? nTwiceId : nMissingId, strTag);
    bInside = bOpening;
    return true;
}

bool CArticleIndex::FailOpenPair(const ParseState& st) {
    // With both open, the no-index tag is the one reported.
    if (st.bNoIndex) return Fail(IDS_NO_INDEX_TAG_MISSING, u"</noindex>");
    return Fail(IDS_COMMENT_TAG_MISSING, u"</i>");
}

bool CArticleIndex::OnWord(ParseState& st, ParseContext& ctx, CIndexWordSink* pSink) {
    if (st.bCaption || st.bComment || st.bNoIndex || !st.bIndexing) return true;
    const ArticleToken& token = st.token;
    const int32_t nSpan = token.nEnd - token.nBegin;
    if (nSpan > kMaxWordSpan) {
        std::u16string strShown = token.strText;
        if (token.bTruncated) strShown += u"...";
        return Fail(IDS_WORD_TOO_LONG, strShown);
    }
    IndexWord word;
    word.strText = token.strText;
    word.nWordNumber = ctx.nWordNumber;
    word.nPosition = m_nTextBeg + token.nBegin;
    word.nSpan = nSpan;
    word.nArticle = ctx.nArticle;
    word.nFlags = static_cast<uint8_t>((st.bRight ? gmd::WORD_RIGHT_PART : 0) |
                                       (st.bFirstInPart ? gmd::WORD_FIRST_IN_PART : 0));
    if (pSink && !pSink->AddIndexWord(*this, word)) return false;
    if (st.bFirstWord) {
        // Articles sort by the first two letters of their first index word.
        const uint32_t u0 = ToUpperSymb(token.strText[0]);
        const uint32_t u1 = token.strText.size() > 1 ? ToUpperSymb(token.strText[1]) : 0;
        m_record.nSortKey = static_cast<int32_t>((u0 << 16) | u1);
        st.bFirstWord = false;
    }
    st.bFirstInPart = false;
    ++ctx.nWordNumber;
    return true;
}

bool CArticleIndex::OnPartsSeparator(ParseState& st, CIndexWordSink* pSink) {
    // An open tag pair is reported rather than a second separator.
    if (st.bComment || st.bNoIndex) return FailOpenPair(st);
    if (st.bRight) return Fail(IDS_PARTS_SEPARATOR_TWICE, m_strPartsSep);
    m_record.nLeftBeg = m_nTextBeg;
    m_record.nLeftEnd = m_nTextBeg + st.token.nBegin;
    m_record.nRightBeg = m_nTextBeg + st.token.nEnd;
    if (pSink) pSink->EndOfPart(*this);
    st.bFirstInPart = true;
    st.bRight = true;
    // A caption's right part is still scanned, or its "</h>" would be missed.
    st.bIndexing = !(m_nIndexArea == INDEX_AREA_LEFT && !st.bCaption);
    return true;
}

bool CArticleIndex::OnCaptionOpen(ParseState& st, ParseContext& ctx) {
    if (st.bCaption) return Fail(IDS_CAPTION_TWICE);
    st.bCaption = true;
    m_bCaption = true;
    ctx.nCurGroup = ctx.nArticle;
    const ArticleToken& token = st.token;
    if (!IsBlankText(std::u16string_view(m_strText).substr(0, token.nBegin))) {
        return Fail(IDS_CAPTION_EXTRA_SYMBOLS);
    }
    m_nTextBeg += token.nEnd;
    m_record.nLeftBeg = m_nTextBeg;
    ReplaceText(m_strText.substr(token.nEnd));
    st.nPos = 0;
    return true;
}

bool CArticleIndex::OnCaptionClose(ParseState& st) {
    if (!st.bCaption) return Fail(IDS_CAPTION_TAG_MISSING, u"<h>");
    const ArticleToken& token = st.token;
    if (!IsBlankText(std::u16string_view(m_strText).substr(token.nEnd))) {
        return Fail(IDS_CAPTION_EXTRA_SYMBOLS);
    }
    m_record.nRightEnd = m_nTextBeg + token.nBegin;
    ReplaceText(m_strText.substr(0, token.nBegin));
    st.bCaption = false;
    st.bDone = true;
    return true;
}
