#include "shell/HeadlessLookup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictSession.h"
#include "shell/GroupListing.h"
#include "support/GmdBuilder.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

class HeadlessLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
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

    CTempDir m_temp;
    const std::filesystem::path& m_dir = m_temp.Path();
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
              "\"dictionaries\": [{\"file\": \"a.gmd\", \"name\": \"Animals\", \"enabled\": true, "
              "\"valid\": true, \"error\": null, \"searched\": true, \"total\": 1, "
              "\"results\": [{\"class\": 4, \"left\": [" +
                  n(a.nLeftStart) + ", " + n(a.nLeftEnd) + "], \"right\": [" + n(a.nRightStart) +
                  ", " + n(a.nRightEnd) + "], \"caption\": null, \"spans\": [[" + n(nLion) + ", " +
                  n(nLion + 4) +
                  "]], \"left_text\": \"big cat\", \"right_text\": \"lion\", \"left_markup\": "
                  "\"big cat\", \"right_markup\": \"lion\"}]}, {\"file\": \"b.gmd\", \"name\": "
                  "\"Book\", \"enabled\": true, \"valid\": true, \"error\": null, \"searched\": "
                  "true, \"total\": 0, \"results\": []}], \"suggestions\": []}\n");
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
    EXPECT_EQ(err, "No group named 'Nope'; the groups are 'All dictionaries'");
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
    CorruptByte(m_dir / "Dictionaries" / "a.gmd", m_layout.finalEntry.at(u"CAT") + 3, 0);
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
    auto status = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", m_dir.string()});
        return RunProgram("glossmere", args).nExit;
    };
    EXPECT_EQ(status({"--search", "cat"}), 0);
    EXPECT_EQ(status({"--search", "zebra", "--format", "json"}), 1);
    EXPECT_EQ(status({"--search"}), 2);
    EXPECT_EQ(status({"--list"}), 0);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "DictGroup.bin"));
}

// What a search would cover: groups in order, the current one marked, each
// dictionary with its state.
TEST_F(HeadlessLookupTest, TheListShowsEveryGroupAndTheStateOfEachDictionary) {
    WriteBytes(m_dir / "Dictionaries" / "c.gmd", {'$', 'X'});
    {
        CDictSession session(FromUtf8(m_dir.string()), FromUtf8(m_dir.string()), nullptr);
        ASSERT_FALSE(session.InitDictionaries());  // c.gmd cannot be read
        session.GetGroupList()->AddGroup(u"Mine", false);
        ASSERT_TRUE(session.SelectGroup(1));
    }
    CHeadlessLookup lookup(FromUtf8(m_dir.string()), FromUtf8(m_dir.string()));
    std::u16string warnings;
    ASSERT_TRUE(lookup.Open(std::nullopt, warnings));
    std::ostringstream text;
    PrintGroupList(lookup.GetSession(), OutputFormat::Text, text);
    const std::string cLine =
        "    invalid   c.gmd  " +
        ToUtf8(lookup.GetLibrary().GetDictionary(2)->GetError().substr(0, 20));
    EXPECT_EQ(text.str().substr(0, text.str().find(cLine)),
              "  All dictionaries\n"
              "    enabled   a.gmd  Animals (2 articles, 7 words)\n"
              "    enabled   b.gmd  Book (1 articles, 6 words)\n");
    EXPECT_NE(text.str().find("\n* Mine\n    disabled  a.gmd  Animals"), std::string::npos)
        << text.str();
    std::ostringstream json;
    PrintGroupList(lookup.GetSession(), OutputFormat::Json, json);
    const std::string jsonStart =
        "{\"groups\": [{\"name\": \"All dictionaries\", \"current\": false, "
        "\"dictionaries\": [{\"file\": \"a.gmd\", \"name\": \"Animals\", \"enabled\": "
        "true, \"valid\": true, \"error\": null, \"articles\": 2";
    EXPECT_EQ(json.str().substr(0, jsonStart.size()), jsonStart);
}

}  // namespace
