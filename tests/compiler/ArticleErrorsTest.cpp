// Every fault an article can hold: its exact message and the line it is
// reported on (articles here start on line 1).
#include <gtest/gtest.h>

#include "ParserTestUtil.h"
#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"

namespace {

struct ErrorCase {
    const char* pszName;
    std::u16string strText;
    std::u16string strError;  // exact text; empty means the article is accepted
    int32_t nLine = 1;
    int32_t nIndexArea = INDEX_AREA_BOTH;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.pszName;
}

class ArticleErrorsTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ArticleErrorsTest, ReportsTheFaultOnItsLine) {
    const ErrorCase& c = GetParam();
    ParseOutcome out = ParseOne(c.strText, c.nIndexArea);
    EXPECT_EQ(out.bOk, c.strError.empty()) << c.pszName;
    EXPECT_EQ(ToUtf8(out.strError), ToUtf8(c.strError)) << c.pszName;
    if (!c.strError.empty()) {
        EXPECT_EQ(out.nLine, c.nLine) << c.pszName;
    }
}

// The message of a text id, as the parser formats it.
std::u16string Fault(int nId, std::u16string_view arg = {}) {
    return FormatTextId(nId, {arg});
}

const std::u16string kOpenTag = Fault(IDS_OPEN_TAG);
const std::u16string kCommentEnd = Fault(IDS_COMMENT_TAG_MISSING, u"</i>");
const std::u16string kCommentStart = Fault(IDS_COMMENT_TAG_MISSING, u"<i>");
const std::u16string kNoIndexEnd = Fault(IDS_NO_INDEX_TAG_MISSING, u"</noindex>");
const std::u16string kNoIndexStart = Fault(IDS_NO_INDEX_TAG_MISSING, u"<noindex>");
const std::u16string kExtraCaption = Fault(IDS_CAPTION_EXTRA_SYMBOLS);
const std::u16string kTwoSeparators = Fault(IDS_PARTS_SEPARATOR_TWICE, u"##:##");

