// Counting pass, placing pass and the lists they give.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "FakeLemmas.h"
#include "compiler/IndexBuilder.h"
#include "support/TempDir.h"

namespace {

struct W {
    std::u16string text;
    int32_t nArticle;
    uint8_t byFlags = 0;
};

class IndexBuilderTest : public ::testing::Test {
protected:
    void Start(std::vector<MorphUse> morph = {}, const CharMap* pMap = nullptr) {
        m_morph = std::move(morph);
        m_builder.Start(m_morph, &m_lemmas, pMap);
    }
    // The words numbered and placed in order, then the lists finished.
    bool Build(const std::vector<W>& words) {
        int32_t nNum = 0;
        for (const W& w : words) {
            CWordIndex word;
            word.SetText(w.text);
            word.SetWordNum(nNum);
            word.SetPosition(10 * nNum);
            word.SetSpan(static_cast<uint8_t>(w.text.size()));
            word.SetArticle(w.nArticle);
            word.SetFlags(w.byFlags);
            ++nNum;
            if (!m_builder.AddWord(word)) return false;
        }
        return m_builder.FinishLists();
    }
    uint32_t ListOf(std::u16string_view form) {
        uint32_t nNode = m_builder.GetAutomaton().Find(form);
        EXPECT_NE(nNode, CAutomaton::kNoNode) << std::string(form.begin(), form.end());
        EXPECT_TRUE(m_builder.IsNodeFinal(nNode));
        return m_builder.GetNodeListIndex(nNode);
    }
    std::vector<uint32_t> WordNumbers(std::u16string_view form) {
        std::vector<uint32_t> result;
        for (const auto& occ : m_builder.GetWordInfo(static_cast<int>(ListOf(form))))
            result.push_back(occ.dwWordNum);
        return result;
    }

    CFakeLemmas m_lemmas;
    std::vector<MorphUse> m_morph;
    CIndexBuilder m_builder;
};

}  // namespace

TEST_F(IndexBuilderTest, OneListPerDistinctFormInSourceOrder) {
    Start();
    ASSERT_TRUE(Build({{u"cat", 0, 0x05}, {u"dog", 0, 0x0A}, {u"Cat", 1, 0x0F}}));
    EXPECT_EQ(m_builder.GetListCount(), 2u);
    EXPECT_EQ(ListOf(u"CAT"), 0u);
    EXPECT_EQ(ListOf(u"DOG"), 1u);
    const auto cat = m_builder.GetWordInfo(0);
    ASSERT_EQ(cat.size(), 2u);
    EXPECT_EQ(cat[0], (WordOccurrence{0, 0, 3, 0, 0x05}));
    EXPECT_EQ(cat[1], (WordOccurrence{2, 20, 3, 1, 0x0F}));
    EXPECT_EQ(m_builder.GetOccurrenceCount(), 3u);
    EXPECT_THROW(m_builder.GetWordInfo(2), CMyObjectThrow);
    EXPECT_THROW(m_builder.GetWordInfo(-1), CMyObjectThrow);
}

TEST_F(IndexBuilderTest, FormsShareTheOccurrenceAndFollowTheText) {
    m_lemmas.Add(2, "RUNS", {u"RUN"});
    m_lemmas.Add(2, "RAN", {u"RUN"});
    Start({{2, 3}});
    ASSERT_TRUE(Build({{u"runs", 0}, {u"ran", 1}, {u"run", 2}, {u"runs", 3}}));
    // Lists in order of first insertion: RUNS, its lemma RUN, then RAN.
    EXPECT_EQ(ListOf(u"RUNS"), 0u);
    EXPECT_EQ(ListOf(u"RUN"), 1u);
    EXPECT_EQ(ListOf(u"RAN"), 2u);
    EXPECT_EQ(WordNumbers(u"RUN"), (std::vector<uint32_t>{0, 1, 2, 3}));
    EXPECT_EQ(WordNumbers(u"RUNS"), (std::vector<uint32_t>{0, 3}));
    // The lemmatiser was asked once per distinct word of a part.
    EXPECT_EQ(m_lemmas.nCalls, 3);
}

TEST_F(IndexBuilderTest, TheSideOfAWordDecidesItsLemmas) {
    m_lemmas.Add(2, "RUNS", {u"RUN"});
    Start({{2, 2}});  // English(R)
    ASSERT_TRUE(Build({{u"runs", 0, 0x00}, {u"runs", 0, 0x01}, {u"runs", 1, 0x00}}));
    EXPECT_EQ(WordNumbers(u"RUNS"), (std::vector<uint32_t>{0, 1, 2}));
    EXPECT_EQ(WordNumbers(u"RUN"), (std::vector<uint32_t>{1}));
    EXPECT_EQ(m_lemmas.nCalls, 1);
}

TEST_F(IndexBuilderTest, MappedSpellingIsIndexedToo) {
    const CharMap map{{u'\u00DF', u"ss"}};
    Start({}, &map);
    ASSERT_TRUE(Build({{u"stra\u00DFe", 0}, {u"strasse", 1}}));
    EXPECT_EQ(WordNumbers(u"STRASSE"), (std::vector<uint32_t>{0, 1}));
    EXPECT_EQ(WordNumbers(u"STRA\u00DFE"), (std::vector<uint32_t>{0}));
}

