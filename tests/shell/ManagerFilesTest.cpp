#include "shell/ManagerFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, std::string_view text) {
    fs::create_directories(path.parent_path());
    WriteBytes(path, {text.begin(), text.end()});
}

std::string Read(const fs::path& path) {
    const auto bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

struct ManagerFiles : ::testing::Test {
    CTempDir dir;
    fs::path dicts = dir.Path() / "Dictionaries";
    fs::path source = dir.Path() / "download";
    ManagerFiles() {
        fs::create_directories(dicts);
        fs::create_directories(source);
    }
    std::vector<std::string> Names(const std::vector<fs::path>& paths) const {
        std::vector<std::string> names;
        for (const fs::path& p : paths)
            names.push_back(p.lexically_relative(dir.Path()).string());
        return names;
    }
};

TEST_F(ManagerFiles, CompanionsOfADictionary) {
    EXPECT_EQ(CompanionOf("/d/pets.gmd"), fs::path("/d/pets"));
    EXPECT_EQ(CompanionOf("/d/pets.v2.gmd"), fs::path("/d/pets.v2"));
    EXPECT_EQ(InfoFileOf("/d/pets.gmd"), fs::path("/d/pets_info.txt"));
    // A file named ".gmd" has no companion: it would be the whole folder.
    EXPECT_EQ(CompanionOf("/d/.gmd"), std::nullopt);
    EXPECT_EQ(CompanionOf("/d/pets"), std::nullopt);
}

TEST_F(ManagerFiles, AddTakesCompanionsAndInformationFilesAlong) {
    Write(source / "a.gmd", "A");
    Write(source / "a" / "pic.png", "P");
    Write(source / "a_info.txt", "<English>\nA");
    Write(source / "b.gmd", "B");
    Write(source / "c.gmd", "C");
    Write(source / "c", "companion file");
    Write(source / ".gmd", "no stem");
    const std::vector<fs::path> chosen = {source / "a.gmd", source / "b.gmd", source / "c.gmd",
                                          source / ".gmd"};
    const CAddPlan plan = PlanAddDictionaries(chosen, dicts);
    EXPECT_FALSE(plan.bAlreadyInstalled);
    EXPECT_EQ(Names(plan.arrPaths),
              (std::vector<std::string>{"download/a.gmd", "download/a", "download/a_info.txt",
                                        "download/b.gmd", "download/c.gmd", "download/c",
                                        "download/.gmd"}));
}

TEST_F(ManagerFiles, FilesFromTheDictionariesFolderAreAlreadyInstalled) {
    fs::create_directory_symlink(dicts, dir.Path() / "link");
    for (const fs::path& folder : {dicts, dir.Path() / "link", dicts / "."}) {
        const std::vector<fs::path> chosen = {folder / "a.gmd"};
        const CAddPlan plan = PlanAddDictionaries(chosen, dicts / "");
        EXPECT_TRUE(plan.bAlreadyInstalled) << folder;
        EXPECT_TRUE(plan.arrPaths.empty());
    }
}

TEST_F(ManagerFiles, CopyAsksBeforeReplacingAndLeavesNoTemporaryFiles) {
    Write(source / "a.gmd", "new A");
    Write(source / "b.gmd", "new B");
    Write(source / "c.gmd", "new C");
    Write(source / "a" / "sub" / "pic.png", "new pic");
    Write(dicts / "a.gmd", "old A");
    Write(dicts / "b.gmd", "old B");
    Write(dicts / "a" / "keep.txt", "kept");
    Write(dicts / "a" / "sub" / "pic.png", "old pic");
    const std::vector<fs::path> sources = {source / "a.gmd", source / "a", source / "b.gmd",
                                           source / "c.gmd"};
    struct {
        ReplaceAnswer answer;
        const char *a, *b, *pic;
        bool bCancelled;
    } rows[] = {
        {ReplaceAnswer::No, "old A", "old B", "old pic", false},
        {ReplaceAnswer::Yes, "new A", "new B", "new pic", false},
        {ReplaceAnswer::Cancel, "old A", "old B", "old pic", true},
    };
    for (const auto& row : rows) {
        Write(dicts / "a.gmd", "old A");
        Write(dicts / "b.gmd", "old B");
        Write(dicts / "a" / "sub" / "pic.png", "old pic");
        fs::remove(dicts / "c.gmd");
        std::vector<std::string> asked;
        const CCopyResult result = CopyIntoFolder(sources, dicts, [&](const fs::path& target) {
            asked.push_back(target.filename().string());
            return row.answer;
        });
        EXPECT_EQ(result.bCancelled, row.bCancelled);
        EXPECT_TRUE(result.arrErrors.empty());
        EXPECT_EQ(Read(dicts / "a.gmd"), row.a);
        EXPECT_EQ(Read(dicts / "b.gmd"), row.b);
        EXPECT_EQ(Read(dicts / "a" / "sub" / "pic.png"), row.pic);
        EXPECT_EQ(Read(dicts / "a" / "keep.txt"), "kept");
        EXPECT_EQ(fs::exists(dicts / "c.gmd"), !row.bCancelled);
        const std::vector<std::string> expected =
            row.bCancelled ? std::vector<std::string>{"a.gmd"}
                           : std::vector<std::string>{"a.gmd", "a", "b.gmd"};
        EXPECT_EQ(asked, expected);
    }
    // "Yes to all" asks once.
    int nAsked = 0;
    CopyIntoFolder(sources, dicts, [&](const fs::path&) {
        ++nAsked;
        return ReplaceAnswer::YesToAll;
    });
    EXPECT_EQ(nAsked, 1);
    for (const auto& entry : fs::recursive_directory_iterator(dicts)) {
        EXPECT_EQ(entry.path().string().find(".partial"), std::string::npos) << entry.path();
    }
}

TEST_F(ManagerFiles, AFailedCopyLeavesNoDictionaryBehind) {
    Write(source / "a.gmd", "A");
    Write(source / "b.gmd", "B");
    // A folder in the way of the temporary file makes the copy of a.gmd fail.
    Write(dicts / ".a.gmd.partial" / "x", "in the way");
    const std::vector<fs::path> sources = {source / "a.gmd", source / "b.gmd"};
    const CCopyResult result = CopyIntoFolder(sources, dicts, {});
    ASSERT_EQ(result.arrErrors.size(), 1u);
    EXPECT_NE(result.arrErrors[0].find(u"a.gmd"), std::u16string::npos);
    EXPECT_FALSE(fs::exists(dicts / "a.gmd"));
    EXPECT_EQ(Read(dicts / "b.gmd"), "B");
}

TEST_F(ManagerFiles, DeleteUsesTheTrashWhereThereIsOne) {
    struct {
        bool bTrash;
        std::vector<std::string> trashed;
    } rows[] = {
        {true, {"a.gmd", "a", "a_info.txt"}}, {false, {}},  // no trash: deleted outright
    };
    for (const auto& row : rows) {
        Write(dicts / "a.gmd", "A");
        Write(dicts / "a" / "pic.png", "P");
        Write(dicts / "a_info.txt", "I");
        Write(dicts / "b.gmd", "B");
        const CDeletePlan plan = PlanDeleteDictionary(dicts / "a.gmd");
        ASSERT_TRUE(plan.companion && plan.info);
        std::vector<std::string> trashed;
        const CDeleteResult result = DeleteDictionaryFiles(plan, [&](const fs::path& p) {
            if (!row.bTrash) return false;
            trashed.push_back(p.filename().string());
            fs::rename(p, dir.Path() / ("trashed-" + p.filename().string()));
            return true;
        });
        EXPECT_TRUE(result.arrFailed.empty());
        EXPECT_EQ(trashed, row.trashed);
        EXPECT_FALSE(fs::exists(dicts / "a.gmd"));
        EXPECT_FALSE(fs::exists(dicts / "a"));
        EXPECT_FALSE(fs::exists(dicts / "a_info.txt"));
        EXPECT_TRUE(fs::exists(dicts / "b.gmd"));
        fs::remove_all(dir.Path() / "trashed-a");
    }
    // A file named ".gmd" never takes the folder with it.
    Write(dicts / ".gmd", "X");
    EXPECT_FALSE(PlanDeleteDictionary(dicts / ".gmd").companion);
    EXPECT_TRUE(DeleteDictionaryFiles(PlanDeleteDictionary(dicts / ".gmd"), {}).arrFailed.empty());
    EXPECT_TRUE(fs::exists(dicts / "b.gmd"));
}

TEST_F(ManagerFiles, AFileThatCannotBeDeletedIsReported) {
    if (geteuid() == 0) GTEST_SKIP() << "root deletes anything";
    Write(dicts / "locked" / "a.gmd", "A");
    fs::permissions(dicts / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    const CDeleteResult result =
        DeleteDictionaryFiles(PlanDeleteDictionary(dicts / "locked" / "a.gmd"), {});
    fs::permissions(dicts / "locked", fs::perms::owner_all);
    EXPECT_EQ(result.arrFailed, std::vector<fs::path>{dicts / "locked" / "a.gmd"});
}

}  // namespace
