#include "shell/LookupDefaults.h"

#include <gtest/gtest.h>

namespace {

TEST(LookupDefaultsTest, SettingsFillWhatTheCommandLineLeavesOpen) {
    CIniFile ini;
    ini.LoadText(
        "[TEXT_VIEW]\nWordArticleView=2\nAddSort=1\nResFontSize=24\n[SEARCH_ADJUST]\nSearchArea="
        "2\n");
    struct Case {
        std::vector<std::string> args;
        int nLayout, nSort, nFontSize, nArea;
    };
    const Case cases[] = {
        {{"--search", "x"}, 2, 1, 24, 2},
        {{"--search", "x", "--layout", "0", "--font-size", "30"}, 0, 1, 30, 2},
        {{"--search", "x", "--sort", "none", "--area", "left"}, 2, 0, 24, 1},
    };
    for (const Case& c : cases) {
        std::string strError;
        std::optional<CLookupOptions> options = ParseLookupOptions(c.args, strError);
        ASSERT_TRUE(options) << strError;
        EXPECT_EQ(ApplyViewSettings(ini, c.args, *options), u"");
        EXPECT_EQ(options->nLayout, c.nLayout) << c.args.size();
        EXPECT_EQ(options->nSortMode, c.nSort) << c.args.size();
        EXPECT_EQ(options->nFontSize, c.nFontSize) << c.args.size();
        EXPECT_EQ(options->nArea, c.nArea) << c.args.size();
    }
    // A bad value is reported, and it and the keys after it stay at their defaults.
    ini.LoadText("[TEXT_VIEW]\nWordArticleView=1\nAddSort=9\nResFontSize=24\n");
    const std::vector<std::string> args = {"--search", "x"};
    std::string strError;
    std::optional<CLookupOptions> options = ParseLookupOptions(args, strError);
    ASSERT_TRUE(options);
    EXPECT_NE(ApplyViewSettings(ini, args, *options), u"");
    EXPECT_EQ(options->nLayout, 1);
    EXPECT_EQ(options->nFontSize, 18);
}

}  // namespace