TEST_F(IndexBuilderTest, NodesFollowTheInsertionOrderOfTheirForms) {
    m_lemmas.Add(2, "ABCD", {u"ABX"});
    Start({{2, 3}});
    ASSERT_TRUE(Build({{u"abcd", 0}, {u"abd", 0}}));
    const CAutomaton& a = m_builder.GetAutomaton();
    // ABCD: B C D + (65535..65538); lemma ABX: X + (65539, 65540); ABD: D + (65541, 65542).
    EXPECT_EQ(a.GetNodeCount(), 65543u);
    EXPECT_EQ(a.Find(u"ABCD"), 65538u);
    EXPECT_EQ(a.Find(u"ABX"), 65540u);
    EXPECT_EQ(a.Find(u"ABD"), 65542u);
    std::u16string s;
    for (const IndexRelation& r : a.GetRelations(65535))
        s += r.symbol;
    EXPECT_EQ(s, u"CXD");
}

TEST_F(IndexBuilderTest, LemmasThatCannotBePathsAreLeftOut) {
    m_lemmas.Add(2, "ABC",
                 {u"A+B", u"",
                  u"\xFFFF"
                  u"Z",
                  u"OK"});
    Start({{2, 3}});
    ASSERT_TRUE(Build({{u"abc", 0}}));
    EXPECT_EQ(m_builder.GetListCount(), 2u);
    EXPECT_EQ(WordNumbers(u"OK"), (std::vector<uint32_t>{0}));
}

TEST_F(IndexBuilderTest, TooManyNodesIsRefusedWithoutChangingTheAutomaton) {
    Start();
    m_builder.GetAutomaton().SetNodeLimit(gmd::kRootCount + 3);
    CWordIndex w;
    w.SetText(u"abc");
    w.SetFlags(0);
    ASSERT_TRUE(m_builder.AddWord(w));  // B, C and the end node: exactly at the limit
    CWordIndex w2;
    w2.SetText(u"abd");
    EXPECT_FALSE(m_builder.AddWord(w2));
    EXPECT_EQ(m_builder.GetError(), kTooManyNodesText);
    EXPECT_EQ(m_builder.GetNodeCount(), gmd::kRootCount + 3);
}

TEST_F(IndexBuilderTest, WordsMustComeInSourceOrder) {
    Start();
    CWordIndex w;
    w.SetText(u"abc");
    w.SetArticle(1);
    w.SetWordNum(5);
    w.SetPosition(50);
    ASSERT_TRUE(m_builder.AddWord(w));
    w.SetWordNum(4);
    EXPECT_FALSE(m_builder.AddWord(w));
    EXPECT_NE(m_builder.GetError().find(u"out of source order"), std::u16string::npos);
}

// Kept in memory and put aside in a file alike.
TEST_F(IndexBuilderTest, StreamedListsMatchTheWordsAcrossBucketsAndWindows) {
    for (const bool bInFile : {false, true}) {
        SCOPED_TRACE(bInFile ? "in a file" : "in memory");
        CTempDir folder;
        Start();
        if (bInFile) {
            ASSERT_TRUE(m_builder.KeepOccurrencesIn(folder.Path()));
        }
        // 6,000 distinct words, the first ones repeated often: lists in the
        // small buckets, the large ones and lists longer than a window.
        std::vector<W> words;
        std::vector<std::vector<uint32_t>> expected;
        std::map<std::u16string, uint32_t> listOf;
        for (uint32_t i = 0; i < 30000; ++i) {
            const uint32_t nWord = i % 7 == 0 ? (i / 7) % 6000 : i % 13;
            std::u16string text = u"W";
            for (uint32_t v = nWord + 1; v > 0; v /= 26)
                text += static_cast<char16_t>(u'A' + v % 26);
            auto [it, bNew] = listOf.try_emplace(text, static_cast<uint32_t>(expected.size()));
            if (bNew) expected.emplace_back();
            expected[it->second].push_back(i);
            words.push_back({text, static_cast<int32_t>(i / 3), static_cast<uint8_t>(i % 16)});
        }
        ASSERT_TRUE(Build(words));
        ASSERT_EQ(m_builder.GetListCount(), expected.size());
        m_builder.SetStreamWindow(10 * gmd::kOccurrenceSize);
        uint32_t nCurrent = 0;
        std::vector<uint32_t> got;
        std::vector<std::vector<uint32_t>> lists;
        ASSERT_TRUE(m_builder.StreamLists([&](uint32_t nList, std::span<const uint8_t> records) {
            if (nList != nCurrent || got.empty()) {
                if (!got.empty()) lists.push_back(got);
                got.clear();
                nCurrent = nList;
                EXPECT_EQ(nList, lists.size());
            }
            for (size_t off = 0; off < records.size(); off += gmd::kOccurrenceSize) {
                const auto occ = gmd::OccurrenceRecord::Decode(records.data() + off);
                EXPECT_EQ(occ.dwArticlePos, occ.dwWordNum / 3);
                EXPECT_EQ(occ.dwPosition, 10 * occ.dwWordNum);
                EXPECT_EQ(occ.byFlags, occ.dwWordNum % 16);
                got.push_back(occ.dwWordNum);
            }
            return true;
        }));
        lists.push_back(got);
        EXPECT_EQ(lists, expected);
        for (uint32_t k = 0; k < expected.size(); ++k)
            ASSERT_EQ(m_builder.GetListSize(k), expected[k].size());
        // The file has no name: nothing is left in the folder.
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    }
}
