#include "shell/ShellSettings.h"

#include <gtest/gtest.h>

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"
#include "support/IniText.h"

namespace {

std::u16string KeyMessage(int nId, std::u16string_view section, std::u16string_view key) {
    return FormatTextId(nId, {int64_t{6}, int64_t{48}}) + u"\r\n" +
           FormatTextId(IDS_SHELL_INI_LOCATION, {section, key});
}

TEST(ShellSettingsTest, MissingFileGivesTheDefaults) {
    CAppSettings app;
    CViewState view;
    EXPECT_EQ(ReadAppSettings(IniFromText(""), app), std::nullopt);
    EXPECT_EQ(ReadViewSettings(IniFromText(""), view), std::nullopt);
    EXPECT_TRUE(app.aLanguages.empty());
    EXPECT_EQ(app.nCurrentLanguage, ID_LANGUAGE_BUILT_IN);
    EXPECT_EQ(app.strPreferDictNameLang, u"English");
    EXPECT_TRUE(app.bFirstRun);
    EXPECT_FALSE(app.bSearchAreaCombo);
    EXPECT_EQ(view.nLayout, 0);
    EXPECT_EQ(view.nSort, 0);
    EXPECT_EQ(view.nFontSize, 18);
    EXPECT_EQ(view.nArea, 0);
    EXPECT_FALSE(view.bOutSearchTime);
}

struct ViewCase {
    const char* pszIni;
    std::optional<std::u16string> message;
    CViewState expected;
};

TEST(ShellSettingsTest, ABadViewSettingKeepsTheDefaultsFromItsKeyOn) {
    const ViewCase cases[] = {
        {"[TEXT_VIEW]\nResFontSize= 20 \nWordArticleView=2\n[SEARCH_ADJUST]\nSearchArea=1\n"
         "[ADD_ADJUST]\nOutSearchTime=1\n",
         std::nullopt,
         {2, 0, 20, 1, true}},
        {"[TEXT_VIEW]\nResFontSize=5\nWordArticleView=1\nAddSort=2\n",
         KeyMessage(IDS_SET_FONT_SIZE_ERROR, u"TEXT_VIEW", u"ResFontSize"),
         {1, 2, 18, 0, false}},
        {"[TEXT_VIEW]\nResFontSize=49\n",
         KeyMessage(IDS_SET_FONT_SIZE_ERROR, u"TEXT_VIEW", u"ResFontSize"),
         {0, 0, 18, 0, false}},
        {"[TEXT_VIEW]\nWordArticleView=1.0\n[SEARCH_ADJUST]\nSearchArea=2\n",
         KeyMessage(IDS_SET_LAYOUT_ERROR, u"TEXT_VIEW", u"WordArticleView"),
         {0, 0, 18, 0, false}},
        {"[text_view]\naddsort=x\nwordarticleview=1\n",
         KeyMessage(IDS_SET_SORT_ERROR, u"TEXT_VIEW", u"AddSort"),
         {1, 0, 18, 0, false}},
        {"[SEARCH_ADJUST]\nSearchArea=3\n[TEXT_VIEW]\nAddSort=1\n",
         KeyMessage(IDS_SET_AREA_ERROR, u"SEARCH_ADJUST", u"SearchArea"),
         {0, 1, 18, 0, false}},
        {"[ADD_ADJUST]\nOutSearchTime=2\n[TEXT_VIEW]\nResFontSize=30\n",
         KeyMessage(IDS_SET_SEARCH_TIME_ERROR, u"ADD_ADJUST", u"OutSearchTime"),
         {0, 0, 30, 0, false}},
        {"[TEXT_VIEW]\nResFontSize=99999999999\n",
         KeyMessage(IDS_SET_FONT_SIZE_ERROR, u"TEXT_VIEW", u"ResFontSize"),
         {0, 0, 18, 0, false}},
    };
    for (const ViewCase& c : cases) {
        CViewState view;
        EXPECT_EQ(ReadViewSettings(IniFromText(c.pszIni), view), c.message) << c.pszIni;
        EXPECT_EQ(view.nLayout, c.expected.nLayout) << c.pszIni;
        EXPECT_EQ(view.nSort, c.expected.nSort) << c.pszIni;
        EXPECT_EQ(view.nFontSize, c.expected.nFontSize) << c.pszIni;
        EXPECT_EQ(view.nArea, c.expected.nArea) << c.pszIni;
        EXPECT_EQ(view.bOutSearchTime, c.expected.bOutSearchTime) << c.pszIni;
    }
}

TEST(ShellSettingsTest, ApplicationSettingsAndTheirFailures) {
    CAppSettings app;
    EXPECT_EQ(
        ReadAppSettings(IniFromText("[Languages]\n1=Deutsch\n3=Français\n2=\n[LangDLLs]\n1=de\n"
                                    "[ADD_ADJUST]\nSearchAreaCombo=7\nFirstRun=0\n"),
                        app),
        std::nullopt);
    ASSERT_EQ(app.aLanguages.size(), 1u);
    EXPECT_EQ(app.aLanguages[0].strName, u"Deutsch");
    EXPECT_EQ(app.aLanguages[0].strLibrary, u"de");
    EXPECT_TRUE(app.bSearchAreaCombo);
    EXPECT_FALSE(app.bFirstRun);

    EXPECT_EQ(ReadAppSettings(IniFromText("[Languages]\n1=Deutsch\nAppLang=1\n"), app),
              FormatTextId(IDS_SHELL_INI_LOCATION, {u"LangDLLs", u"1"}) + u"\r\n" +
                  FormatTextId(IDS_SHELL_LANGUAGE_PACK_NAME_MISSING));
    EXPECT_EQ(ReadAppSettings(IniFromText("[ADD_ADJUST]\nFirstRun=2\n"), app),
              KeyMessage(IDS_SET_FIRST_START_ERROR, u"ADD_ADJUST", u"FirstRun"));

    // "AppLang" is read as a number without a message; one that names no
    // language is the built-in one.
    const std::pair<const char*, int> appLang[] = {
        {"1", 40002}, {" 1x", 40002}, {"x", 40001}, {"5", 40001}, {"-1", 40001}};
    for (const auto& [pszValue, nLanguage] : appLang) {
        const std::string text =
            std::string("[Languages]\n1=Deutsch\nAppLang=") + pszValue + "\n[LangDLLs]\n1=de\n";
        EXPECT_EQ(ReadAppSettings(IniFromText(text), app), std::nullopt);
        EXPECT_EQ(app.nCurrentLanguage, nLanguage) << pszValue;
    }
}

TEST(ShellSettingsTest, WritingKeepsWhatTheUserWrote) {
    CIniFile ini = IniFromText(
        "; mine\n[TEXT_VIEW]\nResFontSize=20\nColour=green\n[ADD_ADJUST]\nFirstRun=1\n");
    CAppSettings app;
    app.bSearchAreaCombo = true;
    app.nChosenLanguage = 40002;
    WriteViewSettings(ini, {2, 1, 24, 2, true});
    WriteAppSettings(ini, app);
    CViewState view;
    EXPECT_EQ(ReadViewSettings(ini, view), std::nullopt);
    EXPECT_EQ(view.nFontSize, 24);
    EXPECT_EQ(view.nArea, 2);
    EXPECT_TRUE(view.bOutSearchTime);
    const std::string text = ini.Text();
    EXPECT_TRUE(text.starts_with("; mine\n[TEXT_VIEW]\nResFontSize=24\nColour=green\n")) << text;
    EXPECT_NE(text.find("FirstRun=0"), std::string::npos);
    EXPECT_NE(text.find("SearchAreaCombo=1"), std::string::npos);
    EXPECT_NE(text.find("AppLang=1"), std::string::npos);
}

}  // namespace
