// One pass over the articles of a source whose header has been read: every
// article is read, parsed and handed on, until the text ends or the first
// fault. The check pass runs it without a sink; the build pass with the sink
// that indexes the words and an observer that keeps each article.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ArticleIndex.h"
#include "DictSource.h"

class CArticlePassObserver {
public:
    virtual ~CArticlePassObserver() = default;
    // Asked before each article.
    virtual bool IsAborted() { return false; }
    // The byte position reached, after each article read.
    virtual void OnProgress(int32_t nBytePos) { (void)nBytePos; }
    // An article parsed without fault. A false result stops the pass with
    // the article's error text.
    virtual bool OnArticle(CArticleIndex& article) {
        (void)article;
        return true;
    }
};

// How many articles of a kind there are, and the first one's line.
struct ArticleTally {
    int32_t nCount = 0;
    int32_t nFirstLine = 0;

    void Add(int32_t nLine) {
        if (nCount++ == 0) nFirstLine = nLine;
    }
};

struct ArticlePassResult {
    enum Outcome { DONE, ABORTED, FAILED };
    Outcome nOutcome = DONE;
    int32_t nLine = 0;          // of the fault
    std::u16string strError;    // "Error in file, line %d", CR LF, the message
    std::u16string strMessage;  // the message alone
    int32_t nArticles = 0;      // accepted articles
    int32_t nWords = 0;         // running word number reached
    // Valid but probably not what the author meant: articles (captions
    // aside) without the parts separator, and articles whose first line
    // starts with "$" (a keyword line that lost its colon ends the header).
    ArticleTally withoutPartsSeparator;
    ArticleTally startingWithDollar;
};

// Runs the pass from the source's reading position. ctx carries the line,
// word number, group and article index across articles; nLine is taken from
// each article's first line.
ArticlePassResult RunArticlePass(CDictSource& source, CArticleIndex& article, ParseContext& ctx,
                                 CIndexWordSink* pSink = nullptr,
                                 CArticlePassObserver* pObserver = nullptr);

// Opens a source, checks the separators, reads the header and runs the check
// pass: what a compile does before it builds anything. Faults of opening
// and of the separators come back without a line.
ArticlePassResult CheckSourceFile(std::u16string_view strPath, const CSeparatorSettings& settings);
