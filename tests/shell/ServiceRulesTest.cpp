// The rules of the interface languages, help and selections.
#include "shell/ServiceRules.h"

#include <gtest/gtest.h>

namespace {

CAppSettings WithLanguages(std::vector<CInterfaceLanguage> languages, int nCurrent) {
    CAppSettings settings;
    settings.aLanguages = std::move(languages);
    settings.nCurrentLanguage = settings.nChosenLanguage = nCurrent;
    return settings;
}

TEST(ServiceRules, LanguageItemsStartWithEnglishAndStopAtAnEmptyName) {
    const auto items = InterfaceLanguageItems(
        WithLanguages({{u"Russian", u"Russian"}, {u"", u"X"}, {u"German", u"German"}}, 40001));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].nId, 40001);
    EXPECT_EQ(items[0].strName, u"English");
    EXPECT_EQ(items[1].nId, 40002);
    EXPECT_EQ(items[1].strName, u"Russian");
    // At most up to 40100.
    EXPECT_EQ(InterfaceLanguageItems(
                  WithLanguages(std::vector<CInterfaceLanguage>(150, {u"L", u"L"}), 40001))
                  .back()
                  .nId,
              40100);
}

TEST(ServiceRules, PickingRestartsOnlyForAnotherLanguage) {
    struct Case {
        int nCurrent, nChosenBefore, nPicked;
        bool bRestart;
    } cases[] = {
        {40001, 40001, 40002, true},
        {40002, 40002, 40002, false},
        {40002, 40002, 40001, true},
        // Picked away and back before the restart: nothing to restart for.
        {40002, 40001, 40002, false},
    };
    for (const Case& c : cases) {
        CAppSettings settings = WithLanguages({{u"Russian", u"Russian"}}, c.nCurrent);
        settings.nChosenLanguage = c.nChosenBefore;
        EXPECT_EQ(PickLanguage(settings, c.nPicked), c.bRestart) << c.nCurrent << " " << c.nPicked;
        EXPECT_EQ(settings.nChosenLanguage, c.nPicked);
        EXPECT_EQ(settings.nCurrentLanguage, c.nCurrent);
    }
}

TEST(ServiceRules, HelpLanguageAndPackOfTheCurrentLanguage) {
    struct Case {
        int nCurrent;
        const char16_t* pszHelp;
        const char* pszPack;
    } cases[] = {
        {40001, u"English", ""},
        {40002, u"Russian", "/data/GlossmereLang/Rus.qm"},
        {40003, u"English", "/data/GlossmereLang/Empty.qm"},  // an empty name
        {40009, u"English", ""},                              // beyond the list
    };
    for (const Case& c : cases) {
        const CAppSettings settings =
            WithLanguages({{u"Russian", u"Rus"}, {u"", u"Empty"}}, c.nCurrent);
        EXPECT_EQ(HelpLanguageName(settings), c.pszHelp) << c.nCurrent;
        EXPECT_EQ(LanguagePackPath(settings, c.nCurrent, "/data"), std::filesystem::path(c.pszPack))
            << c.nCurrent;
    }
}

TEST(ServiceRules, SelectionTrimmedWithoutObjectCharacters) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"  big city \r\n", u"big city"},
        {u"\uFFFC apple\uFFFC", u"apple"},
        {u"a\uFFFCb", u"ab"},
        {u"\t\u00A0 ", u""},
        {u"дом\nи сад", u"дом\nи сад"},
    };
    for (const auto& [selection, text] : cases)
        EXPECT_EQ(SelectionText(selection), text);
}

}  // namespace
