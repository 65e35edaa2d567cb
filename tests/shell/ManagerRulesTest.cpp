#include "shell/ManagerRules.h"

#include <gtest/gtest.h>

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"

namespace {

using S = CListSelection;
constexpr S kNone{};

std::string Dump(S s) {
    if (s.nDisabledRow >= 0 && s.nEnabledRow >= 0) {
        return "both " + std::to_string(s.nDisabledRow) + "/" + std::to_string(s.nEnabledRow);
    }
    if (s.nDisabledRow >= 0) return "disabled " + std::to_string(s.nDisabledRow);
    if (s.nEnabledRow >= 0) return "enabled " + std::to_string(s.nEnabledRow);
    return "none";
}

TEST(ManagerRules, SelectionCodesRoundTrip) {
    const struct {
        S sel;
        int nCode;
    } rows[] = {{kNone, 0},
                {S::Enabled(0), 1},
                {S::Enabled(2), 3},
                {S::Disabled(0), -1},
                {S::Disabled(4), -5}};
    for (const auto& row : rows) {
        EXPECT_EQ(EncodeSelection(row.sel), row.nCode) << Dump(row.sel);
        EXPECT_EQ(DecodeSelection(row.nCode), row.sel) << row.nCode;
    }
}

TEST(ManagerRules, StartSelection) {
    const struct {
        int nCarried;
        CListCounts counts;
        const char* expected;
    } rows[] = {
        {0, {2, 3}, "disabled 0"},
        {0, {0, 3}, "enabled 0"},
        {0, {0, 0}, "none"},
        {3, {2, 3}, "enabled 2"},  // the carried row replaces the default
        {-2, {2, 3}, "disabled 1"},
        {4, {2, 3}, "disabled 0"},  // a row that no longer exists is
                                    // ignored
        {-3, {2, 0}, "disabled 0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Dump(StartSelection(row.nCarried, row.counts)), row.expected) << row.nCarried;
    }
}

TEST(ManagerRules, SelectionAfterARowLeftItsList) {
    const struct {
        ManagerList list;
        int nRow;
        CListCounts after;
        const char* expected;
    } rows[] = {
        {ManagerList::Disabled, 1, {3, 1}, "disabled 1"},  // same row
        {ManagerList::Disabled, 2, {2, 1}, "disabled 1"},  // the last row: one up
        {ManagerList::Disabled, 0, {0, 4}, "enabled 0"},   // list emptied
        {ManagerList::Enabled, 0, {5, 2}, "enabled 0"},
        {ManagerList::Enabled, 3, {1, 3}, "enabled 2"},
        {ManagerList::Enabled, 0, {2, 0}, "disabled 0"},
        {ManagerList::Enabled, 0, {0, 0}, "none"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Dump(SelectionAfterRemoval(row.list, row.nRow, row.after)), row.expected)
            << row.nRow;
    }
}

TEST(ManagerRules, SelectionAfterRefresh) {
    const struct {
        S before;
        CListCounts countsBefore, countsAfter;
        const char* expected;
    } rows[] = {
        {S::Disabled(1), {3, 2}, {3, 2}, "disabled 1"},
        {S::Disabled(2), {3, 2}, {1, 2}, "disabled 0"},  // the list shrank
        {S::Enabled(0), {0, 2}, {1, 2}, "disabled 0"},   // the empty list got rows
        {kNone, {0, 0}, {0, 2}, "enabled 0"},
        {S::Enabled(1), {2, 2}, {2, 0}, "disabled 0"},
        {kNone, {0, 0}, {0, 0}, "none"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Dump(SelectionAfterRefresh(row.before, row.countsBefore, row.countsAfter)),
                  row.expected);
    }
}

// Each row: what the lists showed last, what they show now, and what the
// check makes of it.
TEST(ManagerRules, TheTwoListsActAsOneSelection) {
    const struct {
        S last, now;
        CListCounts counts;
        const char* expected;
    } rows[] = {
        {S::Enabled(2), {1, 2}, {3, 4}, "disabled 1"},  // a click in the disabled list
        {S::Disabled(1), {1, 0}, {3, 4}, "enabled 0"},  // a click in the enabled list
        {S::Disabled(1), S::Disabled(2), {3, 4}, "disabled 2"},
        {S::Disabled(1), kNone, {3, 4}, "enabled 0"},  // lost: the other list's first row
        {S::Enabled(3), kNone, {3, 4}, "disabled 0"},
        {S::Enabled(3), kNone, {0, 4}, "none"},  // the other list has no rows
        {kNone, {0, 1}, {3, 4}, "disabled 0"},   // both got rows: the enabled one goes
        {S::Disabled(2), S::Enabled(0), {0, 4}, "enabled 0"},
        {S::Enabled(1), S::Enabled(1), {3, 4}, "enabled 1"},
    };
    for (const auto& row : rows) {
        CSelectionSync sync;
        sync.Check(row.last, row.counts);
        const S result = sync.Check(row.now, row.counts);
        EXPECT_EQ(Dump(result), row.expected) << Dump(row.last) << " -> " << Dump(row.now);
        EXPECT_EQ(sync.LastSeen(), result);
    }
}

TEST(ManagerRules, ButtonStates) {
    const struct {
        int nGroup;
        S sel;
        CListCounts counts;
        const char* expected;  // enable, all, disable, none, top, up, down, bottom, delete
    } rows[] = {
        {1, S::Disabled(0), {2, 3}, "110100001"}, {1, S::Enabled(0), {2, 3}, "011100111"},
        {1, S::Enabled(1), {2, 3}, "011111111"},  {1, S::Enabled(2), {0, 3}, "001111001"},
        {1, S::Enabled(0), {0, 1}, "001100001"},  {1, kNone, {0, 0}, "000000000"},
        {0, S::Disabled(0), {1, 3}, "000000001"},  // group 0: no enabling, ordering works
        {0, S::Enabled(1), {1, 3}, "000011111"},
    };
    for (const auto& row : rows) {
        const CManagerButtons b = ButtonStates(row.nGroup, row.sel, row.counts);
        std::string flags;
        for (bool f : {b.bEnable, b.bEnableAll, b.bDisable, b.bDisableAll, b.bTop, b.bUp, b.bDown,
                       b.bBottom, b.bDeleteDict}) {
            flags += f ? '1' : '0';
        }
        EXPECT_EQ(flags, row.expected) << row.nGroup << " " << Dump(row.sel);
    }
}

TEST(ManagerRules, TheFormSwitchCarriesPositionGroupAndSelection) {
    CManagerFormState first;
    first.bAddAtOnce = true;
    const CManagerFormState reduced = SwitchForm(first, {120, 80}, 2, S::Enabled(2));
    EXPECT_TRUE(reduced.bReduced);
    EXPECT_EQ(reduced.position, std::make_pair(120, 80));
    EXPECT_EQ(reduced.nGroup, 2);
    EXPECT_EQ(reduced.nSelection, 3);
    EXPECT_FALSE(reduced.bAddAtOnce);
    // The third enabled row is selected again in the next window.
    EXPECT_EQ(StartSelection(reduced.nSelection, {1, 4}), S::Enabled(2));
    const CManagerFormState full = SwitchForm(reduced, {121, 81}, 0, S::Disabled(0));
    EXPECT_FALSE(full.bReduced);
    EXPECT_EQ(full.nSelection, -1);
}

TEST(ManagerRules, ManageDlgLessValues) {
    const struct {
        const char16_t* text;
        std::optional<bool> value;
    } rows[] = {{u"0", false},          {u"1", true},          {u" 1 ", true},
                {u"2", std::nullopt},   {u"-1", std::nullopt}, {u"", std::nullopt},
                {u"1.0", std::nullopt}, {u"yes", std::nullopt}};
    for (const auto& row : rows) {
        EXPECT_EQ(ParseManageDlgLess(row.text), row.value) << ToUtf8(row.text);
    }
}

TEST(ManagerRules, ImportantMessages) {
    const std::u16string noFiles =
        FormatTextId(IDS_NO_DICTIONARY_FILES) + u" " + FormatTextId(IDS_PRESS_ADD_DICTIONARIES);
    const std::u16string noEnabled =
        u"Warning! " + FormatTextId(IDS_NO_ENABLED_DICTIONARIES, {u"Mine"});
    const std::u16string allEnabled = FormatTextId(IDS_ALL_ENABLED);
    const std::u16string onlyGroup = allEnabled + u" " + FormatTextId(IDS_CREATE_GROUP_HINT);
    const struct {
        bool bLibraryEmpty;
        const char16_t* emptyCurrentGroup;  // nullptr: the current group has enabled ones
        int nSelectedGroup, nGroupCount;
        std::u16string expected;
    } rows[] = {
        {false, nullptr, 1, 2, u""},
        {false, nullptr, 0, 2, allEnabled},
        {false, nullptr, 0, 1, onlyGroup},
        {true, nullptr, 1, 2, noFiles},
        {false, u"Mine", 1, 2, noEnabled},
        {true, u"Mine", 0, 1, noFiles + u"\r\n" + noEnabled + u"\r\n" + onlyGroup},
        {true, nullptr, 0, 3, noFiles + u"\r\n" + allEnabled},
    };
    for (const auto& row : rows) {
        CMessageFacts facts;
        facts.bLibraryEmpty = row.bLibraryEmpty;
        if (row.emptyCurrentGroup) facts.strEmptyCurrentGroup = row.emptyCurrentGroup;
        facts.nSelectedGroup = row.nSelectedGroup;
        facts.nGroupCount = row.nGroupCount;
        EXPECT_EQ(ToUtf8(ComposeImportantMessages(facts)), ToUtf8(row.expected));
    }
    EXPECT_EQ(noEnabled, u"Warning! There are no enabled dictionaries in group 'Mine'.");
}

TEST(ManagerRules, GroupNames) {
    const auto has = [](std::u16string_view name) { return name == u"Mine" || name == u"Work"; };
    const struct {
        const char16_t* name;
        const char16_t* oldName;
        int nMessage;
    } rows[] = {
        {u"", u"", IDS_ENTER_GROUP_NAME},
        {u"  ", u"", IDS_ENTER_GROUP_NAME},
        {u"Mine", u"", IDS_GROUP_NAME_TAKEN},
        {u" Mine ", u"", IDS_GROUP_NAME_TAKEN},
        {u"mine", u"", 0},
        {u"New", u"", 0},
        {u"Mine", u"Mine", 0},
        {u"Work", u"Mine", IDS_GROUP_NAME_TAKEN},  // a rename onto another group
    };
    for (const auto& row : rows) {
        EXPECT_EQ(GroupNameMessage(row.name, row.oldName, has), row.nMessage) << ToUtf8(row.name);
    }
    EXPECT_EQ(TrimGroupName(u" \tMy group  "), u"My group");
}

TEST(ManagerRules, ListRows) {
    EXPECT_EQ(ListRowText(true, u"Pets", u"pets.gmd"), u"  Pets");
    EXPECT_EQ(ListRowText(false, u"Pets", u"pets.gmd"), u"  pets.gmd");
}

TEST(ManagerRules, FileDialogFilters) {
    const struct {
        const char16_t *filter, *expected;
    } rows[] = {
        {u"Dictionary files (*.gmd)|*.gmd|", u"Dictionary files (*.gmd)"},
        {u"Dictionaries|*.gmd;*.GMD|All files (*.*)|*.*|",
         u"Dictionaries (*.gmd *.GMD);;All files (*.*)"},
        {u"", u""},
        {u"Odd|", u""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ToUtf8(QtFileFilter(row.filter)), ToUtf8(row.expected));
    }
}

}  // namespace
