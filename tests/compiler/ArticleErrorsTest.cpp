// Every fault an article can hold: its exact message and the line it is
// reported on (articles here start on line 1).
#include <gtest/gtest.h>

#include "ParserTestUtil.h"
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
    ParseInput in;
    in.strText = c.strText;
    in.nIndexArea = c.nIndexArea;
    ParseOutcome out = ParseOne(in);
    EXPECT_EQ(out.bOk, c.strError.empty()) << c.pszName;
    EXPECT_EQ(ToUtf8(out.strError), ToUtf8(c.strError)) << c.pszName;
    if (!c.strError.empty()) {
        EXPECT_EQ(out.nLine, c.nLine) << c.pszName;
    }
}

const std::u16string kOpenTag = u"Open tag found";
const std::u16string kCommentEnd = u"Tag '</i>' for comment not found";
const std::u16string kCommentStart = u"Tag '<i>' for comment not found";
const std::u16string kNoIndexEnd = u"Tag '</noindex>' for 'no-index' text not found";
const std::u16string kNoIndexStart = u"Tag '<noindex>' for 'no-index' text not found";
const std::u16string kExtraCaption = u"Excessive symbols in line of articles group caption";
const std::u16string kTwoSeparators =
    u"Excessive separator '##:##' for left and right parts of article";

const ErrorCase kErrorCases[] = {
    // 41322
    {"bare <", u"a < b", kOpenTag},
    {"< at the end", u"a\r\nb <", kOpenTag, 2},
    {"< before another <", u"<a <b>", kOpenTag},
    {"< before the separator", u"x <b ##:## y>", kOpenTag},
    {"markup over lines, then a bare <", u"a\r\n<b\r\nc>\r\nd <", kOpenTag, 4},
    {"< in a comment", u"<i>a < b</i>", kOpenTag},
    {"> alone is text", u"a > b", u""},
    {"reference instead of <", u"a &#60; b", u""},
    {"line end inside a reference", u"&#\r\n65; <", kOpenTag, 2},
    // 41321
    {"second separator", u"word ##:## translation ##:## more", kTwoSeparators},
    {"second separator on line 2", u"a ##:## b\r\n##:## c", kTwoSeparators, 2},
    {"second separator in an unindexed right part", u"a ##:## b ##:## c", kTwoSeparators, 1,
     INDEX_AREA_LEFT},
    // 41314, 41315, 41316, 41308
    {"caption", u"<h>Group A</h>", u""},
    {"caption over lines", u"\r\n <h>Group\r\nA</h>\r\n", u""},
    {"text before a caption", u"x <h>Group A</h>", kExtraCaption},
    {"text after a caption", u"<h>Group A</h> x", kExtraCaption},
    {"text after a caption, next line", u"<h>Group A</h>\r\nx", kExtraCaption},
    {"caption inside a caption", u"<h>A <h>B</h>", u"Ambiguous caption of articles group"},
    {"caption not closed", u"<h>Caption", u"Ending caption of articles group not found"},
    {"caption not closed, line 3", u"<h>Caption\r\nx\r\ny",
     u"Ending caption of articles group not found", 3},
    {"caption end alone", u"</h>", u"Tag '<h>' for articles group caption not found"},
    {"caption end after words", u"a\r\nb</h>", u"Tag '<h>' for articles group caption not found",
     2},
    // 41317, 41318
    {"comment twice", u"<i>a<i>b</i>", u"Excessive tag '<i>'"},
    {"comment end alone", u"a</i>", kCommentStart},
    {"comment open at the separator", u"<i>a ##:## b</i>", kCommentEnd},
    {"comment open at the end", u"<i>a", kCommentEnd},
    {"comment open at the end, line 2", u"<i>a\r\nb", kCommentEnd, 2},
    {"comment open in an unindexed right part", u"a ##:## <i>b", u"", 1, INDEX_AREA_LEFT},
    {"comment open in the left part of a right-indexed article", u"<i>a ##:## b", kCommentEnd, 1,
     INDEX_AREA_RIGHT},
    // 41319, 41320
    {"no-index twice", u"<noindex>a<noindex>", u"Excessive tag '<noindex>' for 'no-index' text"},
    {"no-index end alone", u"a</noindex>", kNoIndexStart},
    {"no-index open at the separator", u"<noindex>a ##:## b", kNoIndexEnd},
    {"no-index open at the end", u"<noindex>a", kNoIndexEnd},
    // Several faults at one place: the last test stands.
    {"separator twice inside a comment", u"a ##:## <i>b ##:## c", kCommentEnd},
    {"comment and no-index at the separator", u"<i><noindex>a ##:## b", kNoIndexEnd},
    {"comment and no-index at the end", u"<noindex><i>a", kNoIndexEnd},
    // 41337
    {"word of 256", std::u16string(256, u'a'),
     u"The word '" + std::u16string(256, u'a') + u"' is more than 255 characters long"},
    {"short word spread by markup", u"ab<b" + std::u16string(252, u' ') + u">c",
     u"The word 'abc' is more than 255 characters long"},
    {"very long word is shown cut", u"x\r\n" + std::u16string(1000, u'z'),
     u"The word '" + std::u16string(256, u'z') + u"...' is more than 255 characters long", 2},
    // 41323, 41324 (reference faults stop the parse wherever they are)
    {"bad number", u"a &#12a; b", u"Error in escape sequence '&#12a;'"},
    {"empty number", u"a\r\n&#;", u"Error in escape sequence '&#;'", 2},
    {"bad hex number", u"&#xZZ;", u"Error in escape sequence '&#xZZ;'"},
    {"number too big", u"&#65536;",
     u"Value '&#65536;' in escape sequence does not represent a symbol code"},
    {"hex number too big", u"&#X10000;",
     u"Value '&#x10000;' in escape sequence does not represent a symbol code"},
    {"bad number in a comment", u"<i>&#-1;</i>",
     u"Value '&#-1;' in escape sequence does not represent a symbol code"},
};

INSTANTIATE_TEST_SUITE_P(Table, ArticleErrorsTest, ::testing::ValuesIn(kErrorCases), CaseNamer());

TEST(ArticleErrors, LineOfTheFaultCountsFromTheArticlesFirstLine) {
    ParseInput in;
    in.strText = u"a\r\nb <";
    in.ctx.nLine = 41;
    EXPECT_EQ(ParseOne(in).nLine, 42);
}

TEST(ArticleErrors, OtherPartsSeparator) {
    ParseInput in;
    in.strText = u"a | b | c";
    in.strPartsSep = u"|";
    ParseOutcome out = ParseOne(in);
    EXPECT_EQ(out.strError, u"Excessive separator '|' for left and right parts of article");
    in.strText = u"a <b|> c";
    EXPECT_EQ(ParseOne(in).strError, u"Open tag found");
}

}  // namespace
