// Articles written by the import: what each kind of text becomes, and that
// whatever comes in, the compiler's check pass accepts the source.
#include <gtest/gtest.h>

#include "compiler/ArticlePass.h"
#include "core/Utf8.h"
#include "import/MarkupConverter.h"
#include "import/SourceWriter.h"
#include "support/TempDir.h"

namespace {

CSeparatorSettings Separators(int32_t nType, std::u16string strArticlesSep = {},
                              std::u16string strPartsSep = u"##:##") {
    return {nType, std::move(strArticlesSep), std::move(strPartsSep)};
}

std::string Article(std::u16string_view headword, std::u16string_view definition,
                    MarkupDialect dialect = MarkupDialect::Plain,
                    const CSeparatorSettings& separators = {}) {
    CSourceArticle article(separators);
    article.Begin(headword);
    AppendMarkup(article, definition, dialect);
    std::u16string strError;
    EXPECT_TRUE(article.Finish(strError)) << ToUtf8(strError);
    return ToUtf8(article.GetText());
}

struct Case {
    std::u16string headword;
    std::u16string definition;
    std::string expected;
};

const std::vector<Case>& PlainCases() {
    static const std::vector<Case> cases = {
        {u"cat", u"Katze", "cat ##:## Katze"},
        {u"a&b", u"x < y & z > w", "a&#38;b ##:## x &#60; y &#38; z &#62; w"},
        {u"$ sign", u"costs\n$5: a lot\n  $6",
         "&#36; sign ##:## costs<br>\n&#36;5: a lot<br>\n&#36;6"},
        {u"sep", u"a ##:## b #", "sep ##:## a &#35;&#35;:&#35;&#35; b &#35;"},
        {u"lines", u"\n\n one\n\n\n\ntwo \n\n", "lines ##:## one<br>\n<br>\ntwo"},
        {u"emoji", u"smile \U0001F600!", "emoji ##:## smile &#55357;&#56832;!"},
        {u"empty", u"  \n ", "empty ##:##"},
        {u"multi\nline", u"x", "multi line ##:## x"},
    };
    return cases;
}

TEST(SourceArticle, PlainTextIsEscapedAndBrokenIntoLines) {
    for (const Case& c : PlainCases())
        EXPECT_EQ(Article(c.headword, c.definition), c.expected) << ToUtf8(c.headword);
}

TEST(SourceArticle, AnOverlongWordIsSplitInvisibly) {
    const std::u16string word(600, u'a');
    const std::string text = Article(u"long", word);
    const std::string prefix = "long ##:## ";
    const std::string a255(255, 'a');
    EXPECT_EQ(text, prefix + a255 + "&#8203;" + a255 + "&#8203;" + std::string(90, 'a'));
    // Markup inside a word counts towards its span.
    const std::u16string marked = std::u16string(200, u'b') + u"<span style=\"" +
                                  std::u16string(80, u'x') + u"\">" + u"bb</span>";
    const std::string html = Article(u"m", marked, MarkupDialect::Html);
    EXPECT_NE(html.find(std::string(200, 'b') + "&#8203;<SPAN"), std::string::npos) << html;
}

TEST(SourceArticle, OtherSeparatorsAreKeptOutOfTheText) {
    EXPECT_EQ(Article(u"w", u"one\ntwo", MarkupDialect::Plain, Separators(1)),
              "w ##:## one<br>two");
    EXPECT_EQ(Article(u"w", u"a -- b = c", MarkupDialect::Plain, Separators(3, u"--", u"=")),
              "w = a &#45;&#45; b &#61; c");
    // A separator inside markup cannot be escaped: the article is refused.
    CSourceArticle article(Separators(2, {}, u"\""));
    article.Begin(u"w");
    AppendMarkup(article, u"<font color=\"red\">x</font>", MarkupDialect::Html);
    std::u16string strError;
    EXPECT_FALSE(article.Finish(strError));
    EXPECT_NE(strError.find(u"separator"), std::u16string::npos);
}

// Everything above, and hostile text besides, as one source per separator
// setting: the compiler's check pass accepts each with every article.
TEST(SourceArticle, WrittenSourcesPassTheCheckPass) {
    std::vector<Case> cases = PlainCases();
    cases.push_back({u"tags", u"<i>x</i> </h> <h> <noindex> a&#60;b &#99999; &#x;", ""});
    cases.push_back({u"$FILE_TYPE: DICT", u"$INDEX: LEFT\n&amp;", ""});
    cases.push_back({u"dash", u"a\n--\nb -- c => d @@ | e", ""});
    cases.push_back({u"w", std::u16string(300, u'z') + u"<br>" + std::u16string(300, u'y'), ""});
    CTempDir dir;
    for (const CSeparatorSettings& separators :
         {Separators(2), Separators(1), Separators(3, u"@@", u"|"),
          Separators(3, u"\n--\n", u"=>")}) {
        const std::filesystem::path path = dir.Path() / "source.txt";
        CSourceWriter writer(separators);
        ASSERT_TRUE(writer.Create(path, {u"Name\n$INDEX: x", u"English(L)"}));
        for (const Case& c : cases) {
            for (MarkupDialect dialect : {MarkupDialect::Plain, MarkupDialect::Html}) {
                writer.Article().Begin(c.headword);
                AppendMarkup(writer.Article(), c.definition, dialect);
                ASSERT_TRUE(writer.WriteArticle()) << ToUtf8(writer.GetError());
            }
        }
        ASSERT_TRUE(writer.Commit());
        const ArticlePassResult result = CheckSourceFile(FromUtf8(path.string()), separators);
        EXPECT_EQ(result.nOutcome, ArticlePassResult::DONE) << ToUtf8(result.strError);
        EXPECT_EQ(result.nArticles, static_cast<int32_t>(2 * cases.size()));
    }
}

TEST(SourceArticle, HeaderValuesStandOnOneLine) {
    EXPECT_EQ(HeaderValue(u"  a\nb\tc  "), u"a b c");
    EXPECT_EQ(HeaderValue(u"x\U0001F600y"), u"x\uFFFDy");
    EXPECT_EQ(HeaderValue(std::u16string(300, u'n')).size(), 255u);
}

}  // namespace
