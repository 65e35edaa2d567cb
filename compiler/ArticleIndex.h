// One article of a source being parsed: the tokenizer, the per-article state
// machine that checks tags and separators, and the record kept per article.
//
// Indexing hook. The parser decides which words are index words; what is
// done with them is not its business. ParseArticle hands every accepted index
// word, in source order, to a CIndexWordSink (text, running word number,
// position, span, article, part and first-in-part flags) and tells the sink
// when a part ends, so that the last word handed over can be marked as the
// last of its part. Without a sink the parse only checks (the check pass);
// the build pass passes the sink that makes the word objects. Both passes
// apply the same rules at the same lines, so a source that passes the check
// pass fails the build pass only when the sink fails.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/MyObject.h"
#include "dictformat/GmdLayout.h"
#include "dictformat/MarkupScanner.h"

// Results of CArticleIndex::NextToken.
enum : int {
    TOKEN_FAIL = -1,  // the error is in the article's error text
    TOKEN_END = 0,
    TOKEN_WORD = 1,
    TOKEN_PARTS_SEP = 2,
    TOKEN_CAPTION_OPEN = 3,   // <h>
    TOKEN_CAPTION_CLOSE = 4,  // </h>
    TOKEN_COMMENT_OPEN = 5,   // <i>
    TOKEN_COMMENT_CLOSE = 6,  // </i>
    TOKEN_NOINDEX_OPEN = 7,   // <noindex>
    TOKEN_NOINDEX_CLOSE = 8,  // </noindex>
};

// Index words longer than this (in source units, markup and references
// included) are refused.
inline constexpr int32_t kMaxWordSpan = 255;

struct ArticleToken {
    int nType = TOKEN_END;
    // A word's units with references decoded and markup left out, in the
    // case written. Words whose units outnumber kMaxWordSpan keep only the
    // first kMaxWordSpan + 1 of them (they are too long to index anyway).
    std::u16string strText;
    // Source units [nBegin, nEnd) of the article text that the token covers.
    int32_t nBegin = 0;
    int32_t nEnd = 0;
    bool bTruncated = false;  // strText holds only the first units of the word
};

// One accepted index word.
struct IndexWord {
    // As ArticleToken::strText, not upper-cased; valid only during the call.
    std::u16string_view strText;
    int32_t nWordNumber = 0;  // running number in the whole source, from 0
    int32_t nPosition = 0;    // of the first unit, from the start of the source text
    int32_t nSpan = 0;        // 1 .. kMaxWordSpan
    int32_t nArticle = 0;     // index of the article that holds it
    uint8_t nFlags = 0;       // gmd::WORD_RIGHT_PART, gmd::WORD_FIRST_IN_PART
};

class CArticleIndex;

// Receives the index words of the articles being parsed (see the top of
// this file).
class CIndexWordSink {
public:
    virtual ~CIndexWordSink() = default;
    // A false result stops the parse; the sink leaves the reason in the
    // article's error text (SetError).
    virtual bool AddIndexWord(CArticleIndex& article, const IndexWord& word) = 0;
    // Called at the parts separator and when the article has been parsed
    // without error: the last word this article handed over so far (if any)
    // is the last of its part.
    virtual void EndOfPart(CArticleIndex& article) = 0;
};

// What travels from article to article through a pass.
struct ParseContext {
    int32_t nLine = 1;        // in: the article's first line; out: the line reached (of the fault)
    int32_t nWordNumber = 0;  // running word number, one up per accepted index word
    int32_t nCurGroup = -1;   // current group caption; a caption article makes it its own index
    int32_t nArticle = 0;     // index of this article: the number of articles accepted before it
};

class CArticleIndex : public CMyObject {
public:
    CArticleIndex() = default;
    CArticleIndex(const CArticleIndex&) = delete;
    CArticleIndex& operator=(const CArticleIndex&) = delete;

    // The source's article parts separator and line end, and the index area
    // of its header. Kept across Reset.
    void SetParseSettings(std::u16string_view strPartsSep, std::u16string_view strLineEnd,
                          int32_t nIndexArea);

    // Text empty, caption flag false, part positions 0, group caption -1,
    // sort key 0, error text empty.
    void Reset();
    // The article's text and where it stands in the source: left part
    // [nBegin, -1], right part [-1, nEnd]. The second form takes the text
    // and leaves strText empty (holding the previous article's buffer).
    void SetArticle(std::u16string_view strText, int32_t nBegin, int32_t nEnd);
    void SetArticle(std::u16string&& strText, int32_t nBegin, int32_t nEnd);

    // Runs the article's state machine over its tokens. Accepted index
    // words go to pSink when one is given. On failure the message is in the
    // error text and ctx.nLine is the line of the fault.
    bool ParseArticle(ParseContext& ctx, CIndexWordSink* pSink = nullptr);

    // The next token from nPos on (relative to the article text), counting
    // the line ends it passes into nLine. With bCutWords false only line
    // ends and the parts separator are seen. Returns the token type,
    // TOKEN_END, or TOKEN_FAIL with the error text set.
    int NextToken(int32_t& nPos, bool bCutWords, int32_t& nLine, ArticleToken& token);

    const std::u16string& GetText() const { return m_strText; }
    bool IsCaption() const { return m_bCaption; }
    const gmd::ArticleRecord& GetRecord() const { return m_record; }

private:
    struct ParseState;

    bool OnParseToken(ParseState& st, ParseContext& ctx, CIndexWordSink* pSink);
    bool OnWord(ParseState& st, ParseContext& ctx, CIndexWordSink* pSink);
    bool OnPartsSeparator(ParseState& st, CIndexWordSink* pSink);
    bool OnCaptionOpen(ParseState& st, ParseContext& ctx);
    bool OnCaptionClose(ParseState& st);
    // Enters or leaves a tag pair such as "<i>"..."</i>".
    bool SetPairedTag(bool& bInside, bool bOpening, int nTwiceId, int nMissingId,
                      std::u16string_view strTag);
    // The fault of a comment or no-index tag left open where a part ends.
    bool FailOpenPair(const ParseState& st);
    bool Fail(int nTextId);
    bool Fail(int nTextId, std::u16string_view strArg);
    // Continues the parse on another text (a caption drops what lies
    // outside its tags).
    void ReplaceText(std::u16string strText);

    int ReadTag(size_t nLt, size_t& nTagEnd);
    bool StartsWith(size_t nPos, std::u16string_view strWhat) const;
    int32_t CountLineEnds(size_t nBeg, size_t nEnd) const;

    std::u16string m_strText;
    bool m_bCaption = false;
    // Until an article is set, its parts are all 0.
    static constexpr gmd::ArticleRecord kEmptyRecord{0, 0, 0, 0, -1, 0};
    gmd::ArticleRecord m_record = kEmptyRecord;

    // Where the current text starts in the source (moves behind "<h>").
    int32_t m_nTextBeg = 0;
    CMarkupScanner m_markup;  // over m_strText

    std::u16string m_strPartsSep{u"##:##"};
    std::u16string m_strLineEnd{u"\r\n"};
    int32_t m_nIndexArea = INDEX_AREA_BOTH;
};
