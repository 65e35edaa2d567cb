#include "library/DictSession.h"

#include <gtest/gtest.h>

#include "LibraryFiles.h"
#include "core/Lemmatizer.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"

namespace {

std::vector<uint8_t> EnglishGmd() {
    TestGmd gmd;
    gmd.morph = {{u"English", 3}};
    gmd.text = u"cats - Katzen\r\n";
    gmd.articles = {{0, 5, 7, 13, -1, 0}};
    gmd.forms = {{u"CATS", {{0, 0, 4, 0, 0x06}}}};
    return BuildGmd(gmd);
}

struct DictSessionTest : ::testing::Test {
    CTempDir dir;
    std::filesystem::path folder = dir.Path() / "Dictionaries";
    std::filesystem::path groupPath = dir.Path() / "DictGroup.bin";
    DictSessionTest() { std::filesystem::create_directory(folder); }
};

TEST_F(DictSessionTest, StartUpCollectsTheMessagesOfTheFilesThatFailed) {
    WriteBytes(folder / "a.gmd", SmallGmd(u"a"));
    WriteText(folder / "b.gmd", "$FILE_TYPE: DICT");
    CDictSession session(U16(dir.Path()), U16(dir.Path()), nullptr);
    EXPECT_FALSE(session.InitDictionaries());
    const std::u16string path = U16(folder) + u"/b.gmd";
    EXPECT_EQ(session.GetError(),
              FormatTextId(41326, {path}) +
                  u"\r\nFormat version of this dictionary is not supported\r\n" +
                  FormatTextId(41013, {path}));
    ASSERT_NE(session.GetGroupList(), nullptr);
    const CDictGroup& all = *session.GetGroupList()->GetGroup(0);
    EXPECT_EQ(all.Count(GROUP_FILTER_ENABLED), 1);
    EXPECT_EQ(all.Count(GROUP_FILTER_ALL), 2);
    // The default group was saved by the refresh.
    EXPECT_TRUE(std::filesystem::exists(groupPath));
}

TEST_F(DictSessionTest, AMissingFolderIsReportedAndTheLibraryIsEmpty) {
    std::filesystem::remove(folder);
    CDictSession session(U16(dir.Path()), U16(dir.Path()), nullptr);
    EXPECT_FALSE(session.InitDictionaries());
    EXPECT_EQ(session.GetError(),
              FormatTextId(41325, {U16(folder) + u"/"}) + u"\r\n" + FormatTextId(41011));
    EXPECT_EQ(session.GetLibrary().GetCount(), 0);
    EXPECT_EQ(session.GetGroupList()->GetGroupCount(), 1);
}

TEST_F(DictSessionTest, RefreshPicksUpNewFilesAndKeepsTheGroups) {
    WriteBytes(folder / "a.gmd", SmallGmd(u"a"));
    CDictSession session(U16(dir.Path()), U16(dir.Path()), nullptr);
    ASSERT_TRUE(session.InitDictionaries()) << ToUtf8(session.GetError());
    session.GetGroupList()->AddGroup(u"Mine", false);
    ASSERT_TRUE(session.GetGroupList()->SetCurrentGroup(1));
    WriteBytes(folder / "b.gmd", SmallGmd(u"b"));
    ASSERT_TRUE(session.RefreshDictionaries()) << ToUtf8(session.GetError());
    CDictGroupList& groups = *session.GetGroupList();
    ASSERT_EQ(groups.GetGroupCount(), 2);
    EXPECT_EQ(groups.GetCurrentGroup(), 1);
    EXPECT_EQ(groups.GetGroup(0)->Count(GROUP_FILTER_ENABLED), 2);
    EXPECT_EQ(groups.GetGroup(1)->Count(GROUP_FILTER_DISABLED), 2);
    EXPECT_EQ(groups.GetGroup(1)->GetDict(1)->GetFileName(), u"b.gmd");
}

TEST_F(DictSessionTest, AReadOnlySessionNeverWritesTheGroupsFile) {
    WriteBytes(folder / "a.gmd", SmallGmd(u"a"));
    {
        CDictSession session(U16(dir.Path()), U16(dir.Path()), nullptr, true);
        EXPECT_TRUE(session.InitDictionaries());  // no groups file yet: no message
        session.GetGroupList()->AddGroup(u"Mine", false);
    }
    EXPECT_FALSE(std::filesystem::exists(groupPath));
    {
        CDictSession session(U16(dir.Path()), U16(dir.Path()), nullptr);
        EXPECT_TRUE(session.InitDictionaries());
        session.GetGroupList()->AddGroup(u"Mine", false);
    }
    // Saved once more at the end of the session.
    CDictSession session(U16(dir.Path()), U16(dir.Path()), nullptr, true);
    EXPECT_TRUE(session.InitDictionaries());
    EXPECT_TRUE(session.GetGroupList()->HasGroupName(u"Mine"));
}

// A groups file that cannot be used is reported, and kept beside the
// default groups written in its place.
TEST_F(DictSessionTest, ADamagedGroupsFileIsReportedAndKept) {
    WriteBytes(folder / "a.gmd", SmallGmd(u"a"));
    WriteBytes(folder / "b.gmd", SmallGmd(u"b"));
    // One group "G" over a.gmd and b.gmd, current group 0, marker 1.
    const std::vector<uint8_t> valid = {1,   0, 2,   0, 0,   0, 1,   0, 'G', 0, 5,   0, 'a', 0,
                                        '.', 0, 'g', 0, 'm', 0, 'd', 0, 5,   0, 'b', 0, '.', 0,
                                        'g', 0, 'm', 0, 'd', 0, 0,   0, 1,   1, 0,   1, 1};
    std::vector<uint8_t> indexTwice = valid;
    indexTwice[indexTwice.size() - 4] = 0;
    const std::u16string path = U16(groupPath);
    const std::u16string wrongData = FormatTextId(41331);
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        std::u16string message;
    } cases[] = {
        {"cut short",
         {valid.begin(), valid.begin() + 20},
         FormatTextId(41326, {path}) + u"\r\n" + wrongData},
        {"one index twice", indexTwice, wrongData},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(groupPath, c.bytes);
        {
            CDictSession session(U16(dir.Path()), U16(dir.Path()), nullptr);
            EXPECT_FALSE(session.InitDictionaries());
            EXPECT_EQ(session.GetError(), c.message);
            EXPECT_EQ(session.GetGroupList()->GetGroupCount(), 1);
        }
        EXPECT_EQ(ReadBytes(dir.Path() / "DictGroup.bin.bad"), c.bytes);
        CDictSession again(U16(dir.Path()), U16(dir.Path()), nullptr);
        EXPECT_TRUE(again.InitDictionaries()) << ToUtf8(again.GetError());
    }
}

TEST_F(DictSessionTest, AMorphologyModuleThatFailsIsReportedOnce) {
    WriteBytes(folder / "en.gmd", EnglishGmd());
    CTempDir noLibrary;
    CLemmatizer lemmatizer(U16(noLibrary.Path()));
    CDictSession session(U16(dir.Path()), U16(dir.Path()), &lemmatizer);
    EXPECT_FALSE(session.InitDictionaries());
    EXPECT_EQ(lemmatizer.GetMorphologyRoot(), U16(dir.Path()));
    const std::u16string failure = FormatTextId(41304, {u"English"});
    EXPECT_NE(session.GetError().find(failure), std::u16string::npos) << ToUtf8(session.GetError());
    EXPECT_FALSE(lemmatizer.IsLanguageEnabled(CLemmatizer::LANG_ENGLISH));
    // The language is off now: the next refresh does not ask again.
    EXPECT_TRUE(session.RefreshDictionaries()) << ToUtf8(session.GetError());
}

}  // namespace
