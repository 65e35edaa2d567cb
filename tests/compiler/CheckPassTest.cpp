// The check pass over whole sources: every source fault is reported as the
// author sees it, "Error in file, line N", CR LF and the message.
#include <gtest/gtest.h>

#include "ParserTestUtil.h"
#include "compiler/ArticlePass.h"
#include "core/Utf8.h"
#include "support/TextSets.h"

namespace {

struct CheckCase {
    const char* pszName;
    std::u16string strSource;
    std::u16string strError;  // full text; empty when the source passes
    int32_t nArticles = 0;    // when it passes
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.pszName;
}

class CheckPassTest : public ::testing::TestWithParam<CheckCase> {
protected:
    CTempDir m_dir;
};

TEST_P(CheckPassTest, ReportsLikeTheCompiler) {
    const CheckCase& c = GetParam();
    const std::u16string strPath =
        m_dir.Write("source.txt", EncodeText(c.strSource, TextEncoding::Utf8));
    const ArticlePassResult result = CheckSourceFile(strPath, CSeparatorSettings());
    EXPECT_EQ(ToUtf8(result.strError), ToUtf8(c.strError)) << c.pszName;
    if (c.strError.empty()) {
        EXPECT_EQ(result.nOutcome, ArticlePassResult::DONE) << c.pszName;
        EXPECT_EQ(result.nArticles, c.nArticles) << c.pszName;
    } else {
        EXPECT_EQ(result.nOutcome, ArticlePassResult::FAILED) << c.pszName;
    }
}

const std::u16string kHeader = u"$NAME: Test\r\n$INDEX: BOTH\r\n\r\n";  // 3 lines

std::u16string At(int nLine, std::u16string_view strMessage) {
    return u"Error in file, line " + FromUtf8(std::to_string(nLine)) + u"\r\n" +
           std::u16string(strMessage);
}

const CheckCase kCheckCases[] = {
    {"good source", kHeader + u"a ##:## b\r\n\r\n<h>Group</h>\r\n\r\nc ##:## d\r\n", u"", 3},
    {"header only", u"$NAME: x\r\n$MORPH: English(R)\r\n", u"", 0},
    {"41334", u"$NAME: x\r\n$AUTHOR: y\r\nz", At(2, u"Error recording keyword '$AUTHOR:'")},
    {"41343", u"\r\n$MORPH: " + std::u16string(300, u'x'),
     At(2, u"The parameter for keyword ' $MORPH:' contains more than 255 symbols")},
    {"41312", u"$FILE_TYPE: TEXT", At(1, u"Wrong file type: 'TEXT'")},
    {"41313", u"$DICT_TYPE: MINE", At(1, u"Wrong dictionary type: 'MINE'")},
    {"41335", u"$INDEX: MIDDLE", At(1, u"Wrong index area record: 'MIDDLE'")},
    {"41336", u"$MORPH: Russian-1",
     At(1, u"Error recording language for morphological analysis 'Russian-1'")},
    {"41322", kHeader + u"a\r\n\r\nb\r\nc < d", At(7, u"Open tag found")},
    {"41321", kHeader + u"a ##:## b\r\n\r\nword ##:## translation ##:## more",
     At(6, u"Excessive separator '##:##' for left and right parts of article")},
    {"41314", kHeader + u"<h>A\r\n<h>B</h>", At(5, u"Ambiguous caption of articles group")},
    {"41315", kHeader + u"x\r\n\r\n</h>", At(6, u"Tag '<h>' for articles group caption not found")},
    {"41316", kHeader + u"x <h>Group A</h>",
     At(4, u"Excessive symbols in line of articles group caption")},
    {"41308", kHeader + u"<h>Caption\r\nmore",
     At(5, u"Ending caption of articles group not found")},
    {"41317", kHeader + u"<i>a\r\n<i>b", At(5, u"Excessive tag '<i>'")},
    {"41318 close without open", kHeader + u"a</i>", At(4, u"Tag '<i>' for comment not found")},
    {"41318 open at the end", kHeader + u"<i>a\r\nb\r\n\r\nc",
     At(5, u"Tag '</i>' for comment not found")},
    {"41319", kHeader + u"<noindex><noindex>",
     At(4, u"Excessive tag '<noindex>' for 'no-index' text")},
    {"41320", kHeader + u"a ##:## b</noindex>",
     At(4, u"Tag '<noindex>' for 'no-index' text not found")},
    {"41337", kHeader + u"ok\r\n\r\n" + std::u16string(256, u'w'),
     At(6, u"The word '" + std::u16string(256, u'w') + u"' is more than 255 characters long")},
    {"41323", kHeader + u"&#xG;", At(4, u"Error in escape sequence '&#xG;'")},
    {"41324", kHeader + u"\r\n\r\n&#70000;",
     At(6, u"Value '&#70000;' in escape sequence does not represent a symbol code")},
    {"unclosed comment in a right part that is not indexed", u"$INDEX: LEFT\r\na ##:## <i>b", u"",
     1},
    {"fault in the last article", kHeader + u"a\r\n\r\nb\r\n\r\nc <", At(8, u"Open tag found")},
};

INSTANTIATE_TEST_SUITE_P(Table, CheckPassTest, ::testing::ValuesIn(kCheckCases), CaseNamer());

TEST(CheckPass, DecodingFaultAfterTheHeader) {
    CTempDir dir;
    const std::u16string strPath = dir.Write("bad.txt", "$NAME: x\r\na\r\n\r\nb\xC3\x41\r\n");
    const ArticlePassResult result = CheckSourceFile(strPath, CSeparatorSettings());
    EXPECT_EQ(result.nOutcome, ArticlePassResult::FAILED);
    EXPECT_EQ(ToUtf8(result.strError),
              "Error in file, line 4\r\nError processing text in UTF-8 character set (possibly the "
              "text is encoded using other character set or 4-bytes UTF-8)");
}

TEST(CheckPass, SeparatorsAreCheckedFirst) {
    const CTextSetGuard texts(TextSet::Compiler);
    CTempDir dir;
    const std::u16string strPath = dir.Write("s.txt", "a b");
    CSeparatorSettings settings;
    settings.strPartsSep = u"ab";
    const ArticlePassResult result = CheckSourceFile(strPath, settings);
    EXPECT_EQ(result.nOutcome, ArticlePassResult::FAILED);
    EXPECT_EQ(ToUtf8(result.strError),
              "Article parts separator error:\r\nThe article parts separator 'ab' must not begin "
              "with a letter, a digit, '&' or '<'");
}

TEST(CheckPass, EmptyFile) {
    CTempDir dir;
    const ArticlePassResult result = CheckSourceFile(dir.Write("e.txt", ""), CSeparatorSettings());
    EXPECT_EQ(result.nOutcome, ArticlePassResult::FAILED);
    EXPECT_EQ(ToUtf8(result.strError), "File is empty");
}

TEST(CheckPass, OtherSeparatorsAndCounts) {
    CTempDir dir;
    const std::u16string strPath = dir.Write("s.txt", "a | b\n===\nc | d e\n===\n<h>G</h>\n===\n");
    CSeparatorSettings settings;
    settings.nArticlesSepType = ARTICLES_SEP_OTHER;
    settings.strArticlesSep = u"\n===\n";
    settings.strPartsSep = u"|";
    const ArticlePassResult result = CheckSourceFile(strPath, settings);
    EXPECT_EQ(result.nOutcome, ArticlePassResult::DONE) << ToUtf8(result.strError);
    EXPECT_EQ(result.nArticles, 3);
    EXPECT_EQ(result.nWords, 5);
}

class CountingObserver : public CArticlePassObserver {
public:
    bool IsAborted() override { return m_nArticles >= m_nAbortAfter; }
    void OnProgress(int32_t nBytePos) override { m_nLastPos = nBytePos; }
    bool OnArticle(CArticleIndex& article) override {
        m_records.push_back(article.GetRecord());
        ++m_nArticles;
        return true;
    }
    int m_nAbortAfter = 1000;
    int m_nArticles = 0;
    int32_t m_nLastPos = 0;
    std::vector<gmd::ArticleRecord> m_records;
};

TEST(CheckPass, ObserverSeesRecordsProgressAndAborts) {
    CTempDir dir;
    const std::u16string strPath =
        dir.Write("s.txt", "$NAME: n\r\n<h>G</h>\r\n\r\nab ##:## c\r\n\r\nd\r\n");
    CDictSource source;
    ASSERT_TRUE(source.OpenUnicode(strPath));
    ASSERT_TRUE(source.ReadHeader());
    CArticleIndex article;
    ParseContext ctx;
    CountingObserver observer;
    const ArticlePassResult result = RunArticlePass(source, article, ctx, nullptr, &observer);
    EXPECT_EQ(result.nOutcome, ArticlePassResult::DONE);
    ASSERT_EQ(observer.m_records.size(), 3u);
    EXPECT_EQ(observer.m_records[0], (gmd::ArticleRecord{13, -1, -1, 14, 0, 0}));
    EXPECT_EQ(observer.m_records[1], (gmd::ArticleRecord{22, 25, 30, 32, 0, 4259906}));
    EXPECT_EQ(observer.m_records[2], (gmd::ArticleRecord{36, -1, -1, 37, 0, 0x440000}));
    EXPECT_EQ(observer.m_nLastPos, 39);

    CountingObserver aborting;
    aborting.m_nAbortAfter = 1;
    ASSERT_TRUE(source.ReadHeader());
    ParseContext ctx2;
    EXPECT_EQ(RunArticlePass(source, article, ctx2, nullptr, &aborting).nOutcome,
              ArticlePassResult::ABORTED);
    EXPECT_EQ(aborting.m_nArticles, 1);
}

}  // namespace
