#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/ResultSort.h"

namespace {

using Hits = std::vector<std::pair<int, int>>;

CTestDictionary Plain(std::vector<CTestArticle> articles) {
    CTestDictionary dict;
    dict.aArticles = std::move(articles);
    return dict;
}

// English morphology with a few irregular forms indexed under their lemmas.
CTestDictionary WithLemmas(std::vector<CTestArticle> articles, int nSide = 3) {
    CTestDictionary dict = Plain(std::move(articles));
    dict.aMorph = {{u"English", nSide}};
    dict.lemmas = [nSide](const std::u16string& word) {
        std::vector<std::pair<std::u16string, int>> forms;
        if (word == u"WENT") forms.emplace_back(u"GO", nSide);
        if (word == u"IS") forms.emplace_back(u"BE", nSide);
        if (word == u"MICE") forms.emplace_back(u"MOUSE", nSide);
        return forms;
    };
    return dict;
}

class DictSearch : public SearchFixture {};

TEST_F(DictSearch, PhraseWordsMustFollowOneAnotherInOrder) {
    const CTestLayout l = AddDictionary(
        "a.gmd", Plain({{u"the big red cat", u"large animal"}, {u"red dog cat", u"cat red"}}));
    Open();
    ASSERT_TRUE(Search(u"red cat"));
    EXPECT_EQ(Shown(), (Hits{{1, l.aArticles[0].nLeftStart}}));
    const CSearchResult& hit = *Results().GetResultAt(0);
    const int nRed = static_cast<int>(l.strText.find(u"red cat"));
    EXPECT_EQ(hit.m_aSpans, (std::vector<CMatchSpan>{{nRed, nRed + 7}}));

    ASSERT_TRUE(Search(u"Cat, red!"));  // case and punctuation do not matter
    EXPECT_EQ(Shown(), (Hits{{4, l.aArticles[1].nLeftStart}}));
    ASSERT_TRUE(Search(u"big cat"));  // another word between them
    EXPECT_EQ(Results().GetTotal(), 0);
    ASSERT_TRUE(Search(u"the big red cat"));
    EXPECT_EQ(Shown(), (Hits{{0, l.aArticles[0].nLeftStart}}));
}

TEST_F(DictSearch, APhraseNeverRunsPastTheEndOfAPart) {
    const CTestLayout l =
        AddDictionary("a.gmd", Plain({{u"one two", u"three four"}, {u"five", u"six"}}));
    Open();
    for (const char16_t* query : {u"two three", u"four five", u"six one"}) {
        ASSERT_TRUE(Search(query));
        EXPECT_EQ(Results().GetTotal(), 0) << ToUtf8(query);
    }
    ASSERT_TRUE(Search(u"three four"));
    EXPECT_EQ(Shown(), (Hits{{4, l.aArticles[0].nLeftStart}}));
    ASSERT_TRUE(Search(u"five"));
    EXPECT_EQ(Shown(), (Hits{{0, l.aArticles[1].nLeftStart}}));
}

TEST_F(DictSearch, EachClassBitAndTheBestClassOfAnArticle) {
    const CTestLayout l = AddDictionary(
        "a.gmd", WithLemmas({{u"mouse", u"small animal"},    // literal, whole left part: 0
                             {u"cat", u"eats the mice"},     // lemma, right, inside: 1+2+4
                             {u"mice", u"plural of mouse"},  // lemma whole left (2), right (5)
                             {u"is", u"be"}}));              // two letters: never bit 1
    Open();
    ASSERT_TRUE(Search(u"Mouse"));
    const auto& a = l.aArticles;
    EXPECT_EQ(Shown(), (Hits{{0, a[0].nLeftStart}, {2, a[2].nLeftStart}, {7, a[1].nLeftStart}}));
    const CSearchResult& both = *Results().GetResultAt(1);
    const int nMouse = static_cast<int>(l.strText.find(u"of mouse")) + 3;
    EXPECT_EQ(both.m_aSpans, (std::vector<CMatchSpan>{{a[2].nLeftStart, a[2].nLeftStart + 4},
                                                      {nMouse, nMouse + 5}}));

    ASSERT_TRUE(Search(u"be"));
    EXPECT_EQ(Shown(), (Hits{{0, a[3].nLeftStart}}));
    EXPECT_EQ(Results().GetResultAt(0)->m_aSpans.size(), 2u);
}

TEST_F(DictSearch, WithoutAMorphologyLanguageNoMatchCountsAsALemma) {
    CTestDictionary dict = WithLemmas({{u"cat", u"eats the mice"}});
    dict.aMorph = {{u"Klingon", 3}};  // not a language the program knows
    const CTestLayout l = AddDictionary("a.gmd", dict);
    Open();
    ASSERT_TRUE(Search(u"mouse"));
    EXPECT_EQ(Shown(), (Hits{{5, l.aArticles[0].nLeftStart}}));
}

TEST_F(DictSearch, AreasKeepToTheirPart) {
    const CTestLayout l = AddDictionary(
        "a.gmd",
        WithLemmas({{u"mouse", u"x"}, {u"cat", u"eats the mice"}, {u"mice", u"of mouse"}}));
    Open();
    const auto& a = l.aArticles;
    ASSERT_TRUE(Search(u"mouse", 0, SEARCH_AREA_LEFT));
    EXPECT_EQ(Shown(), (Hits{{0, a[0].nLeftStart}, {2, a[2].nLeftStart}}));
    EXPECT_EQ(Results().GetResultAt(1)->m_aSpans.size(), 1u);
    ASSERT_TRUE(Search(u"mouse", 0, SEARCH_AREA_RIGHT));
    EXPECT_EQ(Shown(), (Hits{{5, a[2].nLeftStart}, {7, a[1].nLeftStart}}));
}

TEST_F(DictSearch, QueryLemmasFollowEachDictionarysLanguagesAndSides) {
    m_queryLemmas[u"WENT"] = {u"GO", u"WENT", u"GANG"};  // the word itself is dropped
    const std::vector<CTestArticle> articles = {{u"go", u"went away"}};
    const CTestLayout l = AddDictionary("a_both.gmd", WithLemmas(articles, 3));
    AddDictionary("b_right.gmd", WithLemmas(articles, 2));
    AddDictionary("c_none.gmd", Plain(articles));
    Open();
    ASSERT_TRUE(Search(u"went"));
    ASSERT_EQ(m_pSearch->GetQueryWords().size(), 1u);
    EXPECT_EQ(m_pSearch->GetQueryWords()[0].aForms.size(), 3u);
    const int nStart = l.aArticles[0].nLeftStart;
    EXPECT_EQ(Shown(0), (Hits{{2, nStart}}));  // GO found on the left through the lemma
    EXPECT_EQ(Shown(1), (Hits{{5, nStart}}));  // the lemma is looked up on the right only
    EXPECT_EQ(Shown(2), (Hits{{5, nStart}}));  // no English: the lemma is not used
    EXPECT_EQ(m_pSearch->GetFilesWithResults().nFirstShown, 0);
}

TEST_F(DictSearch, SortModesOrderEachClass) {
    const CTestLayout l = AddDictionary("a.gmd", Plain({{u"zebra cat", u"x"},
                                                        {u"apple cat", u"y"},
                                                        {u"cat apple pie", u"z"},
                                                        {u"mango cat food", std::nullopt},
                                                        {u"apple tree cat", u"w"}}));
    Open();
    auto order = [&](int nSort) {
        EXPECT_TRUE(Search(u"cat", nSort));
        std::vector<int> articles;
        for (const auto& [nClass, nStart] : Shown()) {
            EXPECT_EQ(nClass, 1);
            for (size_t i = 0; i < l.aArticles.size(); ++i)
                if (l.aArticles[i].nLeftStart == nStart) articles.push_back(static_cast<int>(i));
        }
        return articles;
    };
    EXPECT_EQ(order(SORT_NONE), (std::vector<int>{0, 1, 2, 3, 4}));
    // Equal keys ("AP") keep the order in which they were found.
    EXPECT_EQ(order(SORT_ALPHABET), (std::vector<int>{1, 4, 2, 3, 0}));
    // Distance of the match from its part's start, then the part's length;
    // the undivided article counts as one part of its whole length.
    EXPECT_EQ(order(SORT_RELEVANCE), (std::vector<int>{2, 0, 1, 3, 4}));
}

TEST_F(DictSearch, TheDictionaryWithTheBestClassIsShownFirst) {
    AddDictionary("a.gmd", Plain({{u"big cat", u"x"}, {u"y", u"cat"}}));
    AddDictionary("b.gmd", Plain({{u"dog", u"cat food"}}));
    AddDictionary("c.gmd", Plain({{u"cat", u"x"}}));
    AddDictionary("d.gmd", Plain({{u"cat", u"x"}}));
    Open();
    ASSERT_TRUE(Search(u"cat"));
    const CResultFileList files = m_pSearch->GetFilesWithResults();
    ASSERT_EQ(files.aFiles.size(), 4u);
    EXPECT_EQ(files.aFiles[0].nTotal, 2);
    EXPECT_EQ(files.nFirstShown, 2);
}

TEST_F(DictSearch, ManyResultsPageByTwenty) {
    for (int nCount : {20, 21, 41}) {
        std::vector<CTestArticle> articles;
        for (int i = 0; i < nCount; ++i)
            articles.push_back({u"cat number", u"x"});
        AddDictionary("a.gmd", Plain(articles));
        Open();
        ASSERT_TRUE(Search(u"cat"));
        EXPECT_EQ(Results().GetTotal(), nCount);
        EXPECT_EQ(GetPageCount(nCount), (nCount + 19) / 20);
        EXPECT_NE(m_pSearch->GetResultAt(0, nCount - 1), nullptr);
        EXPECT_EQ(m_pSearch->GetResultAt(0, nCount), nullptr);
        EXPECT_EQ(m_pSearch->GetResultAt(1, 0), nullptr);
    }
}

TEST_F(DictSearch, RepeatedWordsGiveOverlappingSpansInOneArticle) {
    const CTestLayout l = AddDictionary("a.gmd", Plain({{u"go go go", u"x"}}));
    Open();
    ASSERT_TRUE(Search(u"go go"));
    ASSERT_EQ(Results().GetTotal(), 1);
    const int s = l.aArticles[0].nLeftStart;
    EXPECT_EQ(Results().GetResultAt(0)->m_aSpans,
              (std::vector<CMatchSpan>{{s, s + 5}, {s + 3, s + 8}}));
    EXPECT_EQ(Results().GetResultAt(0)->m_nClass, 1);
}

TEST_F(DictSearch, CaptionsAreReadWithTheArticle) {
    const CTestLayout l = AddDictionary(
        "a.gmd",
        Plain({{u"<h>Animals</h>", u"Tiere", 0}, {u"cat", u"Katze", 0}, {u"cow", std::nullopt}}));
    Open();
    ASSERT_TRUE(Search(u"cat"));
    const CSearchResult& r = *Results().GetResultAt(0);
    EXPECT_EQ(r.m_nCaptionLeftStart, l.aArticles[0].nLeftStart);
    EXPECT_EQ(r.m_nCaptionRightEnd, l.aArticles[0].nRightEnd);
    EXPECT_GE(r.m_nCaptionPos, 0);
    ASSERT_TRUE(Search(u"cow"));
    EXPECT_EQ(Results().GetResultAt(0)->m_nCaptionPos, -1);
    EXPECT_FALSE(Results().GetResultAt(0)->HasSplit());
}

TEST_F(DictSearch, DisabledDictionariesKeepAnEmptyPlace) {
    AddDictionary("a.gmd", Plain({{u"cat", u"x"}}));
    AddDictionary("b.gmd", Plain({{u"cat", u"x"}}));
    Open();
    CDictGroup* pGroup = m_pGroups->GetGroup(0);
    ASSERT_TRUE(pGroup->SetEnabled(0, false));
    ASSERT_TRUE(Search(u"cat"));
    EXPECT_EQ(m_pSearch->GetPositionCount(), 2);
    EXPECT_EQ(m_pSearch->GetParticipant(0), nullptr);
    EXPECT_EQ(Results(0).GetTotal(), 0);
    EXPECT_EQ(Results(1).GetTotal(), 1);
    ASSERT_TRUE(pGroup->SetEnabled(1, false));
    EXPECT_FALSE(Search(u"cat"));
    EXPECT_EQ(m_pSearch->GetError(), u"");
}

TEST_F(DictSearch, CancelStopsWithoutAMessage) {
    AddDictionary("a.gmd", Plain({{u"cat", u"x"}}));
    Open();
    m_bCancel = true;
    EXPECT_FALSE(Search(u"cat"));
    EXPECT_EQ(m_pSearch->GetError(), u"");
    EXPECT_EQ(Results().GetTotal(), 0);
}

TEST_F(DictSearch, ADamagedIndexGivesItsMessage) {
    AddDictionary("a.gmd", Plain({{u"cat", u"x"}, {u"cow", u"y"}}));
    const CTestLayout l = AddDictionary("b.gmd", Plain({{u"cat", u"x"}, {u"cow", u"y"}}));
    // The final node of "CAT" loses its final flag; the list of "COW" claims
    // more records than the file holds.
    CorruptByte(m_dir / "Dictionaries" / "b.gmd", l.finalEntry.at(u"CAT") + 3, 0x00);
    CorruptByte(m_dir / "Dictionaries" / "b.gmd", l.listCount.at(u"COW") + 3, 0x40);
    Open();
    EXPECT_FALSE(Search(u"cat"));
    EXPECT_EQ(m_pSearch->GetError(),
              u"Error working with finite state machine of file 'b.gmd'\r\nNode for ending symbol "
              u"is not final");
    EXPECT_EQ(Results(0).GetTotal(), 1);  // the dictionary searched before keeps its results
    EXPECT_FALSE(Search(u"cow"));
    EXPECT_TRUE(m_pSearch->GetError().starts_with(
        u"Error working with finite state machine of file 'b.gmd'"));
}

// A dictionary file replaced or cut short by another program while it is
// open: the next search reads the new file, or leaves the damaged one out
// with its message instead of crashing.
TEST_F(DictSearch, ADictionaryChangedOnDiskIsOpenedAfreshOrLeftOut) {
    const std::filesystem::path file = m_dir / "Dictionaries" / "a.gmd";
    AddDictionary("a.gmd", Plain({{u"cat", u"x"}}));
    Open();
    ASSERT_TRUE(Search(u"cat"));
    EXPECT_EQ(Results().GetTotal(), 1);
    AddDictionary("a.gmd", Plain({{u"cat", u"x"}, {u"cat food", u"y"}}));
    ASSERT_TRUE(Search(u"cat")) << ToUtf8(m_pSearch->GetError());
    EXPECT_EQ(Results().GetTotal(), 2);
    std::filesystem::resize_file(file, 100);
    EXPECT_FALSE(Search(u"cat"));
    EXPECT_TRUE(m_pSearch->GetError().starts_with(FormatTextId(41326, {FromUtf8(file.string())})))
        << ToUtf8(m_pSearch->GetError());
    EXPECT_FALSE(m_pLibrary->GetDictionary(0)->IsValid());
    Search(u"cat");
    EXPECT_EQ(m_pSearch->GetError(), u"");
}

TEST_F(DictSearch, AnyQueryEndsWithoutHarm) {
    AddDictionary("a.gmd", Plain({{u"cat", u"\u732b \u72ac"}, {u"the the", u"the"}}));
    Open();
    ASSERT_TRUE(Search(u" ,.;!? -- "));
    EXPECT_TRUE(m_pSearch->GetQueryWords().empty());
    EXPECT_EQ(Results().GetTotal(), 0);

    std::u16string many;
    for (int i = 0; i < 10000; ++i)
        many += u"the ";
    ASSERT_TRUE(Search(many));
    EXPECT_EQ(Results().GetTotal(), 0);

    ASSERT_TRUE(
        Search(u"\xD800"
               u"cat\xDC00"));  // unpaired surrogates only separate
    EXPECT_EQ(Results().GetTotal(), 1);
    ASSERT_TRUE(Search(u"\u732b"));  // an ideograph is a word of its own
    EXPECT_EQ(Results().GetTotal(), 1);

    std::u16string huge(1 << 20, u'a');
    ASSERT_TRUE(Search(huge));
    for (size_t i = 0; i < huge.size(); i += 4)
        huge[i] = u' ';
    ASSERT_TRUE(Search(huge));
    EXPECT_EQ(Results().GetTotal(), 0);
}

}  // namespace
