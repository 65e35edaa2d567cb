#include "library/DictInfoFile.h"

#include <gtest/gtest.h>

#include "LibraryFiles.h"

namespace {

using Names = std::vector<CDisplayName>;

TEST(DictInfoFile, PathsDropTheExtensionOnly) {
    EXPECT_EQ(DictInfoFilePath(u"/d/Dictionaries/en.de.gmd"), u"/d/Dictionaries/en.de_info.txt");
    EXPECT_EQ(DictCompanionPath(u"/d/Dictionaries/en.de.gmd"), u"/d/Dictionaries/en.de");
    EXPECT_EQ(DictInfoFilePath(u"/d.x/plain"), u"/d.x/plain_info.txt");
}

TEST(DictInfoFile, SectionsGiveOneNameEach) {
    EXPECT_EQ(ParseDictInfoText(u"before\n<English>\n\n  Name one  \nignored\n<German>\nName two"),
              (Names{{u"Name one", u"English"}, {u"Name two", u"German"}}));
    EXPECT_EQ(ParseDictInfoText(u"<English>\r<German>\rZwei\r"), (Names{{u"Zwei", u"German"}}));
    EXPECT_EQ(ParseDictInfoText(u"<English>"), Names{});
    EXPECT_EQ(ParseDictInfoText(u"just text\n<\nx>"), Names{});
}

TEST(DictInfoFile, ChoiceFallsBackThroughTheLanguages) {
    const Names names{
        {u"Un", u"French"}, {u"One", u"English"}, {u"Eins", u"German"}, {u"Two", u"English"}};
    EXPECT_EQ(ChooseDisplayName(names, u"german", u"English", u"English"), u"Eins");
    EXPECT_EQ(ChooseDisplayName(names, u"Russian", u"English", u"German"), u"One");
    EXPECT_EQ(ChooseDisplayName(names, u"Russian", u"Spanish", u"GERMAN"), u"Eins");
    EXPECT_EQ(ChooseDisplayName(names, u"Russian", u"Spanish", u"Latin"), u"Un");
    EXPECT_EQ(ChooseDisplayName(Names{}, u"a", u"b", u"c"), u"");
}

TEST(DictInfoFile, ReadsAnyEncodingTheTextReaderKnows) {
    CTempDir dir;
    const auto path = dir.Path() / "x_info.txt";
    WriteBytes(path, {0xFF, 0xFE, '<', 0, 'E', 0, '>', 0, '\n', 0, 0x16, 0x04});
    EXPECT_EQ(ReadDictInfoText(U16(path)), std::u16string(u"<E>\n\u0416"));
    WriteBytes(path, {0xF0, 0x9F, 0x41, 0x80});  // a broken 4-byte sequence: unreadable
    EXPECT_FALSE(ReadDictInfoText(U16(path)));
    EXPECT_FALSE(ReadDictInfoText(U16(dir.Path() / "missing_info.txt")));
}

}  // namespace
