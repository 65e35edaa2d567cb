#include "ArticlePass.h"

#include "SourceText.h"

ArticlePassResult RunArticlePass(CDictSource& source, CArticleIndex& article, ParseContext& ctx,
                                 CIndexWordSink* pSink, CArticlePassObserver* pObserver) {
    ArticlePassResult result;
    article.SetParseSettings(source.GetSeparators().strPartsSep, source.GetLineEndString(),
                             source.GetIndexArea());
    std::u16string strText;
    int32_t nBegin = 0;
    int32_t nEnd = 0;
    int32_t nFirstLine = 0;
    auto fail = [&](int32_t nLine, std::u16string_view strMessage) {
        result.nOutcome = ArticlePassResult::FAILED;
        result.nLine = nLine;
        result.strError = LineErrorText(nLine, strMessage);
        result.strMessage = strMessage;
    };
    while (true) {
        if (pObserver && pObserver->IsAborted()) {
            result.nOutcome = ArticlePassResult::ABORTED;
            break;
        }
        if (!source.ReadNextArticle(strText, nBegin, nEnd, nFirstLine)) {
            if (!source.GetError().empty()) fail(source.GetReadPos().nLine, source.GetError());
            break;
        }
        if (pObserver) pObserver->OnProgress(source.GetReadPos().nBytePos);
        const size_t nFirst = strText.find_first_not_of(u" \t");
        const bool bDollar = nFirst != std::u16string::npos && strText[nFirst] == u'$';
        article.Reset();
        article.SetArticle(std::move(strText), nBegin, nEnd);
        ctx.nLine = nFirstLine;
        if (!article.ParseArticle(ctx, pSink) || (pObserver && !pObserver->OnArticle(article))) {
            fail(ctx.nLine, article.GetError());
            break;
        }
        if (bDollar) result.startingWithDollar.Add(nFirstLine);
        if (!article.IsCaption() && article.GetRecord().nLeftEnd < 0) {
            result.withoutPartsSeparator.Add(nFirstLine);
        }
        ++ctx.nArticle;
    }
    result.nArticles = ctx.nArticle;
    result.nWords = ctx.nWordNumber;
    return result;
}

ArticlePassResult CheckSourceFile(std::u16string_view strPath, const CSeparatorSettings& settings) {
    ArticlePassResult result;
    result.nOutcome = ArticlePassResult::FAILED;
    if (!CheckSeparatorSettings(settings, result.strError)) return result;
    CDictSource source;
    if (!source.OpenUnicode(strPath)) {
        result.strError = source.GetError();
        return result;
    }
    source.SetSeparators(settings);
    if (!source.ReadHeader()) {
        result.nLine = source.GetReadPos().nLine;
        result.strError = LineErrorText(result.nLine, source.GetError());
        result.strMessage = source.GetError();
        return result;
    }
    CArticleIndex article;
    ParseContext ctx;
    return RunArticlePass(source, article, ctx);
}
