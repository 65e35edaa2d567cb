// The command line of glossmill, parsed.
#include <gtest/gtest.h>

#include "compilerapp/CommandLine.h"
#include "compilerapp/ProgressView.h"

namespace {

std::optional<GlossmillOptions> Parse(std::vector<std::string> args,
                                      std::string* pError = nullptr) {
    std::string strError;
    auto options = ParseCommandLine(args, strError);
    if (pError) *pError = strError;
    return options;
}

}  // namespace

TEST(CommandLine, EveryOptionTakesEffect) {
    const auto o =
        Parse({"--compile", "src/dict.txt", "--map", "m.map", "--out", "D", "--home", "H",
               "--sep-type", "3", "--sep", "\\n---\\n", "--parts-sep", "\\t", "--no", "--quiet"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->action, GlossmillOptions::Action::Compile);
    EXPECT_EQ(o->source, "src/dict.txt");
    EXPECT_EQ(o->mapFile, "m.map");
    EXPECT_EQ(o->outDir, std::filesystem::path("D"));
    EXPECT_EQ(o->homeDir, std::filesystem::path("H"));
    EXPECT_EQ(o->separators.nType, 3);
    EXPECT_EQ(o->separators.strArticlesSep,
              u"\\n---\\n");  // escapes are decoded with the settings, not here
    EXPECT_EQ(o->separators.strPartsSep, u"\\t");
    EXPECT_FALSE(o->bContinueOnMorphFailure);
    EXPECT_TRUE(o->bQuiet);
}

TEST(CommandLine, DefaultsAndEmptyValues) {
    const auto o = Parse({"--compile=a.txt", "--map", "", "--sep=", "--sep-type", "2"});
    ASSERT_TRUE(o);
    EXPECT_TRUE(o->mapFile.empty());
    EXPECT_TRUE(o->separators.strArticlesSep.empty());
    EXPECT_EQ(o->separators.strPartsSep, u"##:##");
    EXPECT_FALSE(o->outDir);
    EXPECT_TRUE(o->bContinueOnMorphFailure);
    EXPECT_FALSE(o->bQuiet);
    // A value that looks like an option is still the value.
    const auto v = Parse({"--compile", "a.txt", "--parts-sep", "--x"});
    ASSERT_TRUE(v);
    EXPECT_EQ(v->separators.strPartsSep, u"--x");
}

TEST(CommandLine, FaultsAreRefusedWithAReason) {
    const std::vector<std::vector<std::string>> cases = {
        {"--map", "m"},
        {"--home", "h", "--quiet"},
        {"--compile"},
        {"--compile", ""},
        {"--compile", "a", "--sep-type", "0"},
        {"--compile", "a", "--sep-type", "2.0"},
        {"--compile", "a", "--yes", "--no"},
        {"--compile", "a", "--compile", "b"},
        {"--compile", "a", "--frobnicate"},
        {"--compile", "a", "stray"},
        {"--compile", "a", "--quiet=1"},
        {"--import", "dictd"},
        {"--import", "dictd", "--out", "x"},
        {"--import", "tsv", "a.tsv", "--compile", "b"},
    };
    for (const auto& args : cases) {
        std::string strError;
        EXPECT_FALSE(Parse(args, &strError)) << testing::PrintToString(args);
        EXPECT_FALSE(strError.empty());
    }
}

TEST(CommandLine, NothingOrOnlyAHomeOpensTheWindow) {
    EXPECT_EQ(Parse({})->action, GlossmillOptions::Action::Window);
    const auto home = Parse({"--home", "/h"});
    ASSERT_TRUE(home);
    EXPECT_EQ(home->action, GlossmillOptions::Action::Window);
    EXPECT_EQ(home->homeDir, std::filesystem::path("/h"));
}

TEST(CommandLine, ImportTakesAFormatAndAnInput) {
    const auto o = Parse({"--import", "dictd", "/d/x.index", "--out", "x.txt", "--name", "N\u00e9",
                          "--morph", "English(L)"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->action, GlossmillOptions::Action::Import);
    EXPECT_EQ(o->strImportFormat, "dictd");
    EXPECT_EQ(o->source, "/d/x.index");
    EXPECT_EQ(o->outDir, std::filesystem::path("x.txt"));
    EXPECT_EQ(o->strName, u"N\u00e9");
    EXPECT_EQ(o->strMorph, u"English(L)");
    EXPECT_EQ(Parse({"--import=tsv", "a.tsv"})->source, "a.tsv");
}

TEST(CommandLine, HelpAndVersionNeedNoSource) {
    EXPECT_EQ(Parse({"--help"})->action, GlossmillOptions::Action::Help);
    EXPECT_EQ(Parse({"--version"})->action, GlossmillOptions::Action::Version);
    EXPECT_NE(UsageText().find("--parts-sep"), std::string::npos);
}

TEST(CommandLine, OutputTakesTheSourceNameWithTheExtensionGmd) {
    struct Case {
        const char* source;
        const char* expected;
    };
    const Case cases[] = {
        {"/src/dict.txt", "/D/dict.gmd"},    {"/src.old/dict", "/D/dict.gmd"},
        {"dict.tar.txt", "/D/dict.tar.gmd"}, {"dict.", "/D/dict.gmd"},
        {"/x/dict.gmd", "/D/dict.gmd"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompiledFilePath(c.source, "/D"), c.expected) << c.source;
}

TEST(CommandLine, ConsoleTextHasPlainLineEnds) {
    EXPECT_EQ(ToConsoleText(u"a\r\nb\rc\n\u00e9"), "a\nb\nc\n\xC3\xA9");
}
