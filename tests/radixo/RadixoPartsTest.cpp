// The inner parts of the lemmatiser that need no dictionary: our word-list
// format, the dictionaries' character sets, letter case and the German
// spelling rules, and the Russian spelling rules.
#include <set>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "radixo/DictEncoding.h"
#include "radixo/FormList.h"
#include "radixo/GermanRules.h"
#include "radixo/HunspellForms.h"
#include "radixo/LetterCase.h"
#include "radixo/RussianRules.h"
#include "support/TempDir.h"

namespace {

using Words = std::vector<std::u16string>;

bool Contains(const Words& words, const std::u16string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

TEST(FormList, BracesExpandToEveryAlternative) {
    const struct {
        const char16_t* pszForm;
        Words expected;
    } cases[] = {
        {u"ging", {u"ging"}},
        {u"ging{,st,en,t}", {u"ging", u"gingst", u"gingen", u"gingt"}},
        {u"{при,у}шёл", {u"пришёл", u"ушёл"}},
        {u"a{b,c}d{e,f}", {u"abde", u"abdf", u"acde", u"acdf"}},
        {u"open{end", {u"open{end"}},
        {u"{}", {u""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandBraces(c.pszForm), c.expected) << ToUtf8(c.pszForm);
}

TEST(FormList, FormsGiveEveryLemmaTheyAreListedUnder) {
    CTempDir dir;
    dir.Write("forms.txt",
              "# comment\n"
              "идти: шёл шла ид{у,ёт}  # trailing comment\n"
              "\n"
              "он: им\n"
              "они: им их\n"
              "том:\n");
    CFormList list;
    ASSERT_TRUE(list.Load((dir.Path() / "forms.txt").string(), true));
    ASSERT_NE(list.Find(u"шел"), nullptr);  // ё read as е
    EXPECT_EQ(*list.Find(u"шел"), Words{u"идти"});
    EXPECT_EQ(*list.Find(u"идет"), Words{u"идти"});
    EXPECT_EQ(*list.Find(u"идти"), Words{u"идти"});  // a lemma is a form of itself
    EXPECT_EQ(*list.Find(u"им"), (Words{u"он", u"они"}));
    EXPECT_EQ(*list.Find(u"том"), Words{u"том"});
    EXPECT_EQ(list.Find(u"comment"), nullptr);
}

TEST(FormList, UnreadableOrMalformedListsFail) {
    CTempDir dir;
    CFormList list;
    EXPECT_FALSE(list.Load((dir.Path() / "none.txt").string(), false));
    dir.Write("bad.txt", "go: went\nwithout colon\n");
    EXPECT_FALSE(list.Load((dir.Path() / "bad.txt").string(), false));
    dir.Write("two.txt", "two lemmas: x\n");
    EXPECT_FALSE(list.Load((dir.Path() / "two.txt").string(), false));
}

TEST(DictEncoding, EverySetRoundTripsItsOwnLetters) {
    const struct {
        const char* pszName;
        std::u16string_view text;
        std::string_view bytes;
    } cases[] = {
        {"UTF-8", u"häuser книга", "h\xC3\xA4user \xD0\xBA\xD0\xBD\xD0\xB8\xD0\xB3\xD0\xB0"},
        {"ISO8859-1", u"Häuser", "H\xE4user"},
        {"KOI8-R", u"Привет, ёж", "\xF0\xD2\xC9\xD7\xC5\xD4, \xA3\xD6"},
        {"microsoft-cp1251", u"Ёлка", "\xA8\xEB\xEA\xE0"},
        {"cp1252", u"Œuvre €", "\x8Cuvre \x80"},
    };
    for (const auto& c : cases) {
        CDictEncoding encoding;
        ASSERT_TRUE(encoding.Set(c.pszName)) << c.pszName;
        EXPECT_EQ(encoding.FromWide(c.text), c.bytes) << c.pszName;
        EXPECT_EQ(encoding.ToWide(c.bytes), c.text) << c.pszName;
    }
}

TEST(DictEncoding, UnknownSetsAndForeignLettersAreRefused) {
    CDictEncoding encoding;
    EXPECT_FALSE(encoding.Set("ISO8859-5"));
    EXPECT_FALSE(encoding.Set(""));
    ASSERT_TRUE(encoding.Set("iso8859-1"));
    EXPECT_EQ(encoding.FromWide(u"дом"), "???");
    ASSERT_TRUE(encoding.Set("KOI8-R"));
    EXPECT_EQ(encoding.FromWide(u"ä"), "?");
    EXPECT_EQ(encoding.ToWide("\x80"), u"\xFFFD");
}

TEST(LetterCase, LowerCasesTheLettersOfAllThreeLanguages) {
    EXPECT_EQ(ToLowerText(u"HÄUSER ÖL ÜBER ŒUVRE ŠŽŸ"), u"häuser öl über œuvre šžÿ");
    EXPECT_EQ(ToLowerText(u"ЁЛКА ЪЫЬ ЎЄЇІ Ґ"), u"ёлка ъыь ўєїі ґ");
    EXPECT_EQ(ToLowerText(u"×ß123"), u"×ß123");
    EXPECT_EQ(Capitalise(u"äpfel"), u"Äpfel");
    EXPECT_EQ(FoldYo(u"ЁЖ ёж"), u"ЕЖ еж");
    EXPECT_TRUE(StartsWithUpper(u"Haus"));
    EXPECT_FALSE(StartsWithUpper(u"haus"));
    EXPECT_FALSE(StartsWithUpper(u""));
}

TEST(GermanRules, CandidatesFollowTheSpellingOfInflection) {
    EXPECT_TRUE(Contains(UmlautSingularCandidates(u"Bücher"), u"Buch"));
    EXPECT_TRUE(Contains(UmlautSingularCandidates(u"Mütter"), u"Mutter"));
    EXPECT_TRUE(Contains(UmlautSingularCandidates(u"Hände"), u"Hand"));
    EXPECT_TRUE(Contains(UmlautSingularCandidates(u"Mäuse"), u"Maus"));
    EXPECT_TRUE(UmlautSingularCandidates(u"Tische").empty());
    EXPECT_TRUE(Contains(WeakParticipleInfinitives(u"gemacht"), u"machen"));
    EXPECT_TRUE(Contains(WeakParticipleInfinitives(u"gearbeitet"), u"arbeiten"));
    EXPECT_TRUE(Contains(WeakParticipleInfinitives(u"geändert"), u"ändern"));
    EXPECT_TRUE(Contains(WeakParticipleInfinitives(u"aufgeräumt"), u"aufräumen"));
    EXPECT_TRUE(WeakParticipleInfinitives(u"gegangen").empty());
    EXPECT_TRUE(Contains(ComparisonBaseCandidates(u"größer"), u"groß"));
    EXPECT_TRUE(Contains(ComparisonBaseCandidates(u"ältest"), u"alt"));
    EXPECT_EQ(UndoUmlauts(u"Ärztin über"), u"Arztin uber");
    bool bFound = false;
    for (const SplitWord& split : PrefixSplits(u"zurückgekommen"))
        bFound |= split.prefix == u"zurück" && split.rest == u"gekommen";
    EXPECT_TRUE(bFound);
    EXPECT_TRUE(PrefixSplits(u"aus").empty());
    EXPECT_TRUE(IsInfinitive(u"gehen"));
    EXPECT_FALSE(IsInfinitive(u"Laden"));
}

TEST(GermanRules, ForeignPluralsGiveTheSingularsOfTheirLongestEnding) {
    const struct {
        const char16_t* pszPlural;
        Words expected;
    } cases[] = {
        {u"museen", {u"Museum", u"Musea", u"Museon", u"Museis", u"Museus", u"Museos", u"Museo"}},
        {u"studien", {u"Studium", u"Studion", u"Studius"}},  // never Studio
        {u"materialien", {u"Materialium", u"Materialion", u"Materialius", u"Material"}},
        {u"atlanten", {u"Atlas"}},
        {u"indizes", {u"Index"}},
        {u"kommata", {u"Komma"}},
        {u"visa", {u"Visum", u"Vison"}},
        {u"tempi", {u"Tempo"}},
        {u"haus", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ForeignSingularCandidates(c.pszPlural), c.expected) << ToUtf8(c.pszPlural);
}

TEST(RussianRules, ObliqueCasesGiveTheNominativeWithItsVowelBack) {
    const struct {
        const char16_t* pszForm;
        const char16_t* pszLemma;
        Declension declension;
    } cases[] = {
        {u"угла", u"угол", Declension::Hard},        {u"углами", u"угол", Declension::Hard},
        {u"ветру", u"ветер", Declension::Hard},      {u"пса", u"пёс", Declension::Hard},
        {u"льва", u"лев", Declension::Hard},         {u"пальцем", u"палец", Declension::Hard},
        {u"зайца", u"заяц", Declension::Hard},       {u"бойцы", u"боец", Declension::Hard},
        {u"кусков", u"кусок", Declension::Hard},     {u"дня", u"день", Declension::Soft},
        {u"муравья", u"муравей", Declension::Soft},  {u"улью", u"улей", Declension::Soft},
        {u"любви", u"любовь", Declension::Feminine}, {u"вшами", u"вошь", Declension::Feminine},
    };
    for (const auto& c : cases) {
        const auto candidates = FleetingVowelCandidates(c.pszForm);
        EXPECT_TRUE(std::any_of(candidates.begin(), candidates.end(), [&](const auto& candidate) {
            return candidate.lemma == c.pszLemma && candidate.declension == c.declension;
        })) << ToUtf8(c.pszForm);
    }
    // No vowel to put back, or an ending no such declension has.
    for (const char16_t* pszForm : {u"книга", u"стол", u"ложкой"})
        EXPECT_TRUE(FleetingVowelCandidates(pszForm).empty()) << ToUtf8(pszForm);
}

TEST(RussianRules, CandidatesAreConfirmedByTheirOwnDeclension) {
    const FleetingCandidate angle{u"угол", u"угл", Declension::Hard};
    const ConfirmingForms forms = FormsToConfirm(angle);
    EXPECT_EQ(forms.singular, (std::vector<Words>{{u"угла"}, {u"углу"}, {u"углом", u"углем"}}));
    EXPECT_EQ(forms.plural, (std::vector<Words>{{u"углы"}, {u"углов", u"углев", u"углей"}}));
    EXPECT_EQ(forms.keptVowelGenitive, u"угола");
    EXPECT_EQ(forms.neuter, u"угло");
    EXPECT_EQ(FormsToConfirm({u"сердец", u"сердц", Declension::Hard}).neuter, u"сердце");
    EXPECT_EQ(FormsToConfirm({u"кусок", u"куск", Declension::Hard}).plural[0], Words{u"куски"});
    const ConfirmingForms love = FormsToConfirm({u"любовь", u"любв", Declension::Feminine});
    EXPECT_EQ(love.singular, (std::vector<Words>{{u"любви"}, {u"любовью"}}));
    EXPECT_TRUE(love.plural.empty());
}

TEST(HunspellForms, AffixRulesMakeEveryFormOfTheWordList) {
    CTempDir dir;
    dir.Write("t.aff",
              "SET UTF-8\n"
              "ICONV 1\n"
              "ICONV ’ '\n"
              "NEEDAFFIX n\n"
              "FORBIDDENWORD x\n"
              "CIRCUMFIX c\n"
              "SFX S Y 2\n"
              "SFX S y ies [^aeiou]y\n"
              "SFX S 0 s [^y]\n"
              "SFX D N 1\n"
              "SFX D 0 ed/T .\n"
              "SFX T N 1\n"
              "SFX T 0 ly .\n"
              "PFX U Y 1\n"
              "PFX U 0 un .\n"
              "SFX G Y 1\n"
              "SFX G 0 t/c .\n"
              "PFX E Y 1\n"
              "PFX E 0 ge/c .\n");
    dir.Write("t.dic", "6\nfly/SU\nplay/SD\nbas/nS\nbad/x\nmach/GE\nwörd\n");
    std::set<std::u16string> forms;
    ASSERT_TRUE(ForEachHunspellForm((dir.Path() / "t.aff").string(),
                                    (dir.Path() / "t.dic").string(),
                                    [&](std::u16string_view form) { forms.emplace(form); }));
    const std::set<std::u16string> expected = {u"’",       u"fly",  u"flies",   u"unfly",
                                               u"unflies", u"play", u"played",  u"playedly",
                                               u"bass",    u"mach", u"gemacht", u"wörd"};
    EXPECT_EQ(forms, expected);
    EXPECT_FALSE(ForEachHunspellForm((dir.Path() / "none.aff").string(),
                                     (dir.Path() / "t.dic").string(), [](std::u16string_view) {}));
}

}  // namespace
