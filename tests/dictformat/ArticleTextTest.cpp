#include "dictformat/ArticleText.h"

#include <gtest/gtest.h>

#include "core/Utf8.h"

namespace {

TEST(ArticleText, MarkupIsLeftOutAndReferencesDecoded) {
    struct Row {
        std::u16string_view piece;
        bool bOk;
        std::u16string_view plain;
    };
    const Row rows[] = {
        {u"<b>word</b>", true, u"word"},
        {u"w<i>or</i>d", true, u"word"},
        {u"a<b", true, u"a<b"},     // no ">": the "<" stays
        {u"a<b<c>d", true, u"ad"},  // the first "<" opens the tag
        {u"&#233;t&eacute;", true, u"\u00E9t\u00E9"},
        {u"AT&T; x", true, u"AT  x"},      // unknown letters: a space
        {u"a & b; c", true, u"a & b; c"},  // not a name: the "&" stays
        {u"a &amp", true, u"a &amp"},      // no ";": the "&" stays
        {u"&#0;x", true, u"&#0;x"},
        {u"&#65536;", false, u""},  // a malformed number: no match
        {u"&#xZZ;", false, u""},
    };
    for (const Row& row : rows) {
        std::u16string plain;
        EXPECT_EQ(MakePlainText(row.piece, plain), row.bOk) << ToUtf8(row.piece);
        if (row.bOk) {
            EXPECT_EQ(plain, row.plain) << ToUtf8(row.piece);
        }
    }
}

TEST(ArticleText, ManyOpenBracketsStayLinear) {
    const std::u16string piece(200000, u'<');
    std::u16string plain;
    ASSERT_TRUE(MakePlainText(piece, plain));
    EXPECT_EQ(plain, piece);
}

}  // namespace
