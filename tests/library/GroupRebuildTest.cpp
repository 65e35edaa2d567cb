#include "library/GroupRebuild.h"

#include <gtest/gtest.h>

#include "LibraryFiles.h"

namespace {

constexpr std::u16string_view kAll = u"All dictionaries";

// A stored file that passes the file's own checks.
CDictGroupFile Stored(std::vector<std::u16string> groups, std::vector<std::u16string> files,
                      std::vector<std::vector<CGroupTableEntry>> tables, uint8_t nMarker = 1,
                      int16_t nCurrent = 0) {
    CDictGroupFile data =
        GroupFileData(std::move(groups), std::move(files), std::move(tables), nMarker, nCurrent);
    std::u16string message;
    EXPECT_TRUE(data.CheckGroupData(message));
    return data;
}

using Entries = std::vector<CRebuiltEntry>;

TEST(GroupRebuild, NewFileIsEnabledInTheAutomaticGroupAndDisabledElsewhere) {
    const auto file = Stored({u"All dictionaries", u"Mine"}, {u"a.gmd", u"b.gmd"},
                             {{{1, true}, {0, true}}, {{0, true}, {1, false}}});
    const CLibraryEntryInfo library[] = {{u"a.gmd"}, {u"b.gmd"}, {u"c.gmd"}};
    const auto result = RebuildGroups(file, library, kAll);
    ASSERT_EQ(result.arrGroups.size(), 2u);
    EXPECT_EQ(result.arrGroups[0].arrEntries, (Entries{{1, true}, {0, true}, {2, true}}));
    EXPECT_EQ(result.arrGroups[1].arrEntries, (Entries{{0, true}, {1, false}, {2, false}}));
}

TEST(GroupRebuild, MissingFileIsDroppedEverywhere) {
    const auto file =
        Stored({u"All dictionaries", u"Mine"}, {u"a.gmd", u"gone.gmd", u"b.gmd"},
               {{{0, true}, {1, true}, {2, true}}, {{1, true}, {2, true}, {0, false}}}, 1, 1);
    const CLibraryEntryInfo library[] = {{u"a.gmd"}, {u"b.gmd"}};
    const auto result = RebuildGroups(file, library, kAll);
    EXPECT_EQ(result.nCurrentGroup, 1);
    EXPECT_EQ(result.arrGroups[0].arrEntries, (Entries{{0, true}, {1, true}}));
    EXPECT_EQ(result.arrGroups[1].arrEntries, (Entries{{1, true}, {0, false}}));
}

TEST(GroupRebuild, InvalidDictionaryIsDisabledWhateverTheFileSays) {
    const auto file =
        Stored({u"All dictionaries", u"Mine"}, {u"a.gmd"}, {{{0, true}}, {{0, true}}});
    const CLibraryEntryInfo library[] = {{u"a.gmd", false}, {u"new.gmd", false}};
    const auto result = RebuildGroups(file, library, kAll);
    EXPECT_EQ(result.arrGroups[0].arrEntries, (Entries{{0, false}, {1, false}}));
    EXPECT_EQ(result.arrGroups[1].arrEntries, (Entries{{0, false}, {1, false}}));
}

TEST(GroupRebuild, FileNamesCompareCaseSensitively) {
    const auto file = Stored({u"All dictionaries"}, {u"A.gmd"}, {{{0, false}}});
    const CLibraryEntryInfo library[] = {{u"a.gmd"}};
    const auto result = RebuildGroups(file, library, kAll);
    // The stored "A.gmd" is gone; "a.gmd" is new and so enabled in group 0.
    EXPECT_EQ(result.arrGroups[0].arrEntries, (Entries{{0, true}}));
}

TEST(GroupRebuild, FileWithoutMarkerGainsAnAutomaticGroupInFront) {
    const auto file = Stored({u"All dictionaries", u"Mine"}, {u"a.gmd", u"b.gmd"},
                             {{{1, true}, {0, false}}, {{0, true}, {1, false}}}, 0, 1);
    const CLibraryEntryInfo library[] = {{u"a.gmd"}, {u"b.gmd", false}, {u"c.gmd"}};
    const auto result = RebuildGroups(file, library, kAll);
    ASSERT_EQ(result.arrGroups.size(), 3u);
    EXPECT_EQ(result.nCurrentGroup, 0);
    EXPECT_EQ(result.arrGroups[0].strName, kAll);
    EXPECT_EQ(result.arrGroups[0].arrEntries, (Entries{{0, true}, {1, false}, {2, true}}));
    EXPECT_EQ(result.arrGroups[1].strName, u"All dictionaries (2)");
    // Without the marker no stored group is automatic: new files come disabled.
    EXPECT_EQ(result.arrGroups[1].arrEntries, (Entries{{1, false}, {0, false}, {2, false}}));
    EXPECT_EQ(result.arrGroups[2].strName, u"Mine");
}

TEST(GroupRebuild, ARepeatedFileNameDoesNotPutADictionaryTwiceInAGroup) {
    const auto file =
        Stored({u"All dictionaries"}, {u"a.gmd", u"a.gmd"}, {{{1, false}, {0, true}}});
    const CLibraryEntryInfo library[] = {{u"a.gmd"}};
    const auto result = RebuildGroups(file, library, kAll);
    EXPECT_EQ(result.arrGroups[0].arrEntries, (Entries{{0, false}}));
}

TEST(GroupRebuild, FullGroupFollowsLibraryOrderAndNeverEnablesInvalid) {
    const CLibraryEntryInfo library[] = {{u"a.gmd"}, {u"b.gmd", false}, {u"c.gmd"}};
    EXPECT_EQ(MakeFullGroup(u"x", library, true).arrEntries,
              (Entries{{0, true}, {1, false}, {2, true}}));
    EXPECT_EQ(MakeFullGroup(u"x", library, false).arrEntries,
              (Entries{{0, false}, {1, false}, {2, false}}));
}

}  // namespace
