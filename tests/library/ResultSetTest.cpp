#include <gtest/gtest.h>

#include "core/MyObject.h"
#include "library/DictResults.h"
#include "library/ResultFiles.h"

namespace {

CSearchResult WithKey(int nKey) {
    CSearchResult r;
    r.m_nSortKey = nKey;
    return r;
}

TEST(DictResults, DisplayOrderIsClassFirstThenStoredOrder) {
    CDictResults results;
    results.GetList(3).push_back(WithKey(30));
    results.GetList(0).push_back(WithKey(1000));
    results.GetList(0).push_back(WithKey(5));
    results.GetList(7).push_back(WithKey(70));
    EXPECT_EQ(results.GetTotal(), 4);
    EXPECT_EQ(results.GetBestClass(), 0);
    std::vector<int> keys;
    for (int n = 0; n < results.GetTotal(); ++n)
        keys.push_back(results.GetResultAt(n)->m_nSortKey);
    EXPECT_EQ(keys, (std::vector<int>{1000, 5, 30, 70}));
    EXPECT_EQ(results.GetResultAt(4), nullptr);
    EXPECT_EQ(results.GetResultAt(-1), nullptr);
    EXPECT_THROW(results.GetList(8), CMyObjectThrow);
    results.Clear();
    EXPECT_EQ(results.GetTotal(), 0);
    EXPECT_EQ(results.GetBestClass(), -1);
}

TEST(DictResults, PageArithmetic) {
    struct Row {
        int nTotal, nPages, nPage, nFirst, nLast;
    };
    for (Row r : {Row{20, 1, 0, 1, 20}, Row{21, 2, 1, 21, 21}, Row{41, 3, 2, 41, 41},
                  Row{40, 2, 1, 21, 40}, Row{1, 1, 0, 1, 1}}) {
        EXPECT_EQ(GetPageCount(r.nTotal), r.nPages) << r.nTotal;
        EXPECT_EQ(GetPageFirstArticle(r.nPage), r.nFirst);
        EXPECT_EQ(GetPageLastArticle(r.nPage, r.nTotal), r.nLast);
    }
    EXPECT_EQ(GetPageCount(0), 0);
}

TEST(DictResults, PageWalkStopsAfterTwentyAndSkipsWholeLists) {
    CDictResults results;
    for (int i = 0; i < 25; ++i)
        results.GetList(1).push_back(WithKey(i));
    for (int i = 25; i < 45; ++i)
        results.GetList(6).push_back(WithKey(i));
    for (int nPage : {0, 1, 2, 3}) {
        std::vector<int> keys;
        results.ForEachOnPage(nPage, [&](const CSearchResult& r, int n) {
            EXPECT_EQ(r.m_nSortKey, n);
            keys.push_back(n);
        });
        const size_t nExpected = nPage < 2 ? 20 : (nPage == 2 ? 5 : 0);
        ASSERT_EQ(keys.size(), nExpected) << nPage;
        if (!keys.empty()) {
            EXPECT_EQ(keys.front(), nPage * 20);
        }
    }
}

TEST(ResultFiles, BestClassOpensFirstAndTotalsAddUp) {
    // A: classes 2 and 5; B: class 1; C disabled; D: class 1 later in the group.
    CDictResults a, b, d, empty;
    a.GetList(2).resize(3);
    a.GetList(5).resize(2);
    b.GetList(1).resize(1);
    d.GetList(1).resize(4);
    const CDictResults* positions[] = {&a, nullptr, &empty, &b, &d};
    const CResultFileList list = BuildFilesWithResults(positions);
    ASSERT_EQ(list.aFiles.size(), 3u);
    EXPECT_EQ(list.aFiles[0].nPosition, 0);
    EXPECT_EQ(list.aFiles[0].nTotal, 5);
    EXPECT_EQ(list.aFiles[1].nPosition, 3);
    EXPECT_EQ(list.aFiles[2].nPosition, 4);
    EXPECT_EQ(list.nFirstShown, 1);

    const CDictResults* none[] = {&empty, nullptr};
    EXPECT_FALSE(BuildFilesWithResults(none).nFirstShown.has_value());
    EXPECT_TRUE(BuildFilesWithResults(none).aFiles.empty());
}

}  // namespace