const ErrorCase kErrorCases[] = {
    // open tags
    {"bare <", u"a < b", kOpenTag},
    {"< at the end", u"a\r\nb <", kOpenTag, 2},
    {"< before another <", u"<a <b>", kOpenTag},
    {"< before the separator", u"x <b ##:## y>", kOpenTag},
    {"markup over lines, then a bare <", u"a\r\n<b\r\nc>\r\nd <", kOpenTag, 4},
    {"< in a comment", u"<i>a < b</i>", kOpenTag},
    {"> alone is text", u"a > b", u""},
    {"reference instead of <", u"a &#60; b", u""},
    {"line end inside a reference", u"&#\r\n65; <", kOpenTag, 2},
    // separators
    {"second separator", u"word ##:## translation ##:## more", kTwoSeparators},
    {"second separator on line 2", u"a ##:## b\r\n##:## c", kTwoSeparators, 2},
    {"second separator in an unindexed right part", u"a ##:## b ##:## c", kTwoSeparators, 1,
     INDEX_AREA_LEFT},
    // captions
    {"caption", u"<h>Group A</h>", u""},
    {"caption over lines", u"\r\n <h>Group\r\nA</h>\r\n", u""},
    {"text before a caption", u"x <h>Group A</h>", kExtraCaption},
    {"text after a caption", u"<h>Group A</h> x", kExtraCaption},
    {"text after a caption, next line", u"<h>Group A</h>\r\nx", kExtraCaption},
    {"caption inside a caption", u"<h>A <h>B</h>", Fault(IDS_CAPTION_TWICE)},
    {"caption not closed", u"<h>Caption", Fault(IDS_CAPTION_NOT_CLOSED)},
    {"caption not closed, line 3", u"<h>Caption\r\nx\r\ny", Fault(IDS_CAPTION_NOT_CLOSED), 3},
    {"caption end alone", u"</h>", Fault(IDS_CAPTION_TAG_MISSING, u"<h>")},
    {"caption end after words", u"a\r\nb</h>", Fault(IDS_CAPTION_TAG_MISSING, u"<h>"), 2},
    // comments
    {"comment twice", u"<i>a<i>b</i>", Fault(IDS_COMMENT_TWICE, u"<i>")},
    {"comment end alone", u"a</i>", kCommentStart},
    {"comment open at the separator", u"<i>a ##:## b</i>", kCommentEnd},
    {"comment open at the end", u"<i>a", kCommentEnd},
    {"comment open at the end, line 2", u"<i>a\r\nb", kCommentEnd, 2},
    {"comment open in an unindexed right part", u"a ##:## <i>b", u"", 1, INDEX_AREA_LEFT},
    {"comment open in the left part of a right-indexed article", u"<i>a ##:## b", kCommentEnd, 1,
     INDEX_AREA_RIGHT},
    // no-index text
    {"no-index twice", u"<noindex>a<noindex>", Fault(IDS_NO_INDEX_TWICE, u"<noindex>")},
    {"no-index end alone", u"a</noindex>", kNoIndexStart},
    {"no-index open at the separator", u"<noindex>a ##:## b", kNoIndexEnd},
    {"no-index open at the end", u"<noindex>a", kNoIndexEnd},
    // Several faults at one place: the last test stands.
    {"separator twice inside a comment", u"a ##:## <i>b ##:## c", kCommentEnd},
    {"comment and no-index at the separator", u"<i><noindex>a ##:## b", kNoIndexEnd},
    {"comment and no-index at the end", u"<noindex><i>a", kNoIndexEnd},
    // long words
    {"word of 256", std::u16string(256, u'a'), Fault(IDS_WORD_TOO_LONG, std::u16string(256, u'a'))},
    {"short word spread by markup", u"ab<b" + std::u16string(252, u' ') + u">c",
     Fault(IDS_WORD_TOO_LONG, u"abc")},
    {"very long word is shown cut", u"x\r\n" + std::u16string(1000, u'z'),
     Fault(IDS_WORD_TOO_LONG, std::u16string(256, u'z') + u"..."), 2},
    // references: their faults stop the parse wherever they are
    {"bad number", u"a &#12a; b", Fault(IDS_ESCAPE_ERROR, u"&#12a;")},
    {"empty number", u"a\r\n&#;", Fault(IDS_ESCAPE_ERROR, u"&#;"), 2},
    {"bad hex number", u"&#xZZ;", Fault(IDS_ESCAPE_ERROR, u"&#xZZ;")},
    {"number too big", u"&#65536;", Fault(IDS_ESCAPE_NOT_A_SYMBOL, u"&#65536;")},
    {"hex number too big", u"&#X10000;", Fault(IDS_ESCAPE_NOT_A_SYMBOL, u"&#x10000;")},
    {"bad number in a comment", u"<i>&#-1;</i>", Fault(IDS_ESCAPE_NOT_A_SYMBOL, u"&#-1;")},
};

INSTANTIATE_TEST_SUITE_P(Table, ArticleErrorsTest, ::testing::ValuesIn(kErrorCases), CaseNamer());

TEST(ArticleErrors, LineOfTheFaultCountsFromTheArticlesFirstLine) {
    EXPECT_EQ(ParseOne({.strText = u"a\r\nb <", .ctx = {.nLine = 41}}).nLine, 42);
}

TEST(ArticleErrors, OtherPartsSeparator) {
    ParseInput in{.strText = u"a | b | c", .strPartsSep = u"|"};
    ParseOutcome out = ParseOne(in);
    EXPECT_EQ(out.strError, Fault(IDS_PARTS_SEPARATOR_TWICE, u"|"));
    in.strText = u"a <b|> c";
    EXPECT_EQ(ParseOne(in).strError, kOpenTag);
}

}  // namespace
