// Which index words the article parser hands over, and where they stand.
#include <gtest/gtest.h>

#include "ParserTestUtil.h"
#include "core/Utf8.h"

namespace {

using Words = std::vector<std::u16string>;

struct WordsCase {
    const char* pszName;
    std::u16string_view strText;
    Words expected;
};

void PrintTo(const WordsCase& c, std::ostream* os) {
    *os << c.pszName;
}

class ArticleWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(ArticleWordsTest, CutsTheIndexWords) {
    const WordsCase& c = GetParam();
    ParseOutcome out = ParseOne(c.strText);
    ASSERT_TRUE(out.bOk) << c.pszName;
    EXPECT_EQ(WordTexts(out), c.expected) << c.pszName;
}

const WordsCase kWordsCases[] = {
    {"plain", u"one two\tthree", {u"one", u"two", u"three"}},
    {"markup inside a word", u"<b>wo</b>rd", {u"word"}},
    {"markup splits nothing", u"wo<b>rd", {u"word"}},
    {"br ends a word", u"wo<br>rd", {u"wo", u"rd"}},
    {"BR in capitals ends a word", u"wo<BR>rd", {u"wo", u"rd"}},
    {"the six tags end a word", u"a<i>b</i>c", {u"a", u"c"}},
    {"no-index text", u"x <noindex>y z</noindex> w", {u"x", u"w"}},
    {"references to < and > are blanks", u"a &#60;b&#62; c", {u"a", u"b", u"c"}},
    {"unknown letter names are blanks", u"a &lt;b&gt; c", {u"a", u"b", u"c"}},
    {"& without a later ;", u"AT&T", {u"AT", u"T"}},
    {"&T; is a blank", u"AT&T; x", {u"AT", u"x"}},
    {"& before a name with blanks", u"a & b; c", {u"a", u"b", u"c"}},
    {"&#1234 without ;", u"&#1234 x", {u"1234", u"x"}},
    {"&#0; leaves the & as it is", u"wo&#0;rd", {u"wo", u"0", u"rd"}},
    {"named reference inside a word", u"caf&eacute; cr&egrave;me", {u"caf\u00E9", u"cr\u00E8me"}},
    {"numeric references", u"&#233;t&#xE9;", {u"\u00E9t\u00E9"}},
    {"apostrophe splits", u"don't", {u"don", u"t"}},
    {"hyphen and underscore split", u"e-mail snake_case", {u"e", u"mail", u"snake", u"case"}},
    {"an ideograph ends its word", u"ab\u4E2D\u6587 x", {u"ab\u4E2D", u"\u6587", u"x"}},
    {"ideographs stand alone", u"\u4E2D\u6587ab", {u"\u4E2D", u"\u6587", u"ab"}},
    {"Thai letters are ideographs", u"\u0E01\u0E02", {u"\u0E01", u"\u0E02"}},
    {"ideographic space is a blank", u"ab\u3000cd", {u"ab", u"cd"}},
    {"Cyrillic",
     u"\u0451\u043B\u043A\u0430, \u0434\u043E\u043C",
     {u"\u0451\u043B\u043A\u0430", u"\u0434\u043E\u043C"}},
    {"line ends", u"a\r\nb\r\n\r\nc", {u"a", u"b", u"c"}},
    {"separator right after a word", u"a##:##b", {u"a", u"b"}},
    {"markup with line ends", u"x<a\r\nhref=y>z", {u"xz"}},
    {"empty article", u"", {}},
    {"only markup", u"<b></b> <br>", {}},
    {"comment across the separator is closed first", u"<i>a</i> ##:## b", {u"b"}},
};

INSTANTIATE_TEST_SUITE_P(Table, ArticleWordsTest, ::testing::ValuesIn(kWordsCases), CaseNamer());

TEST(ArticleWords, SpanRunsFromFirstToLastUnit) {
    struct {
        std::u16string_view strText;
        int32_t nPosition;
        int32_t nSpan;
    } const cases[] = {
        {u"wo<b>rd", 0, 7},        {u"<b>wo</b>rd", 3, 8},
        {u"  caf&eacute;", 2, 11}, {u"&eacute;t&eacute;", 0, 17},
        {u"x &#65;", 2, 5},        {u"ab\u4E2D", 0, 3},
    };
    for (const auto& c : cases) {
        ParseOutcome out = ParseOne({.strText = c.strText, .nBegin = 1000});
        ASSERT_TRUE(out.bOk);
        ASSERT_FALSE(out.words.empty());
        const RecordedWord& w = out.words.back();
        EXPECT_EQ(w.nPosition, 1000 + c.nPosition)
            << std::string(c.strText.begin(), c.strText.end());
        EXPECT_EQ(w.nSpan, c.nSpan);
    }
}

TEST(ArticleWords, FlagsMarkPartsAndTheirEnds) {
    ParseOutcome out = ParseOne(u"a b ##:## c d");
    ASSERT_TRUE(out.bOk);
    ASSERT_EQ(out.words.size(), 4u);
    EXPECT_EQ(out.words[0].nFlags, gmd::WORD_FIRST_IN_PART);
    EXPECT_EQ(out.words[1].nFlags, gmd::WORD_END_OF_PART);
    EXPECT_EQ(out.words[2].nFlags, gmd::WORD_RIGHT_PART | gmd::WORD_FIRST_IN_PART);
    EXPECT_EQ(out.words[3].nFlags, gmd::WORD_RIGHT_PART | gmd::WORD_END_OF_PART);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(out.words[i].nWordNumber, i);
    EXPECT_EQ(out.ctx.nWordNumber, 4);
}

TEST(ArticleWords, RightPartWithoutWordsLeavesTheLeftsLastWordMarked) {
    ParseOutcome out = ParseOne(u"a ##:## <i>b</i>");
    ASSERT_TRUE(out.bOk);
    ASSERT_EQ(out.words.size(), 1u);
    EXPECT_EQ(out.words[0].nFlags, gmd::WORD_FIRST_IN_PART | gmd::WORD_END_OF_PART);
}

TEST(ArticleWords, IndexAreaChoosesTheParts) {
    EXPECT_EQ(WordTexts(ParseOne(u"a ##:## b", INDEX_AREA_LEFT)), Words{u"a"});
    EXPECT_EQ(WordTexts(ParseOne(u"a ##:## b", INDEX_AREA_RIGHT)), Words{u"b"});
    EXPECT_EQ(WordTexts(ParseOne(u"a ##:## b", INDEX_AREA_BOTH)), (Words{u"a", u"b"}));
    // Without a separator the whole article is the left part.
    EXPECT_EQ(WordTexts(ParseOne(u"a b", INDEX_AREA_RIGHT)), Words{});
    // Words of a part that is not indexed have no length limit.
    const std::u16string strLong(300, u'x');
    EXPECT_TRUE(ParseOne(u"a ##:## " + strLong, INDEX_AREA_LEFT).bOk);
    EXPECT_TRUE(ParseOne(strLong + u" ##:## a", INDEX_AREA_RIGHT).bOk);
}

TEST(ArticleWords, LongestWord) {
    const std::u16string str255(255, u'a');
    ParseOutcome ok = ParseOne(str255);
    ASSERT_TRUE(ok.bOk);
    EXPECT_EQ(ok.words[0].nSpan, 255);
    // Comments, no-index text and captions have no limit either.
    const std::u16string strLong(5000, u'b');
    EXPECT_TRUE(ParseOne(u"<i>" + strLong + u"</i>").bOk);
    EXPECT_TRUE(ParseOne(u"<noindex>" + strLong + u"</noindex>").bOk);
    EXPECT_TRUE(ParseOne(u"<h>" + strLong + u"</h>").bOk);
}

// Where a record's parts lie in the source; a caption's left part begins
// behind "<h>" and its right part ends at the "<" of "</h>", and the caption
// becomes the group of the articles after it.
TEST(ArticleWords, RecordsOfArticlesAndCaptions) {
    struct {
        std::u16string_view strText;
        int32_t nIndexArea;
        int32_t nBegin;
        int32_t nCurGroup;
        int32_t nArticle;
        gmd::ArticleRecord record;
        bool bCaption;
        int32_t nGroupAfter;
    } const cases[] = {
        {u"ab cd", INDEX_AREA_BOTH, 40, 7, 0, {40, -1, -1, 45, 7, 4259906}, false, 7},
        {u"a ##:## b", INDEX_AREA_BOTH, 10, -1, 0, {10, 12, 17, 19, -1, 4259840}, false, -1},
        {u"  <h>Group A</h>  ", INDEX_AREA_BOTH, 100, -1, 5, {105, -1, -1, 112, 5, 0}, true, 5},
        {u"<h>A ##:## B</h>", INDEX_AREA_LEFT, 0, -1, 0, {3, 5, 10, 12, 0, 0}, true, 0},
    };
    for (const auto& c : cases) {
        const ParseOutcome out =
            ParseOne({.strText = c.strText,
                      .nIndexArea = c.nIndexArea,
                      .nBegin = c.nBegin,
                      .ctx = {.nCurGroup = c.nCurGroup, .nArticle = c.nArticle}});
        const std::string strText = ToUtf8(c.strText);
        ASSERT_TRUE(out.bOk) << strText << ": " << ToUtf8(out.strError);
        EXPECT_EQ(out.record, c.record) << strText;
        EXPECT_EQ(out.bCaption, c.bCaption) << strText;
        EXPECT_EQ(out.ctx.nCurGroup, c.nGroupAfter) << strText;
        if (c.bCaption) {
            EXPECT_TRUE(out.words.empty()) << strText;
        }
    }
    // Tags of comments inside a caption are not checked.
    EXPECT_TRUE(ParseOne(u"<h><i>x</h>").bOk);
    EXPECT_TRUE(ParseOne(u"<h></noindex>x</h>").bOk);
}

TEST(ArticleWords, SortKey) {
    EXPECT_EQ(ParseOne(u"ab").record.nSortKey, 4259906);
    EXPECT_EQ(ParseOne(u"a").record.nSortKey, 4259840);
    EXPECT_EQ(ParseOne(u"<i>only a comment</i>").record.nSortKey, 0);
    // Upper-cased, and taken from the first index word.
    EXPECT_EQ(ParseOne(u"<i>x</i> \u0451\u0436").record.nSortKey,
              static_cast<int32_t>((0x0401u << 16) | 0x0416u));
    EXPECT_EQ(ParseOne(u"x ##:## yz", INDEX_AREA_RIGHT).record.nSortKey, (0x59 << 16) | 0x5A);
}

TEST(ArticleWords, ArticlesAfterACaptionBelongToIt) {
    const ParseInput in{.strText = u"word", .ctx = {.nCurGroup = 3, .nArticle = 9}};
    EXPECT_EQ(ParseOne(in).record.nGroupCaption, 3);
}

TEST(ArticleWords, SinkFailureStopsTheParse) {
    CArticleIndex article;
    article.SetParseSettings(u"##:##", u"\r\n", INDEX_AREA_BOTH);
    article.Reset();
    article.SetArticle(std::u16string_view(u"a b c"), 0, 5);
    CRecordingSink sink;
    sink.m_nFailAt = 1;
    ParseContext ctx;
    EXPECT_FALSE(article.ParseArticle(ctx, &sink));
    EXPECT_EQ(article.GetError(), u"sink refused");
    EXPECT_EQ(sink.m_words.size(), 1u);
}

TEST(ArticleWords, CheckModeCountsWithoutASink) {
    CArticleIndex article;
    article.Reset();
    article.SetArticle(std::u16string_view(u"a b ##:## c"), 0, 11);
    ParseContext ctx;
    ctx.nWordNumber = 10;
    ASSERT_TRUE(article.ParseArticle(ctx));
    EXPECT_EQ(ctx.nWordNumber, 13);
}

TEST(ArticleWords, TheSemicolonOfAReferenceStartsNoSeparator) {
    ParseInput in{.strText = u"caf&eacute;;b", .strPartsSep = u";;"};
    ParseOutcome out = ParseOne(in);
    ASSERT_TRUE(out.bOk);
    EXPECT_EQ(WordTexts(out), (Words{u"caf\u00E9", u"b"}));
    EXPECT_EQ(out.record.nLeftEnd, -1);
    in.strText = u"caf&eacute;;;b";
    EXPECT_EQ(ParseOne(in).record.nLeftEnd, 11);
}

TEST(ArticleWords, LineEndsOfOtherConventions) {
    ParseOutcome out = ParseOne({.strText = u"a\nb\n<i>", .strLineEnd = u"\n"});
    EXPECT_FALSE(out.bOk);
    EXPECT_EQ(out.nLine, 3);
}

TEST(ArticleWords, ManyTagsAndReferencesInOneArticle) {
    // 100,000 tags and references with no ";" or ">" far ahead must not
    // make the parse quadratic; here only the result is checked.
    std::u16string text;
    for (int i = 0; i < 50000; ++i)
        text += u"w<b>o&amp x&#65;y";
    ParseOutcome out = ParseOne(text);
    ASSERT_TRUE(out.bOk);
    EXPECT_FALSE(out.words.empty());
}

}  // namespace
