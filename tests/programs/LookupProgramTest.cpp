// glossmere's headless lookup as a user runs it: sources compiled with
// glossmill, then looked up with glossmere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

using Args = std::vector<std::string>;

// Two small dictionaries compiled once for every test.
class LookupProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_pHome = new CTempDir;
        const auto dictionaries = s_pHome->Path() / "Dictionaries";
        std::filesystem::create_directories(dictionaries);
        Compile("metals.txt",
                "$FILE_TYPE: DICT\n$NAME: Metals\n\n"
                "brass##:##brass &amp; tin; a < b & c > d; &quot;q&quot;&nbsp;&copy; &#233;\n\n"
                "copper##:##red <b>metal</b><br>soft\n\n"
                "bronze##:##copper &lt;and&gt; tin\n");
        Compile("animals.txt", "$FILE_TYPE: DICT\n$NAME: Animals\n\n" + Articles(45, "cat"));
    }
    static void TearDownTestSuite() {
        delete s_pHome;
        s_pHome = nullptr;
    }

    // n articles whose right part holds word.
    static std::string Articles(int n, const std::string& word) {
        std::string text;
        for (int i = 0; i < n; ++i)
            text += "head" + std::to_string(i) + "##:##" + word + " " + std::to_string(i) + "\n\n";
        return text;
    }

    static void Compile(const std::string& name, const std::string& source) {
        const std::string path = (s_pHome->Path() / name).string();
        std::ofstream(path) << source;
        const CProgramRun r = RunProgram(
            "glossmill",
            {"--compile", path, "--quiet", "--out", (s_pHome->Path() / "Dictionaries").string()});
        ASSERT_EQ(r.nExit, 0) << r.err;
    }

    static CProgramRun Lookup(Args args) {
        args.insert(args.begin(), {"--home", s_pHome->Path().string()});
        return RunProgram("glossmere", args);
    }

    static inline CTempDir* s_pHome = nullptr;
};

TEST_F(LookupProgram, TextShowsWhatTheReaderSeesOnThePage) {
    const struct {
        const char* query;
        const char* expected;
    } cases[] = {
        {"brass tin",
         "Metals (1)\n  1. brass\n     [[brass & tin]]; a < b & c > d; \"q\"\u00A0\u00A9 \u00E9\n"},
        {"soft", "Metals (1)\n  1. copper\n     red metal\n     [[soft]]\n"},
        {"and", "Metals (1)\n  1. bronze\n     copper <[[and]]> tin\n"},
    };
    for (const auto& c : cases) {
        const CProgramRun r = Lookup({"--search", c.query});
        EXPECT_EQ(r.nExit, 0) << c.query;
        EXPECT_EQ(r.out, c.expected);
    }
}

TEST_F(LookupProgram, APageBeyondTheLastIsRefused) {
    EXPECT_EQ(Lookup({"--search", "cat", "--page", "3"}).nExit, 0);
    for (const char* format : {"text", "json", "html"}) {
        const CProgramRun r = Lookup({"--search", "cat", "--page", "4", "--format", format});
        EXPECT_EQ(r.nExit, 2) << format;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "glossmere: page 4 of 3\n");
    }
}

}  // namespace
