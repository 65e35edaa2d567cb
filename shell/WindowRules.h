// What the main window's commands may do at each moment: which are enabled
// and checked, the paging of the shown file, and the font-size choices. The
// window asks these rules and only wires them to its actions.
#pragma once

#include <optional>
#include <vector>

// Command identifiers; they also number the status-line prompts.
enum ShellCommand : int {
    ID_PREV_PAGE = 32771,
    ID_NEXT_PAGE = 32772,
    ID_VIEW_LIST_BAR = 32773,
    ID_DELETE_HISTORY = 32774,
    ID_LAYOUT_STANDARD = 32778,
    ID_LAYOUT_TABLE = 32779,
    ID_SORT_ALPHABET = 32780,
    ID_SORT_RELEVANCE = 32781,
    ID_SORT_NONE = 32782,
    ID_GROUP_SELECTOR = 32783,
    ID_AREA_SELECTOR = 32784,
    ID_STOP = 32785,
    ID_SEARCH_TEXT = 32786,
    ID_SEARCH = 32787,
    ID_FONT_SIZE_SELECTOR = 32788,
    ID_LAYOUT_SEPARATED = 32789,
    ID_ORGANIZE_DICTIONARIES = 32793,
    ID_ADD_DICTIONARIES = 32795,
    ID_DICTIONARY_INFO = 32796,
    ID_VIEW_TOOLS_TOOLBAR = 32797,
    ID_VIEW_SEARCH_TOOLBAR = 32798,
    ID_RUN_COMPILER = 32799,
    ID_DOWNLOAD_DICTIONARIES = 32800,
    ID_COPY_SELECTION = 33000,
    ID_SEARCH_SELECTION = 33001,
    ID_ABOUT = 57664,
    ID_HELP_TOPICS = 57667,
};

// The layout and sort commands in menu order, with the value each sets.
struct CChoiceCommand {
    ShellCommand nCommand;
    int nValue;
};
inline constexpr CChoiceCommand kLayoutCommands[] = {
    {ID_LAYOUT_STANDARD, 0}, {ID_LAYOUT_SEPARATED, 1}, {ID_LAYOUT_TABLE, 2}};
inline constexpr CChoiceCommand kSortCommands[] = {
    {ID_SORT_NONE, 0}, {ID_SORT_ALPHABET, 1}, {ID_SORT_RELEVANCE, 2}};

struct CWindowState {
    bool bSearching = false;
    bool bStopRequested = false;
    // The current group has an enabled dictionary.
    bool bGroupUsable = false;
    int nFilesWithResults = 0;
    // The total of the shown file's results; nothing when no file is shown.
    std::optional<int> nShownTotal;
    int nPage = 0;
    int nLayout = 0;
    int nSort = 0;
    bool bToolsToolbarVisible = true;
    bool bSearchToolbarVisible = true;
    bool bListBarVisible = false;
};

class CWindowRules {
public:
    static bool IsEnabled(const CWindowState& state, ShellCommand nCommand);
    // Nothing for a command without a check mark.
    static std::optional<bool> IsChecked(const CWindowState& state, ShellCommand nCommand);
    // Whether the search field and the Search command accept input.
    static bool IsSearchEnabled(const CWindowState& state);
};

// The font-size selector: every even size from 10 to 40.
std::vector<int> FontSizeChoices();
// The stored size when it is a choice, else 18.
int FontSizeForSelector(int nStored);
// The choice nSteps (negative: smaller) away from nCurrent, held at the ends.
int StepFontSize(int nCurrent, int nSteps);
