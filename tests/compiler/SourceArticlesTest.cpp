// Cutting a source into articles with the three separator types.
#include <gtest/gtest.h>

#include "ParserTestUtil.h"
#include "compiler/DictSource.h"
#include "core/Utf8.h"

namespace {

struct Article {
    std::u16string strText;
    int32_t nBegin;
    int32_t nEnd;
    int32_t nLine;
    bool operator==(const Article&) const = default;
};

void PrintTo(const Article& a, std::ostream* os) {
    *os << "{\"" << ToUtf8(a.strText) << "\", " << a.nBegin << ", " << a.nEnd << ", line "
        << a.nLine << "}";
}

class SourceArticlesTest : public ::testing::Test {
protected:
    std::vector<Article> ReadAll(const std::string& bytes, int32_t nType = ARTICLES_SEP_DOUBLE_LINE,
                                 std::u16string_view strSep = u"") {
        m_source.Close();
        const std::u16string strPath = m_dir.Write("source.txt", bytes);
        EXPECT_TRUE(m_source.OpenUnicode(strPath)) << ToUtf8(m_source.GetError());
        CSeparatorSettings settings;
        settings.nArticlesSepType = nType;
        settings.strArticlesSep = strSep;
        m_source.SetSeparators(settings);
        EXPECT_TRUE(m_source.ReadHeader()) << ToUtf8(m_source.GetError());
        std::vector<Article> articles;
        Article a;
        while (m_source.ReadNextArticle(a.strText, a.nBegin, a.nEnd, a.nLine)) {
            articles.push_back(a);
            if (articles.size() > 1000) break;
        }
        return articles;
    }
    std::vector<Article> ReadAll(std::u16string_view text, int32_t nType = ARTICLES_SEP_DOUBLE_LINE,
                                 std::u16string_view strSep = u"",
                                 TextEncoding encoding = TextEncoding::Utf8) {
        return ReadAll(EncodeText(text, encoding), nType, strSep);
    }

