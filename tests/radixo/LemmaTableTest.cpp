// The lemma table file: what goes in comes out, and a table that does not
// fit its language, its files or its own layout is refused.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "TableAgreement.h"
#include "radixo/LemmaTable.h"
#include "support/TempDir.h"

namespace {

using Lemmas = std::vector<std::string>;

class LemmaTableFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir.Write("source.dic", "words");
        m_stamps = StampFiles({(m_dir.Path() / "source.dic").string()});
        // More keys than one block holds, sharing long prefixes.
        for (int i = 0; i < 100; ++i)
            m_answers["form" + std::to_string(i)] = {"lemma" + std::to_string(i % 7)};
        m_answers["a"] = {};
        m_answers["zz"] = {"one", "two"};
        ASSERT_TRUE(WriteLemmaTable(Path(), 2, m_stamps, m_answers));
    }
    std::string Path() const { return (m_dir.Path() / "lemmas.tab").string(); }

    CTempDir m_dir;
    std::vector<SourceStamp> m_stamps;
    LemmaAnswers m_answers;
};

TEST_F(LemmaTableFile, EveryFormGivesItsLemmasAndOthersNothing) {
    CLemmaTable table;
    ASSERT_TRUE(table.Open(Path(), 2, m_stamps));
    for (const auto& [key, lemmas] : m_answers)
        EXPECT_EQ(table.Find(key), lemmas) << key;
    for (const char* pszAbsent : {"", "0", "aa", "form", "form100", "form9z", "zzz"})
        EXPECT_EQ(table.Find(pszAbsent), std::nullopt) << pszAbsent;
    // A letter no key has: no lemmas, without asking anyone.
    for (const char* pszForeign : {"b", "formb", "\xE9t\xE9"})
        EXPECT_EQ(table.Find(pszForeign), Lemmas()) << pszForeign;
}

TEST_F(LemmaTableFile, AbsentFormOfClosedLettersAloneGetsNoLemmas) {
    ASSERT_TRUE(WriteLemmaTable(Path(), 2, m_stamps, m_answers, "afmorz"));
    CLemmaTable table;
    ASSERT_TRUE(table.Open(Path(), 2, m_stamps));
    EXPECT_EQ(table.Find("zz"), Lemmas({"one", "two"}));
    for (const char* pszClosed : {"aa", "form", "zzz", "mar"})
        EXPECT_EQ(table.Find(pszClosed), Lemmas()) << pszClosed;
    // A digit is no closed letter: the live analysis decides.
    for (const char* pszOpen : {"0", "form100", "form9z"})
        EXPECT_EQ(table.Find(pszOpen), std::nullopt) << pszOpen;
}

TEST_F(LemmaTableFile, TableOfAnotherLanguageOrOtherFilesIsRefused) {
    CLemmaTable table;
    EXPECT_FALSE(table.Open(Path(), 1, m_stamps));
    m_dir.Write("source.dic", "other words");
    EXPECT_FALSE(table.Open(Path(), 2, StampFiles({(m_dir.Path() / "source.dic").string()})));
    EXPECT_FALSE(table.Open(Path(), 2, StampFiles({(m_dir.Path() / "missing").string()})));
    EXPECT_FALSE(table.Open((m_dir.Path() / "missing.tab").string(), 2, m_stamps));
}

TEST_F(LemmaTableFile, CutOrLengthenedTableIsRefused) {
    const auto size = std::filesystem::file_size(Path());
    for (auto nSize : {size_t{0}, size_t{3}, size_t{40}, size - 1, size + 1}) {
        std::filesystem::copy_file(Path(), Path() + ".copy",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::resize_file(Path() + ".copy", nSize);
        CLemmaTable table;
        EXPECT_FALSE(table.Open(Path() + ".copy", 2, m_stamps)) << nSize;
    }
}

TEST_F(LemmaTableFile, DamagedBytesNeverCrashALookup) {
    std::string bytes;
    {
        std::ifstream in(Path(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    // Past the header: block and list offsets, keys and lists.
    for (size_t nPos = 40; nPos < bytes.size(); nPos += 3) {
        std::string damaged = bytes;
        damaged[nPos] = static_cast<char>(damaged[nPos] ^ 0xA5);
        std::ofstream(Path() + ".bad", std::ios::binary) << damaged;
        CLemmaTable table;
        if (!table.Open(Path() + ".bad", 2, m_stamps)) continue;
        for (const auto& entry : m_answers)
            static_cast<void>(table.Find(entry.first));
    }
}

// Every 97th form of each language's word lists; the whole lists are
// compared by radixo_whole_tests.
TEST(LemmaTable, AnswersAsTheLiveAnalysisDoes) {
    for (int nLang = 1; nLang <= 3; ++nLang)
        ExpectTableAgreesWithLiveAnalysis(nLang, 97);
}

}  // namespace
