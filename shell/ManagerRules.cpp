#include "ManagerRules.h"

#include <algorithm>
#include <vector>

#include "core/IniFile.h"
#include "core/StringTable.h"
#include "core/TextIds.h"

int EncodeSelection(const CListSelection& sel) {
    if (sel.nEnabledRow >= 0) return sel.nEnabledRow + 1;
    if (sel.nDisabledRow >= 0) return ~sel.nDisabledRow;
    return 0;
}

CListSelection DecodeSelection(int nCode) {
    if (nCode > 0) return CListSelection::Enabled(nCode - 1);
    if (nCode < 0) return CListSelection::Disabled(~nCode);
    return {};
}

CListSelection FirstRowSelection(CListCounts counts) {
    if (counts.nDisabled > 0) return CListSelection::Disabled(0);
    if (counts.nEnabled > 0) return CListSelection::Enabled(0);
    return {};
}

CListSelection StartSelection(int nCarried, CListCounts counts) {
    const CListSelection carried = DecodeSelection(nCarried);
    if (carried.nEnabledRow >= 0 && carried.nEnabledRow < counts.nEnabled) return carried;
    if (carried.nDisabledRow >= 0 && carried.nDisabledRow < counts.nDisabled) return carried;
    return FirstRowSelection(counts);
}

CListSelection SelectionAfterRemoval(ManagerList list, int nRow, CListCounts after) {
    const bool bDisabled = list == ManagerList::Disabled;
    const int nCount = bDisabled ? after.nDisabled : after.nEnabled;
    const int nOther = bDisabled ? after.nEnabled : after.nDisabled;
    if (nCount > 0) {
        const int nNew = std::clamp(nRow, 0, nCount - 1);
        return bDisabled ? CListSelection::Disabled(nNew) : CListSelection::Enabled(nNew);
    }
    if (nOther == 0) return {};
    return bDisabled ? CListSelection::Enabled(0) : CListSelection::Disabled(0);
}

namespace {

int RowAfterRefill(int nRow, int nBefore, int nAfter) {
    if (nBefore == 0 && nAfter > 0) return 0;
    if (nRow < 0 || nAfter == 0) return -1;
    return std::min(nRow, nAfter - 1);
}

}  // namespace

CListSelection SelectionAfterRefresh(CListSelection before, CListCounts countsBefore,
                                     CListCounts countsAfter) {
    CListSelection sel{
        RowAfterRefill(before.nDisabledRow, countsBefore.nDisabled, countsAfter.nDisabled),
        RowAfterRefill(before.nEnabledRow, countsBefore.nEnabled, countsAfter.nEnabled)};
    if (sel.nDisabledRow >= 0 && sel.nEnabledRow >= 0) sel.nEnabledRow = -1;
    if (sel == CListSelection{}) return FirstRowSelection(countsAfter);
    return sel;
}

CListSelection CSelectionSync::Check(CListSelection now, CListCounts counts) {
    const bool bDisabledChanged = now.nDisabledRow != m_last.nDisabledRow;
    const bool bEnabledChanged = now.nEnabledRow != m_last.nEnabledRow;
    const bool bDisabledHas = now.nDisabledRow >= 0;
    const bool bEnabledHas = now.nEnabledRow >= 0;
    if (bDisabledChanged && bEnabledChanged && bDisabledHas && bEnabledHas) {
        now.nEnabledRow = -1;
    } else if (bDisabledChanged && bDisabledHas) {
        now.nEnabledRow = -1;
    } else if (bEnabledChanged && bEnabledHas) {
        now.nDisabledRow = -1;
    } else if (bDisabledChanged && !bEnabledChanged && !bEnabledHas && counts.nEnabled > 0) {
        now.nEnabledRow = 0;
    } else if (bEnabledChanged && !bDisabledChanged && !bDisabledHas && counts.nDisabled > 0) {
        now.nDisabledRow = 0;
    }
    m_last = now;
    return now;
}