    CTempDir m_dir;
    CDictSource m_source;
};

using Articles = std::vector<Article>;

TEST_F(SourceArticlesTest, DoubleLineFeed) {
    EXPECT_EQ(ReadAll(u"a\r\nb\r\n\r\nc"), (Articles{{u"a\r\nb", 0, 4, 1}, {u"c", 8, 9, 4}}));
    // Three line ends in a row give no empty article.
    EXPECT_EQ(ReadAll(u"a\r\n\r\n\r\nb\r\n"), (Articles{{u"a", 0, 1, 1}, {u"b", 7, 8, 4}}));
    // Empty lines in front are skipped; a line end before the end of the
    // file is not part of the article.
    EXPECT_EQ(ReadAll(u"\r\n\r\n\r\nx y\r\n"), (Articles{{u"x y", 6, 9, 4}}));
    // A separator at the end of the file.
    EXPECT_EQ(ReadAll(u"a\r\n\r\n"), (Articles{{u"a", 0, 1, 1}}));
    EXPECT_EQ(ReadAll(u"\r\n\r\n"), Articles{});
    // A line of blanks is no empty line.
    EXPECT_EQ(ReadAll(u"a\r\n \r\nb"), (Articles{{u"a\r\n \r\nb", 0, 7, 1}}));
}

TEST_F(SourceArticlesTest, SingleLineFeed) {
    EXPECT_EQ(ReadAll(u"a\r\n\r\nb c\r\nd", ARTICLES_SEP_LINE),
              (Articles{{u"a", 0, 1, 1}, {u"b c", 5, 8, 3}, {u"d", 10, 11, 4}}));
    EXPECT_EQ(ReadAll(u"a\r\n", ARTICLES_SEP_LINE), (Articles{{u"a", 0, 1, 1}}));
}

TEST_F(SourceArticlesTest, OtherSeparator) {
    EXPECT_EQ(ReadAll(u"a\r\nb@@c@@", ARTICLES_SEP_OTHER, u"@@"),
              (Articles{{u"a\r\nb", 0, 4, 1}, {u"c", 6, 7, 2}}));
    // The line end after a separator is an empty line in front of the next
    // article.
    EXPECT_EQ(ReadAll(u"a@@\r\nb\r\n", ARTICLES_SEP_OTHER, u"@@"),
              (Articles{{u"a", 0, 1, 1}, {u"b", 5, 6, 2}}));
    EXPECT_EQ(ReadAll(u"a\r\n----\r\nb", ARTICLES_SEP_OTHER, u"\r\n----\r\n"),
              (Articles{{u"a", 0, 1, 1}, {u"b", 9, 10, 3}}));
}

TEST_F(SourceArticlesTest, LineEndConventions) {
    EXPECT_EQ(ReadAll(u"a\nb\n\nc"), (Articles{{u"a\nb", 0, 3, 1}, {u"c", 5, 6, 4}}));
    EXPECT_EQ(ReadAll(u"a\rb\r\rc"), (Articles{{u"a\rb", 0, 3, 1}, {u"c", 5, 6, 4}}));
    // "a CR CR LF b" is a CR LF file, "a CR LF CR b" a CR file.
    EXPECT_EQ(ReadAll(u"a\r\r\nb\r\n\r\nc"), (Articles{{u"a\r\r\nb", 0, 5, 1}, {u"c", 9, 10, 4}}));
    EXPECT_EQ(ReadAll(u"a\r\n\rb", ARTICLES_SEP_LINE),
              (Articles{{u"a", 0, 1, 1}, {u"\n", 2, 3, 2}, {u"b", 4, 5, 3}}));
    // Without line ends the file is cut with CR LF.
    EXPECT_EQ(ReadAll(u"one article"), (Articles{{u"one article", 0, 11, 1}}));
}

TEST_F(SourceArticlesTest, ArticleStartingWithABareCr) {
    // (A file whose first line end is CR LF: "x CR LF CR ..." would be a CR file.)
    EXPECT_EQ(ReadAll(u"x\r\ny\r\n\r\n\rb"), (Articles{{u"x\r\ny", 0, 4, 1}, {u"\rb", 8, 10, 4}}));
}

TEST_F(SourceArticlesTest, AfterTheHeader) {
    EXPECT_EQ(ReadAll(u"$NAME: n\r\n\r\nword\r\n\r\nnext"),
              (Articles{{u"word", 12, 16, 3}, {u"next", 20, 24, 5}}));
}

TEST_F(SourceArticlesTest, Encodings) {
    const std::u16string text = u"\u0434\u043E\u043C ##:## house\r\n\r\n\u043A\u043E\u0442";
    const Articles expected{{u"\u0434\u043E\u043C ##:## house", 0, 15, 1},
                            {u"\u043A\u043E\u0442", 19, 22, 3}};
    for (TextEncoding e :
         {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Ucs2Le, TextEncoding::Ucs2Be}) {
        EXPECT_EQ(ReadAll(text, ARTICLES_SEP_DOUBLE_LINE, u"", e), expected);
    }
}

TEST_F(SourceArticlesTest, OddLengthUcs2KeepsItsLastArticle) {
    std::string bytes = EncodeText(u"a\r\n\r\nbc", TextEncoding::Ucs2Le);
    bytes.push_back('\x41');
    EXPECT_EQ(ReadAll(bytes), (Articles{{u"a", 0, 1, 1}, {u"bc", 5, 7, 3}}));
    EXPECT_EQ(m_source.GetError(), u"");
}

TEST_F(SourceArticlesTest, DecodingFaultStopsOnItsLine) {
    const Articles articles = ReadAll(std::string("a\r\n\r\nb\r\nc\x80\r\n\r\nd"));
    EXPECT_EQ(articles, (Articles{{u"a", 0, 1, 1}}));
    EXPECT_EQ(ToUtf8(m_source.GetError()),
              "Error processing text in UTF-8 character set (possibly the text is encoded using "
              "other character set or 4-bytes UTF-8)");
    EXPECT_EQ(m_source.GetReadPos().nLine, 4);
    // Nothing more is read after the fault.
    Article a;
    EXPECT_FALSE(m_source.ReadNextArticle(a.strText, a.nBegin, a.nEnd, a.nLine));
}

TEST_F(SourceArticlesTest, BuildPassRestartsAfterTheHeader) {
    ReadAll(u"$NAME: n\r\na\r\n\r\nb");
    m_source.ReadHeader();
    const SourcePos afterHeader = m_source.GetReadPos();
    Article a;
    ASSERT_TRUE(m_source.ReadNextArticle(a.strText, a.nBegin, a.nEnd, a.nLine));
    ASSERT_TRUE(m_source.ReadNextArticle(a.strText, a.nBegin, a.nEnd, a.nLine));
    EXPECT_FALSE(m_source.ReadNextArticle(a.strText, a.nBegin, a.nEnd, a.nLine));
    m_source.SetReadPos(afterHeader);
    ASSERT_TRUE(m_source.ReadNextArticle(a.strText, a.nBegin, a.nEnd, a.nLine));
    EXPECT_EQ(a, (Article{u"a", 10, 11, 2}));
}

TEST_F(SourceArticlesTest, GarbageEndsInOrderedArticles) {
    std::string bytes;
    uint32_t n = 12345;
    for (int i = 0; i < 20000; ++i) {
        n = n * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(n >> 24));
    }
    // Whatever it makes of them, it ends (ReadAll stops after 1000), and the
    // articles follow each other; UTF-8 garbage stops at its first bad byte.
    for (const char* prefix : {"\xFF\xFE", "\xFE\xFF", "a\r\nb",
                               "\xEF\xBB\xBF"
                               "a\nb"}) {
        const Articles articles = ReadAll(prefix + bytes);
        EXPECT_LE(articles.size(), 1000u);
        for (size_t i = 0; i < articles.size(); ++i) {
            EXPECT_LE(articles[i].nBegin, articles[i].nEnd);
            if (i > 0) {
                EXPECT_LT(articles[i - 1].nBegin, articles[i].nBegin);
                EXPECT_LE(articles[i - 1].nLine, articles[i].nLine);
            }
        }
    }
}

}  // namespace
