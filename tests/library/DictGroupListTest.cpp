#include "library/DictGroupList.h"

#include <gtest/gtest.h>

#include "LibraryFiles.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "library/DictGroupFile.h"
#include "library/DictLibrary.h"

namespace {

struct DictGroupListTest : ::testing::Test {
    CTempDir dir;
    std::filesystem::path folder = dir.Path() / "Dictionaries";
    std::filesystem::path groupPath = dir.Path() / "DictGroup.bin";
    CDictLibrary library;

    DictGroupListTest() { std::filesystem::create_directory(folder); }

    void AddFiles(std::initializer_list<const char*> names) {
        for (const char* name : names)
            WriteBytes(folder / name, SmallGmd(u"x"));
    }
    void Scan() { ASSERT_TRUE(library.ScanFolder(U16(folder))); }

    // A group as "name: a.gmd+ b.gmd-" (+ enabled).
    static std::string Dump(const CDictGroup& group) {
        std::string out = ToUtf8(group.GetName()) + ":";
        for (int n = 0; n < group.Count(); ++n) {
            out += " " + ToUtf8(group.GetDict(n)->GetFileName()) + (group.IsEnabled(n) ? "+" : "-");
        }
        return out;
    }
    static std::vector<std::string> DumpAll(const CDictGroupList& list) {
        std::vector<std::string> out;
        for (int g = 0; g < list.GetGroupCount(); ++g)
            out.push_back(Dump(*list.GetGroup(g)));
        return out;
    }
};

TEST_F(DictGroupListTest, WithoutAFileTheAutomaticGroupEnablesEveryValidDictionary) {
    AddFiles({"a.gmd", "b.gmd"});
    WriteText(folder / "bad.gmd", "$");
    Scan();
    CDictGroupList list(library, groupPath);
    EXPECT_EQ(DumpAll(list),
              (std::vector<std::string>{"All dictionaries: a.gmd+ b.gmd+ bad.gmd-"}));
    EXPECT_EQ(list.GetCurrentGroup(), 0);
    EXPECT_TRUE(list.GetError().starts_with(FormatTextId(41326, {U16(groupPath)}) + u"\r\n"));
}

TEST_F(DictGroupListTest, SavedGroupsAreWrittenByteForByteAndComeBack) {
    AddFiles({"a.gmd", "b.gmd"});
    Scan();
    CDictGroupList list(library, groupPath);
    list.AddGroup(u"Mine", false);
    list.GetGroup(1)->SetEnabled(1, true);
    list.GetGroup(0)->MoveDown(0);
    ASSERT_TRUE(list.SetCurrentGroup(1));
    ASSERT_TRUE(list.SaveGroups()) << ToUtf8(list.GetError());

    const CDictGroupFile expected =
        GroupFileData({u"All dictionaries", u"Mine"}, {u"a.gmd", u"b.gmd"},
                      {{{1, true}, {0, true}}, {{0, false}, {1, true}}}, kFirstGroupIsAutomatic, 1);
    EXPECT_EQ(ReadBytes(groupPath), expected.Encode());

    CDictGroupList again(library, groupPath);
    EXPECT_EQ(again.GetError(), u"");
    EXPECT_EQ(DumpAll(again), DumpAll(list));
    EXPECT_EQ(again.GetCurrentGroup(), 1);
}

TEST_F(DictGroupListTest, RebuildAppendsNewFilesDropsMissingOnesAndDisablesInvalidOnes) {
    AddFiles({"a.gmd", "b.gmd", "c.gmd"});
    Scan();
    {
        CDictGroupList list(library, groupPath);
        list.AddGroup(u"Mine", true);
        ASSERT_TRUE(list.SaveGroups());
    }
    std::filesystem::remove(folder / "b.gmd");
    WriteText(folder / "c.gmd", "$ now a source text");
    AddFiles({"d.gmd"});
    Scan();
    CDictGroupList list(library, groupPath);
    EXPECT_EQ(DumpAll(list), (std::vector<std::string>{
                                 "All dictionaries: a.gmd+ c.gmd- d.gmd+",
                                 "Mine: a.gmd+ c.gmd- d.gmd-",
                             }));
}

TEST_F(DictGroupListTest, ARepeatedIndexGivesTheDefaultGroup) {
    AddFiles({"a.gmd", "b.gmd"});
    Scan();
    const CDictGroupFile file =
        GroupFileData({u"All dictionaries"}, {u"a.gmd", u"b.gmd"}, {{{0, false}, {0, false}}});
    WriteBytes(groupPath, file.Encode());
    CDictGroupList list(library, groupPath);
    EXPECT_EQ(list.GetError(), FormatTextId(41331));
    EXPECT_EQ(DumpAll(list), (std::vector<std::string>{"All dictionaries: a.gmd+ b.gmd+"}));
}

TEST_F(DictGroupListTest, AFileWithoutTheMarkerGainsTheAutomaticGroup) {
    AddFiles({"a.gmd", "b.gmd"});
    Scan();
    const CDictGroupFile file =
        GroupFileData({u"All dictionaries", u"Other"}, {u"b.gmd", u"a.gmd"},
                      {{{0, true}, {1, false}}, {{1, true}, {0, false}}}, 0, 1);
    auto bytes = file.Encode();
    bytes.pop_back();
    WriteBytes(groupPath, bytes);
    CDictGroupList list(library, groupPath);
    EXPECT_EQ(DumpAll(list), (std::vector<std::string>{
                                 "All dictionaries: a.gmd+ b.gmd+",
                                 "All dictionaries (2): b.gmd+ a.gmd-",
                                 "Other: a.gmd+ b.gmd-",
                             }));
    EXPECT_EQ(list.GetCurrentGroup(), 0);
}

TEST_F(DictGroupListTest, DeletingMovesTheCurrentGroupDown) {
    Scan();
    CDictGroupList list(library, groupPath);
    for (const char16_t* name : {u"One", u"Two", u"Three"})
        list.AddGroup(name, false);
    ASSERT_TRUE(list.SetCurrentGroup(3));
    ASSERT_TRUE(list.DeleteGroup(3));  // the current one, and the last
    EXPECT_EQ(list.GetCurrentGroup(), 2);
    ASSERT_TRUE(list.DeleteGroup(1));  // before the current one
    EXPECT_EQ(list.GetCurrentGroup(), 1);
    EXPECT_EQ(list.GetGroup(1)->GetName(), u"Two");
    ASSERT_TRUE(list.SetCurrentGroup(0));
    ASSERT_TRUE(list.DeleteGroup(1));  // after the current one
    EXPECT_EQ(list.GetCurrentGroup(), 0);
    EXPECT_FALSE(list.DeleteGroup(0));  // never the only group
    EXPECT_FALSE(list.DeleteGroup(5));
    EXPECT_FALSE(list.SetCurrentGroup(1));
    EXPECT_FALSE(list.SetCurrentGroup(-1));
    EXPECT_EQ(list.GetCurrentGroup(), 0);
}

TEST_F(DictGroupListTest, GroupNamesCompareExactly) {
    Scan();
    CDictGroupList list(library, groupPath);
    list.AddGroup(u"Mine", false);
    EXPECT_TRUE(list.HasGroupName(u"Mine"));
    EXPECT_FALSE(list.HasGroupName(u"mine"));
    EXPECT_FALSE(list.HasGroupName(u"Mine "));
    EXPECT_TRUE(list.HasGroupName(u"All dictionaries"));
}

TEST_F(DictGroupListTest, AGroupFileThatCannotBeWrittenKeepsTheGroups) {
    AddFiles({"a.gmd"});
    Scan();
    CDictGroupList list(library, groupPath);
    std::filesystem::create_directory(groupPath);
    WriteText(groupPath / "x", "x");
    EXPECT_FALSE(list.SaveGroups());
    EXPECT_TRUE(list.GetError().starts_with(FormatTextId(41330) + u":\r\n"));
    EXPECT_EQ(DumpAll(list), (std::vector<std::string>{"All dictionaries: a.gmd+"}));
}

}  // namespace
