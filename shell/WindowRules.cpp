#include "shell/WindowRules.h"

#include <algorithm>

#include "library/DictResults.h"

namespace {

constexpr int kSmallestFontChoice = 10;
constexpr int kLargestFontChoice = 40;
constexpr int kFontChoiceStep = 2;
constexpr int kFallbackFontSize = 18;

bool HasNextPage(const CWindowState& state) {
    if (!state.nShownTotal) return false;
    const long long nShownUpTo = static_cast<long long>(RESULTS_PAGE_SIZE) * (state.nPage + 1);
    return *state.nShownTotal >= nShownUpTo + 1;
}

}  // namespace

bool CWindowRules::IsSearchEnabled(const CWindowState& state) {
    return !state.bSearching && state.bGroupUsable;
}

bool CWindowRules::IsEnabled(const CWindowState& state, ShellCommand nCommand) {
    const bool bIdle = !state.bSearching;
    switch (nCommand) {
        case ID_SEARCH:
        case ID_SEARCH_TEXT:
            return IsSearchEnabled(state);
        case ID_STOP:
            return state.bSearching && !state.bStopRequested;
        case ID_PREV_PAGE:
            return bIdle && state.nShownTotal && state.nPage > 0;
        case ID_NEXT_PAGE:
            return bIdle && HasNextPage(state);
        case ID_VIEW_LIST_BAR:
            return bIdle && state.nFilesWithResults >= 2;
        case ID_DICTIONARY_INFO:
            return bIdle && state.nShownTotal.has_value();
        case ID_DOWNLOAD_DICTIONARIES:
        case ID_RUN_COMPILER:
        case ID_COPY_SELECTION:
        case ID_SEARCH_SELECTION:
        case ID_HELP_TOPICS:
        case ID_VIEW_TOOLS_TOOLBAR:
        case ID_VIEW_SEARCH_TOOLBAR:
            return true;
        default:
            return bIdle;
    }
}

std::optional<bool> CWindowRules::IsChecked(const CWindowState& state, ShellCommand nCommand) {
    for (const CChoiceCommand& choice : kLayoutCommands)
        if (choice.nCommand == nCommand) return state.nLayout == choice.nValue;
    for (const CChoiceCommand& choice : kSortCommands)
        if (choice.nCommand == nCommand) return state.nSort == choice.nValue;
    switch (nCommand) {
        case ID_VIEW_TOOLS_TOOLBAR:
            return state.bToolsToolbarVisible;
        case ID_VIEW_SEARCH_TOOLBAR:
            return state.bSearchToolbarVisible;
        case ID_VIEW_LIST_BAR:
            return state.bListBarVisible;
        default:
            return std::nullopt;
    }
}

std::vector<int> FontSizeChoices() {
    std::vector<int> sizes;
    for (int n = kSmallestFontChoice; n <= kLargestFontChoice; n += kFontChoiceStep)
        sizes.push_back(n);
    return sizes;
}

int FontSizeForSelector(int nStored) {
    const std::vector<int> sizes = FontSizeChoices();
    return std::ranges::find(sizes, nStored) != sizes.end() ? nStored : kFallbackFontSize;
}

int StepFontSize(int nCurrent, int nSteps) {
    const std::vector<int> sizes = FontSizeChoices();
    const auto it = std::ranges::lower_bound(sizes, nCurrent);
    const long nIndex =
        std::clamp<long>((it - sizes.begin()) + nSteps, 0, static_cast<long>(sizes.size()) - 1);
    return sizes[static_cast<size_t>(nIndex)];
}
