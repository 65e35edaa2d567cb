// "Glossmill.ini" as the compiler's window reads and writes it.
#include <gtest/gtest.h>

#include "compilerapp/MillSettings.h"
#include "core/Utf8.h"
#include "support/IniText.h"
#include "support/TextSets.h"

namespace {

// The window's numbered texts are the compiler's own.
using MillSettings = CCompilerTextsTest;

std::string Narrow(const std::u16string& text) {
    return ToUtf8(text);
}

constexpr const char* kTypeError =
    "INI file; section 'DictSetting'; key = 'ArticlesSepType'\r\n"
    "The type of articles separator must be an integer value from 1 to 3";

TEST_F(MillSettings, DictSettingIsReadOrRefusedWithItsKey) {
    struct Case {
        const char* ini;
        CSeparatorInput expected;  // when the read succeeds
        const char* errorStart;    // nullptr: the read succeeds
    };
    const Case cases[] = {
        {"", {2, u"", u"##:##"}, nullptr},
        {"[DictSetting]\nArticlesSepType=\n", {2, u"", u"##:##"}, nullptr},
        {"[DictSetting]\nArticlesSepType= 1 \n", {1, u"", u"##:##"}, nullptr},
        {"[DictSetting]\nArticlesSepType=0\n", {}, kTypeError},
        {"[DictSetting]\nArticlesSepType=4\n", {}, kTypeError},
        {"[DictSetting]\nArticlesSepType=2.5\n", {}, kTypeError},
        {"[DictSetting]\nArticlesSepType=3\nArticlesSep=002D002D002D\n",
         {3, u"---", u"##:##"},
         nullptr},
        {"[DictSetting]\nArticlePartsSep=005C0074\n", {2, u"", u"\\t"}, nullptr},
        // An unused other-separator that does not decode does not stop a start.
        {"[DictSetting]\nArticlesSep=005C0071\n", {2, u"\\q", u"##:##"}, nullptr},
        {"[DictSetting]\nArticlesSep=00G1\n",
         {},
         "INI file; section 'DictSetting'; key = 'ArticlesSep'\r\nArticles separator error"},
        {"[DictSetting]\nArticlePartsSep=123\n",
         {},
         "INI file; section 'DictSetting'; key = 'ArticlePartsSep'\r\nArticle parts separator "
         "error"},
        // Decoding and bounds: the other-separator must exist for type 3 and
        // fit 25 units, the parts separator 19.
        {"[DictSetting]\nArticlesSepType=3\n",
         {},
         "INI file; section 'DictSetting'; key = ''\r\nArticles separator error"},
        {"[DictSetting]\nArticlesSepType=3\nArticlesSep="
         "002D002D002D002D002D002D002D002D002D002D002D002D002D002D002D002D002D002D002D002D002D002D"
         "002D002D002D002D\n",
         {},
         "INI file; section 'DictSetting'; key = ''\r\nArticles separator error"},
        {"[DictSetting]\nArticlePartsSep="
         "007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C\n",
         {2, u"", u"|||||||||||||||||||"},
         nullptr},
        {"[DictSetting]\nArticlePartsSep="
         "007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C007C\n",
         {},
         "INI file; section 'DictSetting'; key = ''\r\nArticle parts separator error"},
    };
    for (const Case& c : cases) {
        CMillSettings settings;
        const bool bOk = settings.ReadDictSetting(IniFromText(c.ini));
        if (c.errorStart == nullptr) {
            EXPECT_TRUE(bOk) << c.ini << Narrow(settings.GetError());
            EXPECT_EQ(settings.GetSeparatorInput(), c.expected) << c.ini;
        } else {
            EXPECT_FALSE(bOk) << c.ini;
            EXPECT_EQ(Narrow(settings.GetError()).rfind(c.errorStart, 0), 0u)
                << c.ini << "\n"
                << Narrow(settings.GetError());
        }
    }
}

TEST_F(MillSettings, SeparatorsAreStoredAsTypedAndHandedOverDecoded) {
    const CSeparatorInput inputs[] = {
        {1, u"", u";;"},
        {3, u"\\n---\\n", u"\\t"},
        {2, u"\u00fc\u20ac", u"##:##"},
    };
    for (const CSeparatorInput& input : inputs) {
        CMillSettings written;
        ASSERT_TRUE(written.SetSeparatorInput(input));
        CIniFile ini;
        written.WriteDictSetting(ini);
        CMillSettings read;
        ASSERT_TRUE(read.ReadDictSetting(IniFromText(ini.Text()))) << ini.Text();
        EXPECT_EQ(read.GetSeparatorInput(), input) << ini.Text();
    }
    CMillSettings settings;
    ASSERT_TRUE(settings.SetSeparatorInput({3, u"\\n---\\n", u"\\t"}));
    CIniFile ini;
    settings.WriteDictSetting(ini);
    EXPECT_EQ(ini.Find(u"DictSetting", u"ArticlePartsSep"), u"005C0074");
    EXPECT_EQ(ini.Find(u"DictSetting", u"ArticlesSepType"), u"3");
    EXPECT_EQ(settings.GetSeparators().strPartsSep, u"\t");
    EXPECT_EQ(settings.GetSeparators().strArticlesSep, u"\n---\n");
}

TEST_F(MillSettings, SettingsDialogRefusesWhatTheEngineCannotUse) {
    struct Case {
        CSeparatorInput input;
        const char* faultStart;  // nullptr: accepted
    };
    const Case cases[] = {
        {{2, u"\\q", u"##:##"}, nullptr},  // "Other" is not chosen
        {{3, u"", u"##:##"}, "Articles separator error"},
        {{3, u"\\q", u"##:##"}, "Articles separator error"},
        {{3, std::u16string(25, u'-'), u"##:##"}, nullptr},
        {{3, std::u16string(26, u'-'), u"##:##"}, "Articles separator error"},
        {{3, u"\\x002D" + std::u16string(24, u'-'), u"##:##"}, nullptr},
        {{2, u"", u""}, "Article parts separator error"},
        {{2, u"", std::u16string(19, u'|')}, nullptr},
        {{2, u"", std::u16string(20, u'|')}, "Article parts separator error"},
        {{2, u"", u"\\"}, "Article parts separator error"},
    };
    for (const Case& c : cases) {
        const auto fault = SeparatorInputFault(c.input);
        if (c.faultStart == nullptr) {
            EXPECT_FALSE(fault) << Narrow(c.input.strArticlesSep) << Narrow(*fault);
        } else {
            ASSERT_TRUE(fault) << Narrow(c.input.strArticlesSep) << Narrow(c.input.strPartsSep);
            EXPECT_EQ(Narrow(*fault).rfind(c.faultStart, 0), 0u) << Narrow(*fault);
        }
    }
}

TEST_F(MillSettings, LanguageTables) {
    struct Case {
        const char* ini;
        size_t nLanguages;
        int32_t nStart;
        const char16_t* library;
        const char16_t* name;
    };
    const Case cases[] = {
        {"", 0, 0, u"", u"English"},
        {"[Languages]\n1=Russian\n2=German\nAppLang=1\n[LangDLLs]\n1=ru\n2=de\n", 2, 1, u"ru",
         u"Russian"},
        // A language that is not listed is built-in English.
        {"[Languages]\n1=Russian\nAppLang=2\n[LangDLLs]\n1=ru\n", 1, 0, u"", u"English"},
        {"[Languages]\n1=Russian\nAppLang=-1\n[LangDLLs]\n1=ru\n", 1, 0, u"", u"English"},
        {"[Languages]\n1=Russian\nAppLang=one\n[LangDLLs]\n1=ru\n", 1, 0, u"", u"English"},
        // The list ends at the first missing number.
        {"[Languages]\n1=Russian\n3=German\nAppLang=3\n[LangDLLs]\n1=ru\n3=de\n", 1, 0, u"",
         u"English"},
    };
    for (const Case& c : cases) {
        CMillSettings settings;
        ASSERT_TRUE(settings.ReadLanguages(IniFromText(c.ini))) << c.ini;
        EXPECT_EQ(settings.GetLanguages().size(), c.nLanguages) << c.ini;
        EXPECT_EQ(settings.GetStartLanguage(), c.nStart) << c.ini;
        EXPECT_EQ(settings.GetSelectedLanguage(), c.nStart) << c.ini;
        EXPECT_EQ(settings.GetStartLibrary(), c.library) << c.ini;
        EXPECT_EQ(settings.GetStartLanguageName(), c.name) << c.ini;
    }
    CMillSettings settings;
    EXPECT_FALSE(settings.ReadLanguages(
        IniFromText("[Languages]\n1=Russian\n2=German\n[LangDLLs]\n1=ru\n")));
    EXPECT_EQ(Narrow(settings.GetError()),
              "INI file; section 'LangDLLs'; key = '2'\r\nDll name not found");
}

TEST_F(MillSettings, ChoosingAnotherLanguageAsksForARestart) {
    CMillSettings settings;
    ASSERT_TRUE(settings.ReadLanguages(
        IniFromText("[Languages]\n1=Russian\nAppLang=1\n[LangDLLs]\n1=ru\n")));
    EXPECT_FALSE(settings.ChooseLanguage(1));
    EXPECT_FALSE(settings.NeedsRestart());
    EXPECT_TRUE(settings.ChooseLanguage(0));
    EXPECT_TRUE(settings.NeedsRestart());
    CIniFile ini;
    settings.WriteLanguage(ini);
    EXPECT_EQ(ini.Find(u"Languages", u"AppLang"), u"0");
}

TEST_F(MillSettings, DictionariesFolderFallsBackToTheDefault) {
    const std::filesystem::path existing = std::filesystem::temp_directory_path();
    const std::filesystem::path fallback = "/home/Dictionaries";
    struct Case {
        std::string ini;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {"", fallback},
        {"[Parameters]\nDictFolder=\n", fallback},
        {"[Parameters]\nDictFolder=/no/such/folder/here\n", fallback},
        {"[Parameters]\nDictFolder=" + existing.string() + "\n", existing},
    };
    for (const Case& c : cases) {
        CMillSettings settings;
        settings.ReadDictFolder(IniFromText(c.ini), fallback);
        EXPECT_EQ(settings.GetDictFolder(), c.expected) << c.ini;
    }
}

}  // namespace
