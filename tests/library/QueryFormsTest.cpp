#include "library/QueryForms.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::u16string>;

TEST(SplitQuery, WordsAreRunsOfWordCharactersUpperCased) {
    struct Row {
        std::u16string query;
        Words words;
    };
    const Row rows[] = {
        {u"Big  cat!", {u"BIG", u"CAT"}},
        {u"don't", {u"DON", u"T"}},
        {u"ёлка-палка", {u"ЁЛКА", u"ПАЛКА"}},
        {u"ab\u4E00cd", {u"AB\u4E00", u"CD"}},  // an ideograph closes its word
        {u"\u4E00\u4E01", {u"\u4E00", u"\u4E01"}},
        {u" ,.;", {}},
        {u"x\xD800y", {u"X", u"Y"}},
        {u"straße", {u"STRAßE"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SplitQuery(row.query), row.words);
}

TEST(PrepareQueryForms, LemmasPerLanguageForWordsOfThreeToFiftyUnits) {
    std::vector<std::pair<std::u16string, int>> asked;
    LemmaSource lemmas = [&](std::u16string_view word, int nLang,
                             std::vector<std::u16string>& out) {
        asked.emplace_back(std::u16string(word), nLang);
        if (nLang == 2) out = {u"GO", std::u16string(word)};
        if (nLang == 1) out = {u"ИДТИ"};
    };
    const Words words = {u"WENT", u"GO", u"WENT", std::u16string(51, u'A'),
                         std::u16string(50, u'B')};
    const int languages[] = {2, 1};
    const auto forms = PrepareQueryForms(words, languages, lemmas);
    ASSERT_EQ(forms.size(), 5u);
    ASSERT_EQ(forms[0].aForms.size(), 3u);
    EXPECT_EQ(forms[0].aForms[0].strText, u"WENT");
    EXPECT_EQ(forms[0].aForms[0].nLangId, 0);
    EXPECT_EQ(forms[0].aForms[1].strText, u"GO");
    EXPECT_EQ(forms[0].aForms[1].nLangId, 2);
    EXPECT_EQ(forms[0].aForms[2].nLangId, 1);
    EXPECT_EQ(forms[1].aForms.size(), 1u);  // two letters
    EXPECT_EQ(forms[2].aForms.size(), 3u);  // the same word again, not asked again
    EXPECT_EQ(forms[3].aForms.size(), 1u);  // 51 units
    EXPECT_EQ(forms[4].aForms.size(), 3u);  // 50 units
    EXPECT_EQ(asked.size(), 4u);
}

}  // namespace
