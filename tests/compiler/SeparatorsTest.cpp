// The separator settings a compile accepts.
#include <gtest/gtest.h>

#include "compiler/Separators.h"
#include "core/Utf8.h"
#include "support/TextSets.h"

namespace {

using SeparatorsTest = CCompilerTextsTest;

TEST_F(SeparatorsTest, PartsSeparatorRules) {
    struct {
        std::u16string_view strSep;
        bool bOk;
    } const cases[] = {
        {u"##:##", true},
        {u"|", true},
        {u"\t", true},
        {u"-------------------", true},    // 19
        {u"--------------------", false},  // 20
        {u"", false},
        {u"a|", false},
        {u"1", false},
        {u"\u0436", false},  // a word character of any script
        {u"&x", false},
        {u"<sep>", false},
        {u";;", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!PartsSeparatorFault(c.strSep).has_value(), c.bOk) << ToUtf8(c.strSep);
    }
}

TEST_F(SeparatorsTest, ArticlesSeparatorRules) {
    EXPECT_FALSE(ArticlesSeparatorFault(std::u16string(25, u'=')).has_value());
    EXPECT_TRUE(ArticlesSeparatorFault(std::u16string(26, u'=')).has_value());
    EXPECT_TRUE(ArticlesSeparatorFault(u"").has_value());
    EXPECT_TRUE(ArticlesSeparatorFault(u"x--").has_value());
    EXPECT_FALSE(ArticlesSeparatorFault(u"\r\n---\r\n").has_value());
}

TEST_F(SeparatorsTest, CheckNamesTheSeparatorAndTheReason) {
    CSeparatorSettings settings;
    std::u16string strError;
    EXPECT_TRUE(CheckSeparatorSettings(settings, strError));

    settings.strPartsSep = std::u16string(20, u'#');
    ASSERT_FALSE(CheckSeparatorSettings(settings, strError));
    EXPECT_EQ(strError,
              u"Article parts separator error:\r\n"
              u"The article parts separator must be 1 to 19 characters long");

    settings.strPartsSep = u"&";
    ASSERT_FALSE(CheckSeparatorSettings(settings, strError));
    EXPECT_EQ(strError,
              u"Article parts separator error:\r\nThe article parts separator '&' must not begin "
              u"with a letter, a digit, '&' or '<'");

    settings.strPartsSep = u"##:##";
    settings.nArticlesSepType = ARTICLES_SEP_OTHER;
    ASSERT_FALSE(CheckSeparatorSettings(settings, strError));
    EXPECT_EQ(strError,
              u"Articles separator error:\r\n"
              u"The articles separator must be 1 to 25 characters long");

    settings.nArticlesSepType = 4;
    ASSERT_FALSE(CheckSeparatorSettings(settings, strError));
    EXPECT_EQ(strError, u"The type of articles separator must be an integer value from 1 to 3");
}

TEST_F(SeparatorsTest, OtherSeparatorMattersOnlyForTypeThree) {
    CSeparatorSettings settings;
    std::u16string strError;
    settings.strArticlesSep = u"<bad";
    for (int32_t nType : {ARTICLES_SEP_LINE, ARTICLES_SEP_DOUBLE_LINE}) {
        settings.nArticlesSepType = nType;
        EXPECT_TRUE(CheckSeparatorSettings(settings, strError));
    }
    settings.nArticlesSepType = ARTICLES_SEP_OTHER;
    EXPECT_FALSE(CheckSeparatorSettings(settings, strError));
}

TEST_F(SeparatorsTest, DecodesTypedTexts) {
    CSeparatorSettings settings;
    std::u16string strError;
    ASSERT_TRUE(DecodeSeparatorSettings({ARTICLES_SEP_OTHER, u"\\r\\n--\\r\\n", u"\\t"}, settings,
                                        strError));
    EXPECT_EQ(settings.strArticlesSep, u"\r\n--\r\n");
    EXPECT_EQ(settings.strPartsSep, u"\t");

    // The length counts after decoding: 25 escapes of four units each.
    std::u16string strTyped;
    for (int i = 0; i < 25; ++i)
        strTyped += u"\\n";
    EXPECT_TRUE(DecodeSeparatorSettings({ARTICLES_SEP_OTHER, strTyped, u"|"}, settings, strError));
    EXPECT_FALSE(
        DecodeSeparatorSettings({ARTICLES_SEP_OTHER, strTyped + u"\\n", u"|"}, settings, strError));

    EXPECT_FALSE(DecodeSeparatorSettings({ARTICLES_SEP_OTHER, u"\\q", u"|"}, settings, strError));
    EXPECT_EQ(strError, u"Articles separator error");
    EXPECT_FALSE(DecodeSeparatorSettings({ARTICLES_SEP_LINE, u"", u"\\x0D"}, settings, strError));
    EXPECT_EQ(strError, u"Article parts separator error");
    // A stale other separator does not matter while the type does not use it.
    EXPECT_TRUE(DecodeSeparatorSettings({ARTICLES_SEP_LINE, u"\\q", u"|"}, settings, strError));
    EXPECT_EQ(settings.nArticlesSepType, ARTICLES_SEP_LINE);
    // A failure leaves the settings as they were.
    EXPECT_FALSE(DecodeSeparatorSettings({ARTICLES_SEP_LINE, u"", u""}, settings, strError));
    EXPECT_EQ(settings.strPartsSep, u"|");
}

}  // namespace
