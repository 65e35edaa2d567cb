#include "shell/HeadlessLookup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/Utf8.h"
#include "library/GmdTestBuilder.h"

namespace {

class HeadlessLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("gloss_lookup_" + std::to_string(getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir / "Dictionaries");
        CTestDictionary dict;
        dict.strName = u"Animals";
        dict.aArticles = {{u"cat", u"a <b>small</b> animal"}, {u"big cat", u"lion"}};
        m_layout = WriteTestDictionary(dict, m_dir / "Dictionaries" / "a.gmd");
        CTestDictionary partext;
        partext.nFileType = 2;
        partext.strName = u"Book";
        partext.aArticles = {{u"The cat sleeps.", u"Die Katze schläft."}};
        WriteTestDictionary(partext, m_dir / "Dictionaries" / "b.gmd");
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Runs one lookup in-process; returns the exit code.
    int Run(std::vector<std::string> args, std::string& out, std::string& err) {
        args.insert(args.begin(), {"--home", m_dir.string()});
        std::string strError;
        const auto options = ParseLookupOptions(args, strError);
        EXPECT_TRUE(options) << strError;
        CHeadlessLookup lookup(FromUtf8(m_dir.string()), FromUtf8(m_dir.string()));
        std::u16string warnings;
        if (!lookup.Open(options->group, warnings)) {
            err = ToUtf8(lookup.GetError());
            return EXIT_FAILURE_OR_USAGE;
        }
        std::ostringstream o, e;
        const int nExit = lookup.Lookup(*options, o, e);
        out = o.str();
        err = e.str();
        return nExit;
    }

    std::filesystem::path m_dir;
    CTestLayout m_layout;
};

TEST_F(HeadlessLookupTest, TextListsEachDictionaryAndMarksTheMatches) {
    std::string out, err;
    EXPECT_EQ(Run({"--search", "cat"}, out, err), EXIT_RESULTS);
    EXPECT_EQ(out,
              "Animals (2)\n"
              "  1. [[cat]]\n"
              "     a small animal\n"
              "  2. big [[cat]]\n"
              "     lion\n"
              "\n"
              "Book (1)\n"
              "  1. The [[cat]] sleeps.\n"
              "     Die Katze schläft.\n");
}

TEST_F(HeadlessLookupTest, JsonHoldsEveryDictionaryOfTheGroupWithPositions) {
    std::string out, err;
    EXPECT_EQ(Run({"--search", "lion", "--format", "json"}, out, err), EXIT_RESULTS);
    const auto& a = m_layout.aArticles[1];
    const int nLion = static_cast<int>(m_layout.strText.find(u"lion"));
    auto n = [](int v) { return std::to_string(v); };
    EXPECT_EQ(out,
              "{\"query\": \"lion\", \"group\": \"All dictionaries\", \"first\": 0, "
              "\"dictionaries\": [{\"file\": \"a.gmd\", \"name\": \"Animals\", \"total\": 1, "
              "\"results\": [{\"class\": 4, \"left\": [" +
                  n(a.nLeftStart) + ", " + n(a.nLeftEnd) + "], \"right\": [" + n(a.nRightStart) +
                  ", " + n(a.nRightEnd) + "], \"caption\": null, \"spans\": [[" + n(nLion) + ", " +
                  n(nLion + 4) +
                  "]], \"left_text\": \"big cat\", \"right_text\": \"lion\"}]}, "
                  "{\"file\": \"b.gmd\", \"name\": \"Book\", \"total\": 0, \"results\": []}]}\n");
}

TEST_F(HeadlessLookupTest, HtmlIsTheResultPageOfTheDictionaryShownFirst) {
    std::string out, err;
    // "sleeps" is found only in the parallel text.
    EXPECT_EQ(Run({"--search", "sleeps", "--format", "html"}, out, err), EXIT_RESULTS);
    EXPECT_TRUE(out.starts_with("<!DOCTYPE HTML PUBLIC")) << out;
    EXPECT_NE(out.find("<B>Book</B>"), std::string::npos);
    EXPECT_NE(out.find("COLOR=\"blue\">sleeps</FONT>"), std::string::npos);
    EXPECT_NE(out.find("border-collapse"), std::string::npos);
    EXPECT_TRUE(out.ends_with("</BODY>\n"));
}

TEST_F(HeadlessLookupTest, OutcomesWithoutResults) {
    std::string out, err;
    EXPECT_EQ(Run({"--search", "zebra"}, out, err), EXIT_NO_RESULTS);
    EXPECT_EQ(out, "Text \"zebra\" not found in group \"All dictionaries\"\n");
    EXPECT_EQ(Run({"--search", ""}, out, err), EXIT_NO_RESULTS);
    EXPECT_EQ(out, "Enter text to search\n");
    EXPECT_EQ(Run({"--search", "zebra", "--format", "json"}, out, err), EXIT_NO_RESULTS);
    EXPECT_NE(out.find("\"first\": null, \"message\": \"Text \\\"zebra\\\" not found"),
              std::string::npos);
    EXPECT_EQ(Run({"--search", "cat", "--group", "Nope"}, out, err), EXIT_FAILURE_OR_USAGE);
    EXPECT_EQ(err, "No group named 'Nope'");
}

TEST_F(HeadlessLookupTest, AGroupWithoutEnabledDictionariesSaysSo) {
    {
        CDictLibrary library;
        ASSERT_TRUE(library.ScanFolder(FromUtf8((m_dir / "Dictionaries").string())));
        CDictGroupList groups(library, m_dir / "DictGroup.bin");
        groups.AddGroup(u"Empty", false);
        ASSERT_TRUE(groups.SaveGroups());
    }
    const auto before = std::filesystem::last_write_time(m_dir / "DictGroup.bin");
    std::string out, err;
    EXPECT_EQ(Run({"--search", "cat", "--group", "Empty"}, out, err), EXIT_NO_RESULTS);
    EXPECT_EQ(out,
              "There are no enabled dictionaries in group 'Empty'.\nSearch function not "
              "available\n");
    EXPECT_EQ(std::filesystem::last_write_time(m_dir / "DictGroup.bin"), before);
}

TEST_F(HeadlessLookupTest, ADamagedDictionaryFailsTheSearchWithItsMessage) {
    PatchByte(m_dir / "Dictionaries" / "a.gmd", m_layout.finalEntry.at(u"CAT") + 3, 0);
    std::string out, err;
    EXPECT_EQ(Run({"--search", "cat", "--format", "json"}, out, err), EXIT_FAILURE_OR_USAGE);
    EXPECT_EQ(out,
              "{\"error\": \"Error working with finite state machine of file 'a.gmd'\\r\\nNode for "
              "ending symbol is not final\"}\n");
}

TEST_F(HeadlessLookupTest, BatchPrintsOneLinePerQuery) {
    CHeadlessLookup lookup(FromUtf8(m_dir.string()), FromUtf8(m_dir.string()));
    std::u16string warnings;
    ASSERT_TRUE(lookup.Open(std::nullopt, warnings));
    std::istringstream in("cat\r\nzebra\n\nlion\n");
    std::ostringstream out;
    EXPECT_EQ(lookup.Batch(CLookupOptions{}, in, out), EXIT_RESULTS);
    std::istringstream lines(out.str());
    std::string line;
    std::vector<std::string> prefixes;
    while (std::getline(lines, line))
        prefixes.push_back(line.substr(0, line.find(", \"micro")));
    EXPECT_EQ(prefixes,
              (std::vector<std::string>{
                  "{\"query\": \"cat\", \"total\": 3", "{\"query\": \"zebra\", \"total\": 0",
                  "{\"query\": \"\", \"total\": 0", "{\"query\": \"lion\", \"total\": 1"}));
}

TEST_F(HeadlessLookupTest, TheProgramExitsWithItsStatus) {
    const std::string program = std::string(GLOSS_BIN_DIR) + "/glossmere";
    if (!std::filesystem::exists(program)) GTEST_SKIP() << "glossmere not built";
    auto status = [&](const std::string& args) {
        const std::string command =
            program + " --home '" + m_dir.string() + "' " + args + " >/dev/null 2>&1";
        const int nStatus = std::system(command.c_str());
        return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    };
    EXPECT_EQ(status("--search cat"), 0);
    EXPECT_EQ(status("--search zebra --format json"), 1);
    EXPECT_EQ(status("--search"), 2);
    EXPECT_EQ(status("--help"), 0);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "DictGroup.bin"));
}

}  // namespace
