#include "library/DictLibrary.h"

#include <gtest/gtest.h>

#include "LibraryFiles.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"

namespace {

struct DictLibraryTest : ::testing::Test {
    CTempDir dir;
    std::filesystem::path folder = dir.Path() / "Dictionaries";
    CDictLibrary library;

    DictLibraryTest() { std::filesystem::create_directory(folder); }
    std::u16string FolderText() const { return U16(folder) + u"/"; }

    std::vector<std::u16string> FileNames() const {
        std::vector<std::u16string> names;
        for (int i = 0; i < library.GetCount(); ++i) {
            names.push_back(library.GetDictionary(i)->GetFileName());
        }
        return names;
    }
};

TEST_F(DictLibraryTest, ListsDictionaryFilesSortedByTheirBytes) {
    for (const char* name : {"b.gmd", "B.gmd", "a.gmd", "\xc3\xa9.gmd", "c.GMD"}) {
        WriteBytes(folder / name, SmallGmd(u"x"));
    }
    WriteText(folder / "notes.txt", "not a dictionary");
    std::filesystem::create_directory(folder / "dir.gmd");
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    EXPECT_EQ(FileNames(),
              (std::vector<std::u16string>{u"B.gmd", u"a.gmd", u"b.gmd", u"c.GMD", u"\u00e9.gmd"}));
    EXPECT_EQ(library.GetLoadMessages(), u"");
    EXPECT_EQ(library.IndexOf(library.GetDictionary(2)), 2);
    EXPECT_EQ(library.GetDictionary(5), nullptr);
}

// A name in another encoding than UTF-8 still opens its file, and shows its
// undecodable bytes as replacement characters.
TEST_F(DictLibraryTest, ANameThatIsNotUtf8OpensItsFile) {
    WriteBytes(folder / "caf\xe9 \xff.gmd", SmallGmd(u"x"));
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    EXPECT_EQ(library.GetLoadMessages(), u"");
    ASSERT_EQ(library.GetCount(), 1);
    const CDictIndexFile& dict = *library.GetDictionary(0);
    EXPECT_TRUE(dict.IsValid());
    EXPECT_EQ(ToUtf8(dict.GetFileName()), "caf\uFFFD \uFFFD.gmd");
    EXPECT_EQ(ToFileName(dict.GetFilePath()), (folder / "caf\xe9 \xff.gmd").string());
}

TEST_F(DictLibraryTest, MissingFolderAndEmptyFolder) {
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    EXPECT_EQ(library.GetCount(), 0);
    EXPECT_EQ(library.GetError(), u"");

    const auto missing = dir.Path() / "none";
    EXPECT_FALSE(library.ScanFolder(U16(missing)));
    EXPECT_EQ(library.GetError(),
              FormatTextId(41325, {U16(missing) + u"/"}) + u"\r\n" + FormatTextId(41011));
}

// System folders come after the user's own; a file name the user already has
// is the user's, and a missing system folder is no message. Without the
// user's folder the system dictionaries are still listed.
TEST_F(DictLibraryTest, SystemFoldersFollowTheUsersOwnAndNeverShadowIt) {
    const auto system = dir.Path() / "system";
    std::filesystem::create_directory(system);
    WriteBytes(folder / "b.gmd", SmallGmd(u"user b"));
    WriteBytes(system / "a.gmd", SmallGmd(u"system a"));
    WriteBytes(system / "b.gmd", SmallGmd(u"system b"));
    const std::vector<std::u16string> systemFolders = {U16(system), U16(dir.Path() / "none")};
    ASSERT_TRUE(library.ScanFolder(U16(folder), systemFolders));
    EXPECT_EQ(FileNames(), (std::vector<std::u16string>{u"b.gmd", u"a.gmd"}));
    EXPECT_EQ(library.GetDictionary(0)->GetName(), u"user b");
    EXPECT_FALSE(library.IsSystemDictionary(*library.GetDictionary(0)));
    EXPECT_TRUE(library.IsSystemDictionary(*library.GetDictionary(1)));
    EXPECT_EQ(library.GetLoadMessages(), u"");

    EXPECT_FALSE(library.ScanFolder(U16(dir.Path() / "missing"), systemFolders));
    EXPECT_EQ(FileNames(), (std::vector<std::u16string>{u"a.gmd", u"b.gmd"}));
}

TEST_F(DictLibraryTest, ASourceTextNamedGmdIsListedInvalidWithThreeLines) {
    WriteText(folder / "src.gmd", "$FILE_TYPE: DICT\r\n");
    WriteBytes(folder / "ok.gmd", SmallGmd(u"ok"));
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    ASSERT_EQ(library.GetCount(), 2);
    EXPECT_TRUE(library.GetDictionary(0)->IsValid());
    EXPECT_FALSE(library.GetDictionary(1)->IsValid());
    const std::u16string path = FolderText() + u"src.gmd";
    EXPECT_EQ(library.GetLoadMessages(),
              FormatTextId(41326, {path}) +
                  u"\r\nFormat version of this dictionary is not supported\r\n" +
                  FormatTextId(41013, {path}));
}

TEST_F(DictLibraryTest, AFileThatCannotBeOpenedIsLeftOut) {
    WriteBytes(folder / "a.gmd", SmallGmd(u"a"));
    std::filesystem::create_symlink(folder / "gone", folder / "broken.gmd");
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    EXPECT_EQ(FileNames(), (std::vector<std::u16string>{u"a.gmd"}));
    const std::u16string path = FolderText() + u"broken.gmd";
    const std::u16string& messages = library.GetLoadMessages();
    EXPECT_EQ(messages.substr(0, FormatTextId(41326, {path}).size()), FormatTextId(41326, {path}));
    EXPECT_TRUE(messages.ends_with(u"\r\n" + FormatTextId(41013, {path})));
}

TEST_F(DictLibraryTest, CategoriesFollowFileAndDictionaryType) {
    WriteBytes(folder / "1.gmd", SmallGmd(u"main", 1, 1));
    WriteBytes(folder / "2.gmd", SmallGmd(u"ref", 1, 2));
    WriteBytes(folder / "3.gmd", SmallGmd(u"par", 2, 2));
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    EXPECT_EQ(CDictLibrary::GetCategory(*library.GetDictionary(0)), DICT_CATEGORY_MAIN);
    EXPECT_EQ(CDictLibrary::GetCategory(*library.GetDictionary(1)), DICT_CATEGORY_REFERENCE);
    EXPECT_EQ(CDictLibrary::GetCategory(*library.GetDictionary(2)), DICT_CATEGORY_PARALLEL);
    EXPECT_EQ(CDictLibrary::GetCategoryName(DICT_CATEGORY_REFERENCE), u"Reference materials");
}

TEST_F(DictLibraryTest, DisplayNamesComeFromTheInformationFile) {
    WriteBytes(folder / "de.gmd", SmallGmd(u"Header name"));
    WriteText(folder / "de_info.txt",
              "ignored before any section\r\n  <English>  \r\n\r\n  German dictionary \r\nmore\r\n"
              "<Russian>\r\n\xd0\x9d\xd0\xb5\xd0\xbc\xd0\xb5\xd1\x86\xd0\xba\xd0\xb8\xd0\xb9\r\n");
    WriteBytes(folder / "en.gmd", SmallGmd(u"Header only"));
    WriteBytes(folder / "noname.gmd", SmallGmd(u""));
    WriteText(folder / "noname_info.txt", "no sections at all\n");
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    const CDictIndexFile& de = *library.GetDictionary(0);
    EXPECT_EQ(library.GetDisplayName(de, u"russian", u"English", u"English"),
              u"\u041d\u0435\u043c\u0435\u0446\u043a\u0438\u0439");
    EXPECT_EQ(library.GetDisplayName(de, u"French", u"ENGLISH", u"English"), u"German dictionary");
    EXPECT_EQ(library.GetDisplayName(de, u"French", u"German", u"Russian"),
              u"\u041d\u0435\u043c\u0435\u0446\u043a\u0438\u0439");
    EXPECT_EQ(library.GetDisplayName(de, u"French", u"German", u"Spanish"), u"German dictionary");
    EXPECT_EQ(library.GetDisplayName(*library.GetDictionary(1), u"English", u"", u""),
              u"Header only");
    EXPECT_EQ(library.GetDisplayName(*library.GetDictionary(2), u"English", u"", u""), u"noname");
}

TEST_F(DictLibraryTest, TheInformationFileIsOpenedThroughTheShell) {
    WriteBytes(folder / "a.gmd", SmallGmd(u"a"));
    std::u16string opened, warned;
    library.SetShell({[&](std::u16string_view path) {
                          opened = path;
                          return true;
                      },
                      [&](std::u16string_view text, std::u16string_view caption) {
                          warned = std::u16string(text) + u"|" + std::u16string(caption);
                      }});
    const std::u16string path = FolderText() + u"a.gmd";
    EXPECT_FALSE(library.OpenDictInfoFile(path));
    EXPECT_EQ(warned, u"Dictionary information file not found|Warning!");
    EXPECT_EQ(opened, u"");
    WriteText(folder / "a_info.txt", "<English>\nA\n");
    EXPECT_TRUE(library.OpenDictInfoFile(path));
    EXPECT_EQ(opened, FolderText() + u"a_info.txt");
}

TEST_F(DictLibraryTest, ClosingKeepsTheObjectsListedAndTheirNames) {
    WriteBytes(folder / "a.gmd", SmallGmd(u"a"));
    ASSERT_TRUE(library.ScanFolder(U16(folder)));
    library.CloseAllFiles();
    ASSERT_EQ(library.GetCount(), 1);
    EXPECT_FALSE(library.GetDictionary(0)->IsOpen());
    EXPECT_EQ(library.GetEntryInfos()[0].strFileName, u"a.gmd");
    // The file can go now.
    EXPECT_TRUE(std::filesystem::remove(folder / "a.gmd"));
}

}  // namespace
