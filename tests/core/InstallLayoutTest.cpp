#include "core/InstallLayout.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Utf8.h"
#include "support/TempDir.h"

namespace {

// A portable copy keeps everything beside the program, whether the marker is
// a file or a folder.
TEST(InstallLayout, PortableMarkerKeepsEverythingBesideTheProgram) {
    for (const bool bFolder : {false, true}) {
        CTempDir dir;
        const std::filesystem::path marker = dir.Path() / ToUtf8(kPortableMarker);
        if (bFolder)
            std::filesystem::create_directory(marker);
        else
            dir.Write("portable", "");
        const std::u16string folder = FromUtf8(dir.Path().string());
        const CInstallLayout layout = ResolveInstallLayout(folder);
        EXPECT_TRUE(layout.bPortable);
        EXPECT_EQ(layout.strLibraryFolder, folder);
        EXPECT_EQ(layout.strDataFolder, folder);
    }
}

// Installed, the folders are found relative to the program's, wherever the
// tree was put.
TEST(InstallLayout, InstalledFoldersAreRelativeToTheProgram) {
    CTempDir dir;
    const std::filesystem::path bin = dir.Path() / "stage/usr/bin";
    std::filesystem::create_directories(bin);
    const CInstallLayout layout = ResolveInstallLayout(FromUtf8(bin.string()));
    EXPECT_FALSE(layout.bPortable);
    const std::string usr = (dir.Path() / "stage/usr/").string();
    EXPECT_EQ(ToUtf8(layout.strDataFolder), usr + "share/glossmere");
    EXPECT_TRUE(ToUtf8(layout.strLibraryFolder).starts_with(usr + "lib"));
    EXPECT_TRUE(ToUtf8(layout.strLibraryFolder).ends_with("/glossmere"));
}

}  // namespace
