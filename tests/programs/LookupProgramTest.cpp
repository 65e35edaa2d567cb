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

    static CProgramRun Lookup(Args args, const std::string& input = {}) {
        args.insert(args.begin(), {"--home", s_pHome->Path().string()});
        return RunProgram("glossmere", args, input);
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

TEST_F(LookupProgram, JsonTellsWhatEachDictionaryIsAndGivesPlainTextBesideTheMarkup) {
    const CProgramRun r = Lookup({"--search", "and", "--format", "json", "--dict", "Metals"});
    EXPECT_EQ(r.nExit, 0);
    for (const char* part :
         {"{\"file\": \"animals.gmd\", \"name\": \"Animals\", \"enabled\": true, "
          "\"valid\": true, \"error\": null, \"searched\": false, \"total\": 0",
          "\"right_text\": \"copper <and> tin\", \"left_markup\": \"bronze\", "
          "\"right_markup\": \"copper &lt;and&gt; tin\"",
          "\"suggestions\": []}\n"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
}

TEST_F(LookupProgram, ABatchReadsStandardInputAndPrintsEachQuerysResults) {
    const std::string input = "soft\nzzzq\n";
    CProgramRun r = Lookup({"--batch", "-", "--format", "text"}, input);
    EXPECT_EQ(r.out,
              "> soft\nMetals (1)\n  1. copper\n     red metal\n     [[soft]]\n\n"
              "> zzzq\nText \"zzzq\" not found in group \"All dictionaries\"\n\n");
    r = Lookup({"--batch", "-", "--format", "json"}, input);
    EXPECT_EQ(r.out.find("{\"query\": \"soft\", \"group\": \"All dictionaries\", \"first\": 1"), 0u)
        << r.out;
    const size_t nSecond = r.out.find("\n{\"query\": \"zzzq\"");
    EXPECT_NE(nSecond, std::string::npos);
    EXPECT_NE(r.out.find("\"microseconds\": "), std::string::npos);
    EXPECT_EQ(r.out.find('\n', nSecond + 1), r.out.size() - 1);  // one line a query
    r = Lookup({"--batch", "-"}, input);
    EXPECT_EQ(r.out.find("{\"query\": \"soft\", \"total\": 1, \"microseconds\": "), 0u);
    EXPECT_EQ(r.nExit, 0);
}

TEST_F(LookupProgram, DictionariesAndGroupsAreChosenByName) {
    const struct {
        Args args;
        int nExit;
        const char* err;
    } cases[] = {
        {{"--dict", "Animals"}, 0, ""},
        {{"--dict", "animals.gmd", "--dict", "metals"}, 0, ""},
        {{"--dict", "Metals"}, 1, ""},
        {{"--dict", "Nope"},
         2,
         "glossmere: no dictionary 'Nope' in group 'All dictionaries'; it holds animals.gmd "
         "(Animals), metals.gmd (Metals)\nTry '--help'.\n"},
        {{"--group", "Nope"},
         2,
         "glossmere: No group named 'Nope'; the groups are 'All dictionaries'\n"},
    };
    for (const auto& c : cases) {
        Args args = {"--search", "cat"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CProgramRun r = Lookup(args);
        EXPECT_EQ(r.nExit, c.nExit) << testing::PrintToString(args);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(LookupProgram, AnUnreadableDictionaryIsReportedOncePerRun) {
    CTempDir home;
    std::filesystem::create_directories(home.Path() / "Dictionaries");
    std::filesystem::create_symlink(home.Path() / "gone.gmd",
                                    home.Path() / "Dictionaries" / "x.gmd");
    const CProgramRun r = RunProgram("glossmere", {"--home", home.Path().string(), "--batch", "-"},
                                     "cat\ndog\nbird\n");
    EXPECT_EQ(r.nExit, 0);
    const std::string message = "Error while processing file";
    const size_t nFirst = r.err.find(message);
    EXPECT_NE(nFirst, std::string::npos);
    EXPECT_EQ(r.err.find(message, nFirst + 1), std::string::npos) << r.err;
}

TEST_F(LookupProgram, NothingFoundOffersWordsFromTheIndex) {
    const struct {
        Args args;
        const char* expected;  // the output's last line
    } cases[] = {
        {{"--search", "brasss"}, "Did you mean: brass\n"},
        {{"--search", "brass tni"}, "Did you mean: brass tin\n"},
        {{"--search", "hea"},
         "Did you mean: head0, head1, head2, head3, head4, head5, head6, head7, head8, head9\n"},
        {{"--search", "sfot", "--format", "json"}, "\"suggestions\": [\"soft\"]}\n"},
        {{"--search", "soft brasz"}, "Did you mean: soft brass\n"},
        {{"--search", "xyzzy"}, "Text \"xyzzy\" not found in group \"All dictionaries\"\n"},
    };
    for (const auto& c : cases) {
        const CProgramRun r = Lookup(c.args);
        EXPECT_EQ(r.nExit, 1);
        EXPECT_TRUE(r.out.ends_with(c.expected)) << r.out;
    }
    const CProgramRun r = Lookup({"--prefix", "Head4"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.out, "head4\nhead40\nhead41\nhead42\nhead43\nhead44\n");
    EXPECT_EQ(Lookup({"--prefix", "qq", "--format", "json"}).out,
              "{\"prefix\": \"qq\", \"words\": []}\n");
}

}  // namespace