CManagerButtons ButtonStates(int nGroup, CListSelection sel, CListCounts counts) {
    CManagerButtons buttons;
    const bool bOwnGroup = nGroup != 0;
    const int nRow = sel.nEnabledRow;
    const bool bEnabledRow = nRow >= 0 && nRow < counts.nEnabled;
    const bool bDisabledRow = sel.nDisabledRow >= 0 && sel.nDisabledRow < counts.nDisabled;
    buttons.bEnable = bOwnGroup && bDisabledRow;
    buttons.bEnableAll = bOwnGroup && counts.nDisabled > 0;
    buttons.bDisable = bOwnGroup && bEnabledRow;
    buttons.bDisableAll = bOwnGroup && counts.nEnabled > 0;
    buttons.bTop = buttons.bUp = bEnabledRow && nRow > 0;
    buttons.bDown = buttons.bBottom = bEnabledRow && nRow < counts.nEnabled - 1;
    buttons.bDeleteDict = bEnabledRow || bDisabledRow;
    return buttons;
}

CManagerFormState SwitchForm(const CManagerFormState& current, std::pair<int, int> position,
                             int nGroup, CListSelection sel) {
    CManagerFormState next = current;
    next.position = position;
    next.nGroup = nGroup;
    next.bReduced = !current.bReduced;
    next.nSelection = EncodeSelection(sel);
    next.bAddAtOnce = false;
    return next;
}

std::optional<bool> ParseManageDlgLess(std::u16string_view text) {
    const std::optional<int32_t> value = ParseProfileInt(text);
    if (!value || (*value != 0 && *value != 1)) return std::nullopt;
    return *value == 1;
}

std::u16string ComposeImportantMessages(const CMessageFacts& facts) {
    std::u16string parts[4];
    if (facts.bLibraryEmpty)
        parts[0] =
            FormatTextId(IDS_NO_DICTIONARY_FILES) + u" " + FormatTextId(IDS_PRESS_ADD_DICTIONARIES);
    if (facts.strEmptyCurrentGroup) {
        parts[2] = FormatTextId(IDS_CAPTION_WARNING) + u" " +
                   FormatTextId(IDS_NO_ENABLED_DICTIONARIES, {*facts.strEmptyCurrentGroup});
    }
    if (facts.nSelectedGroup == 0) {
        parts[3] = FormatTextId(IDS_ALL_ENABLED);
        if (facts.nGroupCount == 1) parts[3] += u" " + FormatTextId(IDS_CREATE_GROUP_HINT);
    }
    std::u16string text;
    for (const std::u16string& part : parts) {
        if (part.empty()) continue;
        if (!text.empty()) text += u"\r\n";
        text += part;
    }
    return text;
}

std::u16string TrimGroupName(std::u16string_view strName) {
    const auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!strName.empty() && isBlank(strName.front()))
        strName.remove_prefix(1);
    while (!strName.empty() && isBlank(strName.back()))
        strName.remove_suffix(1);
    return std::u16string(strName);
}

std::u16string ListRowText(bool bValid, std::u16string_view strDisplayName,
                           std::u16string_view strFileName) {
    return u"  " + std::u16string(bValid ? strDisplayName : strFileName);
}

std::u16string QtFileFilter(std::u16string_view filter) {
    std::vector<std::u16string> fields;
    for (size_t nStart = 0; nStart < filter.size();) {
        const size_t nBar = std::min(filter.find(u'|', nStart), filter.size());
        fields.emplace_back(filter.substr(nStart, nBar - nStart));
        nStart = nBar + 1;
    }
    std::u16string result;
    for (size_t i = 0; i + 1 < fields.size(); i += 2) {
        std::u16string entry = fields[i];
        if (entry.find(u'(') == std::u16string::npos) {
            std::u16string patterns = fields[i + 1];
            std::ranges::replace(patterns, u';', u' ');
            entry += u" (" + patterns + u")";
        }
        if (!result.empty()) result += u";;";
        result += entry;
    }
    return result;
}
