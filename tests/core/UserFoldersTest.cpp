#include "core/UserFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "core/Utf8.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

std::u16string U16(const fs::path& path) {
    return FromUtf8(path.string());
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct UserFoldersTest : ::testing::Test {
    CTempDir dir;
    CInstallLayout layout;
    std::map<std::string, std::string> env;

    UserFoldersTest() {
        fs::create_directories(dir.Path() / "usr/bin");
        layout = ResolveInstallLayout(U16(dir.Path() / "usr/bin"));
    }
    CUserFolders Resolve(const std::u16string& strHome = {}) const {
        return ResolveUserFolders(layout, strHome, [this](const char* name) {
            const auto it = env.find(name);
            return it == env.end() ? std::nullopt : std::optional<std::string>(it->second);
        });
    }
    fs::path MakeFolder(const std::string& relative) const {
        fs::create_directories(dir.Path() / relative);
        return dir.Path() / relative;
    }
};

// --home and a portable copy keep everything in one folder.
TEST_F(UserFoldersTest, HomeOptionAndPortableCopyKeepEverythingInOneFolder) {
    env["XDG_CONFIG_HOME"] = "/elsewhere";
    CUserFolders folders = Resolve(u"/my/home");
    EXPECT_FALSE(folders.bPerUser);
    EXPECT_EQ(folders.strConfigFolder, u"/my/home");
    EXPECT_EQ(folders.strDictionariesFolder, u"/my/home/Dictionaries");
    EXPECT_TRUE(folders.systemDictionaries.empty());

    layout.bPortable = true;
    folders = Resolve();
    EXPECT_FALSE(folders.bPerUser);
    EXPECT_EQ(folders.strConfigFolder, layout.strProgramFolder);
    EXPECT_EQ(folders.strDictionariesFolder, layout.strProgramFolder + u"/Dictionaries");
}

TEST_F(UserFoldersTest, InstalledProgramFollowsTheBaseDirectories) {
    const fs::path first = MakeFolder("a/glossmere/Dictionaries");
    const fs::path shipped = MakeFolder("usr/share/glossmere/Dictionaries");
    // Missing, relative and repeated folders are left out; the install's own
    // folder comes once.
    env = {{"HOME", "/home/u"},
           {"XDG_CONFIG_HOME", "/cfg"},
           {"XDG_DATA_HOME", "relative/data"},
           {"XDG_DATA_DIRS", "relative:" + (dir.Path() / "a").string() +
                                 ":/none/at/all:" + (dir.Path() / "usr/share/").string() + ":" +
                                 (dir.Path() / "a").string()}};
    CUserFolders folders = Resolve();
    EXPECT_TRUE(folders.bPerUser);
    EXPECT_EQ(folders.strConfigFolder, u"/cfg/glossmere");
    EXPECT_EQ(folders.strDictionariesFolder, u"/home/u/.local/share/glossmere/Dictionaries");
    EXPECT_EQ(folders.systemDictionaries, (std::vector<std::u16string>{U16(first), U16(shipped)}));

    // Without XDG_DATA_DIRS the install's own folder is still found; without
    // HOME there is nowhere for the user's files.
    env = {{"XDG_DATA_HOME", "/data"}};
    folders = Resolve();
    EXPECT_EQ(folders.strConfigFolder, u"");
    EXPECT_EQ(folders.strDictionariesFolder, u"/data/glossmere/Dictionaries");
    EXPECT_EQ(folders.systemDictionaries, (std::vector<std::u16string>{U16(shipped)}));
    std::u16string strError;
    EXPECT_FALSE(PrepareUserFolders(folders, layout, u"Glossmere.ini", strError));
    EXPECT_NE(strError, u"");
}

// The first start makes the folders and copies the shipped settings; a
// settings file the user has is never replaced.
TEST_F(UserFoldersTest, FirstStartMakesTheFoldersAndCopiesTheShippedSettingsOnce) {
    MakeFolder("usr/share/glossmere");
    dir.Write("usr/share/glossmere/Glossmere.ini", "[Languages]\n1=Deutsch\n");
    env = {{"HOME", (dir.Path() / "home").string()}};
    const CUserFolders folders = Resolve();
    std::u16string strError;
    ASSERT_TRUE(PrepareUserFolders(folders, layout, u"Glossmere.ini", strError))
        << ToUtf8(strError);
    EXPECT_TRUE(fs::is_directory(ToUtf8(folders.strDictionariesFolder)));
    const fs::path settings = dir.Path() / "home/.config/glossmere/Glossmere.ini";
    EXPECT_EQ(ReadText(settings), "[Languages]\n1=Deutsch\n");

    dir.Write("home/.config/glossmere/Glossmere.ini", "[Languages]\nAppLang=1\n");
    ASSERT_TRUE(PrepareUserFolders(folders, layout, u"Glossmere.ini", strError));
    EXPECT_EQ(ReadText(settings), "[Languages]\nAppLang=1\n");
}

}  // namespace
