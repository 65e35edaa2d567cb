#include "shell/SearchHistory.h"

#include <gtest/gtest.h>

#include "support/MapHistoryStore.h"

namespace {

TEST(SearchHistoryTest, AddTrimsAndKeepsOneItemRegardlessOfCase) {
    CSearchHistory history;
    EXPECT_EQ(history.Add(QStringLiteral("  word ")), QStringLiteral("word"));
    history.Add(QStringLiteral("other"));
    EXPECT_EQ(history.Add(QStringLiteral("Word")), QStringLiteral("Word"));
    EXPECT_EQ(history.Add(QStringLiteral("   ")), std::nullopt);
    EXPECT_EQ(history.Items(), QStringList({"Word", "other"}));
}

TEST(SearchHistoryTest, SaveWritesAtMost100CutItemsAndTheCurrentOne) {
    CSearchHistory history;
    for (int n = 0; n < 150; ++n)
        history.Add(QStringLiteral("item %1").arg(n));
    history.Add(QString(300, u'x'));
    CMapStore store;
    history.Save(store, QStringLiteral("item 149"));
    EXPECT_EQ(store.values.size(), 101u);
    EXPECT_EQ(store.values[QStringLiteral("MyDictHist0")], QString(255, u'x'));
    EXPECT_EQ(store.values[QStringLiteral("MyDictHist1")], QStringLiteral("item 149"));
    EXPECT_EQ(store.values[QStringLiteral("MyDictHist99")], QStringLiteral("item 51"));
    EXPECT_EQ(store.values[QStringLiteral("MyDictHistSaveCurrent")], QStringLiteral("item 149"));
}

TEST(SearchHistoryTest, LoadKeepsTheStoredOrderAndPutsTheCurrentItemOnTop) {
    CMapStore store;
    store.values = {{"MyDictHist0", "newest"},
                    {"MyDictHist1", "middle"},
                    {"MyDictHist2", "oldest"},
                    {"MyDictHist4", "after a gap"},
                    {"MyDictHistSaveCurrent", "middle"}};
    CSearchHistory history;
    history.Load(store);
    EXPECT_EQ(history.Items(), QStringList({"middle", "newest", "oldest"}));

    // Saved and loaded again, the order survives.
    CMapStore again;
    history.Save(again, QString());
    CSearchHistory reloaded;
    reloaded.Load(again);
    EXPECT_EQ(reloaded.Items(), history.Items());
}

TEST(SearchHistoryTest, DeleteEmptiesListAndStoreAndAnEmptyListSavesNothing) {
    CMapStore store;
    store.values = {{"MyDictHist0", "a"}, {"MyDictHist1", "b"}, {"MyDictHistSaveCurrent", "a"}};
    CSearchHistory history;
    history.Load(store);
    history.Delete(store);
    EXPECT_TRUE(history.Items().isEmpty());
    EXPECT_EQ(store.values, (std::map<QString, QString>{{"MyDictHistSaveCurrent", ""}}));
    store.values[QStringLiteral("MyDictHist0")] = QStringLiteral("kept");
    history.Save(store, QString());
    EXPECT_EQ(store.values[QStringLiteral("MyDictHist0")], QStringLiteral("kept"));
}

}  // namespace
