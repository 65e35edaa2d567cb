#include "render/ResultPage.h"

#include <algorithm>
#include <vector>

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "render/Highlighter.h"
#include "render/HtmlFragments.h"
#include "render/PageTags.h"

namespace {

std::u16string Decimal(long long n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// Builds one page; every text read failure ends it with the reader's error.
class CPageBuilder {
public:
    CPageBuilder(const CResultPageRequest& request, const CViewSettings& settings,
                 const ArticleTextReader& readText)
        : m_request(request),
          m_tags(settings.m_nBaseFontSize),
          m_nLayout(settings.m_nLayout),
          m_bPartext(request.nFileType == FILE_TYPE_PARTEXT),
          m_bTableRows(m_bPartext || settings.m_nLayout == LAYOUT_TABLE),
          m_readText(readText) {}

    bool Build(std::u16string& strPage, std::u16string& strError);

private:
    void AppendHead();
    void AppendHeaderLine();
    bool AppendArticle(const CSearchResult& result);
    bool AppendCaption(const CSearchResult& result);
    bool AppendText(int nStart, int nEnd);
    void AddMatches(const CSearchResult& result, size_t nLeftBase, size_t nLeftLength,
                    size_t nRightBase, size_t nRightLength);

    const CResultPageRequest& m_request;
    const CPageTags m_tags;
    const int m_nLayout;
    const bool m_bPartext;
    const bool m_bTableRows;  // one table row per article, cells side by side
    const ArticleTextReader& m_readText;
    std::u16string m_strPage;
    std::u16string m_strError;
    std::u16string m_strPiece;
    std::vector<CPageRange> m_aHighlights;
};

bool CPageBuilder::Build(std::u16string& strPage, std::u16string& strError) {
    AppendHead();
    AppendHeaderLine();
    m_strPage += m_bTableRows ? html::kBorderedTable : html::kPlainTable;
    bool bOk = true;
    m_request.pResults->ForEachOnPage(m_request.nPage, [&](const CSearchResult& result, int) {
        if (bOk) bOk = AppendArticle(result);
    });
    if (!bOk) {
        strError = m_strError;
        return false;
    }
    m_strPage += html::kTableEnd;
    const std::u16string aOwnTags[] = {m_tags.m_strBody, m_tags.m_strHeading, m_tags.m_strCaption};
    strPage = ApplyHighlights(m_strPage, MergeRanges(std::move(m_aHighlights)),
                              m_tags.m_strHighlight, aOwnTags);
    strPage += html::kBodyEnd;
    return true;
}

void CPageBuilder::AppendHead() {
    m_strPage += html::kHeadStart;
    m_strPage += Decimal(m_tags.m_nBaseSize);
    m_strPage += html::kFontMiddle;
    m_strPage += u"black";
    m_strPage += html::kBaseStart;
    m_strPage += m_request.strProgramFolder;
    m_strPage += html::kHeadEnd;
    m_strPage += html::kBodyStart;
}

void CPageBuilder::AppendHeaderLine() {
    const int nTotal = m_request.nTotal;
    const int nPage = m_request.nPage;
    m_strPage += FormatTextId(IDS_PAGE_HEADER,
                              {m_tags.m_strHeading, m_request.strDisplayName, Decimal(nPage + 1L),
                               Decimal(GetPageCount(nTotal)), Decimal(GetPageFirstArticle(nPage)),
                               Decimal(GetPageLastArticle(nPage, nTotal)), Decimal(nTotal)});
}

bool CPageBuilder::AppendArticle(const CSearchResult& result) {
    if (m_bPartext) {
        m_strPage += html::kTopRow;
        m_strPage += m_tags.m_strBody;
    } else if (m_nLayout == LAYOUT_TABLE) {
        m_strPage += html::kTopRow;
        m_strPage += m_tags.m_strHeading;
    } else {
        m_strPage += html::kRow;
        m_strPage += m_nLayout == LAYOUT_SEPARATED ? u"<HR>" : u"<BR>";
        m_strPage += m_tags.m_strHeading;
    }
    const bool bSplit = result.HasSplit();
    const size_t nLeftBase = m_strPage.size();
    if (!AppendText(result.m_nLeftStart, bSplit ? result.m_nLeftEnd : result.m_nRightEnd))
        return false;
    const size_t nLeftLength = m_strPage.size() - nLeftBase;
    m_strPage += m_bTableRows ? html::kNextCell : html::kIndent;
    m_strPage += m_tags.m_strBody;
    const size_t nRightBase = m_strPage.size();
    if (bSplit && !AppendText(result.m_nRightStart, result.m_nRightEnd)) return false;
    const size_t nRightLength = m_strPage.size() - nRightBase;
    if (!m_bTableRows) m_strPage += html::kIndentEnd;
    if (!AppendCaption(result)) return false;
    AddMatches(result, nLeftBase, nLeftLength, nRightBase, nRightLength);
    return true;
}

bool CPageBuilder::AppendCaption(const CSearchResult& result) {
    if (!result.HasCaption()) {
        if (m_bTableRows) m_strPage += html::kRowEnd;
        return true;
    }
    m_strPage += m_bTableRows ? html::kNextCell : html::kRow;
    m_strPage += m_tags.m_strCaption;
    if (result.CaptionHasSplit()) {
        if (!AppendText(result.m_nCaptionLeftStart, result.m_nCaptionLeftEnd)) return false;
        m_strPage += html::kCaptionSplit;
        if (!AppendText(result.m_nCaptionRightStart, result.m_nCaptionRightEnd)) return false;
    } else if (!AppendText(result.m_nCaptionLeftStart, result.m_nCaptionRightEnd)) {
        return false;
    }
    m_strPage += html::kRowEnd;
    return true;
}

bool CPageBuilder::AppendText(int nStart, int nEnd) {
    m_strPiece.clear();
    if (!m_readText(nStart, nEnd, m_strPiece, m_strError)) return false;
    m_strPage += m_strPiece;
    return true;
}

// A match maps onto the page by plain offset arithmetic, since the text is
// copied one to one. It is kept inside the text of its part, so a damaged
// record can never put a tag into the page's own markup.
void CPageBuilder::AddMatches(const CSearchResult& result, size_t nLeftBase, size_t nLeftLength,
                              size_t nRightBase, size_t nRightLength) {
    for (const CMatchSpan& span : result.m_aSpans) {
        const bool bLeft = !result.HasSplit() || span.nStart < result.m_nRightStart;
        const long long nBase = static_cast<long long>(bLeft ? nLeftBase : nRightBase);
        const long long nLength = static_cast<long long>(bLeft ? nLeftLength : nRightLength);
        const long long nOrigin = bLeft ? result.m_nLeftStart : result.m_nRightStart;
        const long long nStart = std::clamp(span.nStart - nOrigin, 0LL, nLength);
        const long long nEnd = std::clamp(span.nEnd - nOrigin, nStart, nLength);
        m_aHighlights.push_back(
            {static_cast<size_t>(nBase + nStart), static_cast<size_t>(nBase + nEnd)});
    }
}

}  // namespace

bool CResultPageRenderer::RenderResultPage(const CResultPageRequest& request,
                                           const ArticleTextReader& readText,
                                           std::u16string& strPage) {
    strPage.clear();
    if (request.pResults == nullptr) {
        SetError(InternalError(u"CResultPageRenderer::RenderResultPage", u"No results"));
        return false;
    }
    std::u16string strError;
    CPageBuilder builder(request, m_settings, readText);
    if (!builder.Build(strPage, strError)) {
        strPage.clear();
        SetError(strError);
        return false;
    }
    return true;
}
