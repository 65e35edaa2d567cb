// Forms of an index word: lemmas by language and side, the length limits,
// the character-map spelling.
#include <gtest/gtest.h>

#include <map>

#include "FakeLemmas.h"
#include "compiler/WordIndex.h"
#include "support/ThrownText.h"

TEST(WordIndex, SettersRefuseNegativesAndKeepTheField) {
    CWordIndex w;
    EXPECT_EQ(w.GetWordNum(), -1);
    EXPECT_EQ(w.GetArticle(), -1);
    EXPECT_TRUE(w.SetWordNum(7));
    EXPECT_FALSE(w.SetWordNum(-1));
    EXPECT_EQ(w.GetWordNum(), 7);
    EXPECT_TRUE(w.SetPosition(3));
    EXPECT_FALSE(w.SetPosition(-5));
    EXPECT_EQ(w.GetPosition(), 3);
    EXPECT_TRUE(w.SetArticle(0));
    EXPECT_FALSE(w.SetArticle(-2));
    EXPECT_EQ(w.GetArticle(), 0);
    EXPECT_EQ(ThrownText([&] { w.GetLemm(0); }),
              u"Error in CWordIndex::GetLemm\nInvalid array index");
}

TEST(WordIndex, LemmasFollowLengthLanguageAndSide) {
    CFakeLemmas lemmas;
    lemmas.Add(2, "RUNS", {u"RUN"});
    lemmas.Add(2, "GO", {u"GO2"});
    lemmas.Add(2, std::string(50, 'A'), {u"FIFTY"});
    lemmas.Add(2, std::string(51, 'A'), {u"FIFTYONE"});
    const std::vector<MorphUse> english{{2, 3}};
    const std::vector<MorphUse> englishRight{{2, 2}};

    struct Case {
        std::u16string text;
        bool bRight;
        std::vector<MorphUse> morph;
        std::vector<std::u16string> forms;
    };
    const Case cases[] = {
        {u"runs", false, english, {u"RUN"}},
        {u"go", false, english, {}},  // two letters: no lemmas
        {std::u16string(50, u'a'), false, english, {u"FIFTY"}},
        {std::u16string(51, u'a'), false, english, {}},
        {u"runs", false, englishRight, {}},  // English(R): left words get none
        {u"runs", true, englishRight, {u"RUN"}},
        {u"runs", false, {}, {}},
    };
    for (const Case& c : cases) {
        CWordIndex w;
        w.SetText(c.text);
        w.SetFlags(c.bRight ? 0x01 : 0);
        w.AddWordForms(c.morph, &lemmas);
        EXPECT_EQ(w.GetForms(), c.forms) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(WordIndex, LanguagesTakeTheirCodePageAndUnavailableOnesAreSkipped) {
    CFakeLemmas lemmas;
    // "КОТЫ" in code page 1251.
    lemmas.Add(1, "\xCA\xCE\xD2\xDB", {u"\u041A\u041E\u0422"});
    lemmas.Add(3, "KATZEN", {u"KATZE"});
    lemmas.bGermanAvailable = false;
    const std::vector<MorphUse> morph{{3, 3}, {1, 3}};
    CWordIndex w;
    w.SetText(u"\u043A\u043E\u0442\u044B");
    w.AddWordForms(morph, &lemmas);
    EXPECT_EQ(w.GetForms(), std::vector<std::u16string>{u"\u041A\u041E\u0422"});
    CWordIndex k;
    k.SetText(u"Katzen");
    k.AddWordForms(morph, &lemmas);
    EXPECT_TRUE(k.GetForms().empty());
    EXPECT_EQ(lemmas.nCalls, 2);  // Russian for both words; German never
}

TEST(WordIndex, TheWordItselfIsDroppedOnce) {
    CFakeLemmas lemmas;
    lemmas.Add(1, "ABC", {u"ABC", u"X"});
    lemmas.Add(2, "ABC", {u"Y", u"ABC"});
    CWordIndex w;
    w.SetText(u"abc");
    const std::vector<MorphUse> morph{{1, 3}, {2, 3}};
    w.AddWordForms(morph, &lemmas);
    EXPECT_EQ(w.GetForms(), (std::vector<std::u16string>{u"X", u"Y"}));
}

TEST(WordIndex, MappedFormIsUpperCasedAndAddedOnlyWhenNew) {
    const CharMap map{{u'\u00DF', u"ss"}, {u'E', u"e"}, {u'\u0401', u"\u0415"}};
    struct Case {
        std::u16string text;
        std::vector<std::u16string> before;
        std::vector<std::u16string> after;
    };
    const Case cases[] = {
        {u"stra\u00DFe", {}, {u"STRASSE"}},
        {u"word", {}, {}},
        {u"EEE", {}, {}},  // maps a letter to itself in another case: nothing new
        {u"\u0451\u043B\u043A\u0430", {}, {u"\u0415\u041B\u041A\u0410"}},
        {u"stra\u00DFe", {u"strasse"}, {u"strasse"}},  // equal to a lemma without regard to case
    };
    for (const Case& c : cases) {
        CWordIndex w;
        w.SetText(c.text);
        CFakeLemmas lemmas;  // gives the word its forms before the map is applied
        std::string strWord;
        for (char16_t u : w.GetText())
            strWord += static_cast<char>(u);
        lemmas.Add(2, strWord, c.before);
        const std::vector<MorphUse> english{{2, 3}};
        w.AddWordForms(english, &lemmas);
        w.AddMappedForm(map);
        EXPECT_EQ(w.GetForms(), c.after);
    }
    CWordIndex w;
    w.SetText(u"stra\u00DFe");
    w.AddMappedForm(CharMap{});
    EXPECT_TRUE(w.GetForms().empty());
}
