// The dictionary manager's rules that need no window: the one selection the
// disabled and enabled lists share, what each command leaves selected, which
// buttons act, the state carried from one form of the window to the other,
// the important messages and the checks of group names and settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/TextIds.h"

// The selected row of each list; -1 is no selected row. At rest at most one
// of them is set.
struct CListSelection {
    int nDisabledRow = -1;
    int nEnabledRow = -1;

    static CListSelection Disabled(int nRow) { return {nRow, -1}; }
    static CListSelection Enabled(int nRow) { return {-1, nRow}; }
    bool operator==(const CListSelection&) const = default;
};

struct CListCounts {
    int nDisabled = 0;
    int nEnabled = 0;
};

enum class ManagerList { Disabled, Enabled };

// The selection as one number, the way it crosses a form switch: 0 none,
// n > 0 row n - 1 of the enabled list, n < 0 row ~n of the disabled list.
int EncodeSelection(const CListSelection& sel);
CListSelection DecodeSelection(int nCode);

// The first disabled row when that list has rows, else the first enabled
// row, else nothing.
CListSelection FirstRowSelection(CListCounts counts);
// The selection a window starts with: the carried one when it names a row
// that exists, else the first row as above.
CListSelection StartSelection(int nCarried, CListCounts counts);

// After a row left a list (enabled, disabled or deleted): the same row, one
// up when it was the last, the first row of the other list when this one
// became empty.
CListSelection SelectionAfterRemoval(ManagerList list, int nRow, CListCounts after);
// After a refresh: each row stays where the list still reaches; a list that
// was empty and now has rows gets its first row; when both lists end up with
// a row, the enabled list's is dropped; when neither has one, the first row
// as at the start.
CListSelection SelectionAfterRefresh(CListSelection before, CListCounts countsBefore,
                                     CListCounts countsAfter);

// The 50-millisecond check that makes the two lists act as one selection.
// It compares what the lists show with what it saw last time:
// - a list that got a selected row clears the other list's row;
// - a list that lost its row while the other did not change selects the
//   first row of the other list (when it has rows);
// - when both changed and both have a row, the enabled list's row goes.
class CSelectionSync {
public:
    // The selection the lists must show; it becomes the last seen one.
    CListSelection Check(CListSelection now, CListCounts counts);
    CListSelection LastSeen() const { return m_last; }

private:
    CListSelection m_last;
};

// Which of the list commands can act. Enabling and disabling never act in
// group 0, which holds every dictionary; the order commands act in every
// group.
struct CManagerButtons {
    bool bEnable = false;
    bool bEnableAll = false;
    bool bDisable = false;
    bool bDisableAll = false;
    bool bTop = false;
    bool bUp = false;
    bool bDown = false;
    bool bBottom = false;
    bool bDeleteDict = false;

    bool operator==(const CManagerButtons&) const = default;
};
CManagerButtons ButtonStates(int nGroup, CListSelection sel, CListCounts counts);

// The result code of a window closed by the form switch.
constexpr int kFormSwitchResult = 54231;

// What one window of the manager starts with; a form switch carries it to
// the next window.
struct CManagerFormState {
    std::optional<std::pair<int, int>> position;  // left, top; none: centred
    int nGroup = 0;
    bool bReduced = false;
    int nSelection = 0;  // EncodeSelection
    bool bAddAtOnce = false;
};
// The state of the other form, at the window's position, with its group and
// selection; the add step of the first window is not repeated.
CManagerFormState SwitchForm(const CManagerFormState& current, std::pair<int, int> position,
                             int nGroup, CListSelection sel);

// "ManageDlgLess": "1" the reduced form, "0" the full one; nothing for any
// other value.
std::optional<bool> ParseManageDlgLess(std::u16string_view text);

// The facts the important messages speak of.
struct CMessageFacts {
    bool bLibraryEmpty = false;
    // The name of the library's current group when it has no enabled
    // dictionary.
    std::optional<std::u16string> strEmptyCurrentGroup;
    int nSelectedGroup = 0;
    int nGroupCount = 1;
};
// The parts that apply, in order, joined by CR LF.
std::u16string ComposeImportantMessages(const CMessageFacts& facts);

// The text that refuses a group name: IDS_ENTER_GROUP_NAME when it is empty
// (blanks only count as empty), IDS_GROUP_NAME_TAKEN when another group has
// it; 0 when it can be taken. strOldName is the group's own name when it is
// renamed.
template <class HasName>
int GroupNameMessage(std::u16string_view strName, std::u16string_view strOldName,
                     const HasName& hasName);
std::u16string TrimGroupName(std::u16string_view strName);

// A list row: two blanks, then the display name, or the file name for a
// file that did not open.
std::u16string ListRowText(bool bValid, std::u16string_view strDisplayName,
                           std::u16string_view strFileName);

// A filter in the "description|patterns|..." form of the text table as a
// file dialog takes it: "description (patterns)" entries joined by ";;".
std::u16string QtFileFilter(std::u16string_view filter);

template <class HasName>
int GroupNameMessage(std::u16string_view strName, std::u16string_view strOldName,
                     const HasName& hasName) {
    const std::u16string name = TrimGroupName(strName);
    if (name.empty()) return IDS_ENTER_GROUP_NAME;
    if (name != strOldName && hasName(name)) return IDS_GROUP_NAME_TAKEN;
    return 0;
}
