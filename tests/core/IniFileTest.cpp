#include "core/IniFile.h"

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "support/IniText.h"
#include "support/TempDir.h"

TEST(IniFileTest, ReadsWithProfileRules) {
    const CIniFile ini = IniFromText(
        "; settings\r\n"
        "[Text_View]\r\n"
        "  ResFontSize =  20  \r\n"
        "resfontsize=30\r\n"
        "Quoted=\" a b \"\r\n"
        "Single='x'\r\n"
        "Lone=\"\r\n"
        "Empty=\r\n"
        "; Commented=1\r\n"
        "[text_view]\r\n"
        "Later=1\r\n"
        "[Languages]\r\n"
        "1=Русский\r\n");
    const struct {
        std::u16string_view section, key;
        std::optional<std::u16string> value;
    } cases[] = {
        {u"TEXT_VIEW", u"ResFontSize", u"20"},  // keys and sections ignore case
        {u"TEXT_VIEW", u"Quoted", u" a b "},    // one pair of quotes goes
        {u"TEXT_VIEW", u"Single", u"x"},        //
        {u"TEXT_VIEW", u"Lone", u"\""},         // a lone quote stays
        {u"TEXT_VIEW", u"Empty", u""},          //
        {u"TEXT_VIEW", u"Commented", std::nullopt},
        {u"TEXT_VIEW", u"Later", std::nullopt},  // the first section wins
        {u"Languages", u"1", u"Русский"},
        {u"Missing", u"1", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.Find(c.section, c.key), c.value) << ToUtf8(c.key);
    }
    EXPECT_EQ(ini.GetString(u"Languages", u"1", u"", 3), u"Рус");
    EXPECT_EQ(ini.GetString(u"Languages", u"2", u"none"), u"none");
    EXPECT_EQ(
        ini.GetKeys(u"text_view"),
        (std::vector<std::u16string>{u"ResFontSize", u"Quoted", u"Single", u"Lone", u"Empty"}));
}

TEST(IniFileTest, WritesChangeOnlyTheirLine) {
    CIniFile ini = IniFromText(
        "\xEF\xBB\xBF; kept\n"
        "[A]\n"
        "x = 1 ; note\n"
        "Unknown=7\n"
        "\n"
        "[B]\n"
        "y=2\n");
    ini.SetString(u"a", u"X", u"5");
    ini.SetString(u"A", u"z", u"6");
    ini.SetString(u"C", u"w", u"Ж");
    ini.Remove(u"B", u"y");
    ini.Remove(u"B", u"nothing");
    EXPECT_EQ(ini.Text(),
              "\xEF\xBB\xBF; kept\n"
              "[A]\n"
              "X=5\n"
              "Unknown=7\n"
              "z=6\n"
              "\n"
              "[B]\n"
              "\n"
              "[C]\n"
              "w=Ж\n");
}

TEST(IniFileTest, SavesAtomicallyAndReportsUnreadableFiles) {
    CTempDir dir;
    const auto path = dir.Path() / "Glossmere.ini";
    std::u16string error;
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, error));  // missing: empty profile
    ini.SetString(u"ADD_ADJUST", u"FirstRun", u"0");
    ASSERT_TRUE(ini.Save(path, error)) << ToUtf8(error);
    CIniFile again;
    ASSERT_TRUE(again.Load(path, error));
    EXPECT_EQ(again.Find(u"add_adjust", u"firstrun"), u"0");

    dir.Write("bad.ini", "[A]\nx=\xFF\xFE\n");
    EXPECT_FALSE(again.Load(dir.Path() / "bad.ini", error));
    EXPECT_NE(error.find(u"bad.ini"), std::u16string::npos);
    EXPECT_FALSE(again.Find(u"A", u"x"));
    EXPECT_FALSE(again.Save(dir.Path() / "no-such-folder" / "x.ini", error));
}

TEST(IniFileTest, IntegerSettings) {
    const struct {
        std::u16string_view text;
        std::optional<int32_t> value;
    } cases[] = {
        {u"18", 18},
        {u" 20 ", 20},
        {u"\t-3", -3},
        {u"2147483647", 2147483647},
        {u"-2147483648", INT32_MIN},
        {u"2147483648", std::nullopt},
        {u"1.0", std::nullopt},
        {u"x", std::nullopt},
        {u"", std::nullopt},
        {u"+1", std::nullopt},
        {u"1 2", std::nullopt},
        {u"٣", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseProfileInt(c.text), c.value) << ToUtf8(c.text);
}
