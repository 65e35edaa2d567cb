#include "library/DictGroup.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// The group never looks inside its dictionaries, so distinct addresses
// stand in for them.
struct Fakes {
    std::array<std::byte, 8> storage{};
    CDictIndexFile* operator[](int i) { return reinterpret_cast<CDictIndexFile*>(&storage[i]); }
};

// The group as letters, upper case for enabled entries: "aBcD".
std::string Dump(const CDictGroup& group, Fakes& fakes) {
    std::string out;
    for (int n = 0; n < group.Count(); ++n) {
        int i = 0;
        while (fakes[i] != group.GetDict(n))
            ++i;
        out += static_cast<char>((group.IsEnabled(n) ? 'A' : 'a') + i);
    }
    return out;
}

CDictGroup Make(Fakes& fakes, std::string_view pattern) {
    CDictGroup group(u"g");
    for (size_t i = 0; i < pattern.size(); ++i) {
        group.AddDict(fakes[static_cast<int>(i)], std::isupper(pattern[i]) != 0);
    }
    return group;
}

TEST(DictGroup, FiltersCountAndMapIntoTheFullList) {
    Fakes fakes;
    CDictGroup group = Make(fakes, "aBcDe");
    EXPECT_EQ(group.Count(GROUP_FILTER_ALL), 5);
    EXPECT_EQ(group.Count(GROUP_FILTER_DISABLED), 3);
    EXPECT_EQ(group.Count(GROUP_FILTER_ENABLED), 2);
    EXPECT_TRUE(group.HasEnabled());
    EXPECT_EQ(group.GetDict(1, GROUP_FILTER_ENABLED), fakes[3]);
    EXPECT_EQ(group.GetDict(2, GROUP_FILTER_DISABLED), fakes[4]);
    EXPECT_EQ(group.GetDict(2, GROUP_FILTER_ENABLED), nullptr);
    EXPECT_EQ(group.GetDict(-1), nullptr);
    EXPECT_FALSE(group.IsEnabled(0, GROUP_FILTER_DISABLED));

    // Enabling through the disabled view keeps the entry's place.
    EXPECT_TRUE(group.SetEnabled(1, true, GROUP_FILTER_DISABLED));
    EXPECT_EQ(Dump(group, fakes), "aBCDe");
    EXPECT_FALSE(group.SetEnabled(9, true));
    EXPECT_EQ(Dump(group, fakes), "aBCDe");
    for (int n = group.Count(GROUP_FILTER_ENABLED) - 1; n >= 0; --n) {
        group.SetEnabled(n, false, GROUP_FILTER_ENABLED);
    }
    EXPECT_FALSE(group.HasEnabled());
}

// Each move on view position n of a filter, from "aBcDeF".
TEST(DictGroup, MovesWorkOnTheViewAndCarryTheFlag) {
    struct Row {
        const char* name;
        bool (CDictGroup::*move)(int, int);
        int n;
        int filter;
        const char* expected;
    };
    const Row rows[] = {
        {"up all", &CDictGroup::MoveUp, 1, GROUP_FILTER_ALL, "BacDeF"},
        {"up enabled skips disabled", &CDictGroup::MoveUp, 1, GROUP_FILTER_ENABLED, "aDcBeF"},
        {"up first enabled", &CDictGroup::MoveUp, 0, GROUP_FILTER_ENABLED, "aBcDeF"},
        {"down enabled", &CDictGroup::MoveDown, 1, GROUP_FILTER_ENABLED, "aBcFeD"},
        {"down last enabled", &CDictGroup::MoveDown, 2, GROUP_FILTER_ENABLED, "aBcDeF"},
        {"down last of all", &CDictGroup::MoveDown, 5, GROUP_FILTER_ALL, "aBcDeF"},
        {"top enabled goes to full top", &CDictGroup::MoveToTop, 1, GROUP_FILTER_ENABLED, "DaBceF"},
        {"top first enabled", &CDictGroup::MoveToTop, 0, GROUP_FILTER_ENABLED, "aBcDeF"},
        {"top disabled", &CDictGroup::MoveToTop, 2, GROUP_FILTER_DISABLED, "eaBcDF"},
        {"bottom enabled", &CDictGroup::MoveToBottom, 0, GROUP_FILTER_ENABLED, "acDeFB"},
        {"bottom last enabled", &CDictGroup::MoveToBottom, 2, GROUP_FILTER_ENABLED, "aBcDeF"},
        {"bottom last disabled", &CDictGroup::MoveToBottom, 2, GROUP_FILTER_DISABLED, "aBcDeF"},
        {"bottom disabled", &CDictGroup::MoveToBottom, 0, GROUP_FILTER_DISABLED, "BcDeFa"},
        {"out of view", &CDictGroup::MoveUp, 7, GROUP_FILTER_ALL, "aBcDeF"},
    };
    for (const Row& row : rows) {
        Fakes fakes;
        CDictGroup group = Make(fakes, "aBcDeF");
        const bool bMoved = (group.*row.move)(row.n, row.filter);
        EXPECT_EQ(Dump(group, fakes), row.expected) << row.name;
        EXPECT_EQ(bMoved, std::string(row.expected) != "aBcDeF") << row.name;
    }
}

}  // namespace
