#include "shell/WindowRules.h"

#include <gtest/gtest.h>

namespace {

CWindowState Idle() {
    CWindowState state;
    state.bGroupUsable = true;
    return state;
}

CWindowState Searching(bool bStopRequested = false) {
    CWindowState state = Idle();
    state.bSearching = true;
    state.bStopRequested = bStopRequested;
    return state;
}

CWindowState Showing(int nTotal, int nPage, int nFiles = 1) {
    CWindowState state = Idle();
    state.nShownTotal = nTotal;
    state.nPage = nPage;
    state.nFilesWithResults = nFiles;
    return state;
}

struct EnableCase {
    const char* pszName;
    CWindowState state;
    ShellCommand nCommand;
    bool bEnabled;
};

TEST(WindowRulesTest, CommandsAreEnabledByTheirRules) {
    CWindowState noGroup = Idle();
    noGroup.bGroupUsable = false;
    const EnableCase cases[] = {
        {"search when idle", Idle(), ID_SEARCH, true},
        {"search while searching", Searching(), ID_SEARCH, false},
        {"search field while searching", Searching(), ID_SEARCH_TEXT, false},
        {"search without enabled dictionary", noGroup, ID_SEARCH, false},
        {"stop when idle", Idle(), ID_STOP, false},
        {"stop while searching", Searching(), ID_STOP, true},
        {"stop once asked", Searching(true), ID_STOP, false},
        {"organize while searching", Searching(), ID_ORGANIZE_DICTIONARIES, false},
        {"organize without enabled dictionary", noGroup, ID_ORGANIZE_DICTIONARIES, true},
        {"add while searching", Searching(), ID_ADD_DICTIONARIES, false},
        {"download while searching", Searching(), ID_DOWNLOAD_DICTIONARIES, true},
        {"layout while searching", Searching(), ID_LAYOUT_TABLE, false},
        {"sort when idle", Idle(), ID_SORT_RELEVANCE, true},
        {"delete history while searching", Searching(), ID_DELETE_HISTORY, false},
        {"toolbar while searching", Searching(), ID_VIEW_TOOLS_TOOLBAR, true},
        {"list bar with one file", Showing(5, 0, 1), ID_VIEW_LIST_BAR, false},
        {"list bar with two files", Showing(5, 0, 2), ID_VIEW_LIST_BAR, true},
        {"previous page with nothing shown", Idle(), ID_PREV_PAGE, false},
        {"previous page on page 0", Showing(50, 0), ID_PREV_PAGE, false},
        {"previous page on page 1", Showing(50, 1), ID_PREV_PAGE, true},
        {"next page with exactly 20", Showing(20, 0), ID_NEXT_PAGE, false},
        {"next page with 21", Showing(21, 0), ID_NEXT_PAGE, true},
        {"next page on the last of 41", Showing(41, 2), ID_NEXT_PAGE, false},
        {"next page on the middle of 41", Showing(41, 1), ID_NEXT_PAGE, true},
        {"next page with nothing shown", Idle(), ID_NEXT_PAGE, false},
        {"information with nothing shown", Idle(), ID_DICTIONARY_INFO, false},
        {"information of a shown file", Showing(5, 0), ID_DICTIONARY_INFO, true},
        {"compiler while searching", Searching(), ID_RUN_COMPILER, true},
        {"help while searching", Searching(), ID_HELP_TOPICS, true},
        {"about while searching", Searching(), ID_ABOUT, false},
    };
    for (const EnableCase& c : cases)
        EXPECT_EQ(CWindowRules::IsEnabled(c.state, c.nCommand), c.bEnabled) << c.pszName;
    CWindowState searchingOnPage1 = Showing(50, 1);
    searchingOnPage1.bSearching = true;
    EXPECT_FALSE(CWindowRules::IsEnabled(searchingOnPage1, ID_PREV_PAGE));
    EXPECT_FALSE(CWindowRules::IsEnabled(searchingOnPage1, ID_NEXT_PAGE));
}

TEST(WindowRulesTest, ChoicesAreCheckedByTheCurrentValue) {
    CWindowState state = Idle();
    state.nLayout = 1;
    state.nSort = 2;
    state.bListBarVisible = true;
    state.bSearchToolbarVisible = false;
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_LAYOUT_STANDARD), false);
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_LAYOUT_SEPARATED), true);
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_LAYOUT_TABLE), false);
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_SORT_NONE), false);
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_SORT_RELEVANCE), true);
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_VIEW_LIST_BAR), true);
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_VIEW_TOOLS_TOOLBAR), true);
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_VIEW_SEARCH_TOOLBAR), false);
    EXPECT_EQ(CWindowRules::IsChecked(state, ID_SEARCH), std::nullopt);
}

TEST(WindowRulesTest, FontSizeSelectorOffersEvenSizesAndFallsBackTo18) {
    const std::vector<int> sizes = FontSizeChoices();
    EXPECT_EQ(sizes.front(), 10);
    EXPECT_EQ(sizes.back(), 40);
    EXPECT_EQ(sizes.size(), 16u);
    const std::pair<int, int> stored[] = {{13, 18}, {6, 18},  {48, 18},
                                          {10, 10}, {40, 40}, {24, 24}};
    for (const auto& [nStored, nShown] : stored)
        EXPECT_EQ(FontSizeForSelector(nStored), nShown) << nStored;
    const std::tuple<int, int, int> steps[] = {{18, +1, 20}, {18, -1, 16}, {10, -1, 10},
                                               {40, +1, 40}, {38, +3, 40}, {12, -5, 10}};
    for (const auto& [nFrom, nSteps, nTo] : steps)
        EXPECT_EQ(StepFontSize(nFrom, nSteps), nTo) << nFrom << " " << nSteps;
}

}  // namespace
