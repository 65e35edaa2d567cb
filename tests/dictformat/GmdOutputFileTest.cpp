// The output goes to a temporary file; only Commit puts it in place.
#include <gtest/gtest.h>

#include <cstring>

#include "TempDir.h"
#include "dictformat/GmdOutputFile.h"

namespace {

std::vector<uint8_t> Of(std::string_view s) {
    return {s.begin(), s.end()};
}

size_t FileCount(const std::filesystem::path& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

}  // namespace

TEST(GmdOutputFile, CommitReplacesTheTargetOnlyAtTheEnd) {
    CTempDir dir;
    const auto target = dir.Path() / "dict.gmd";
    WriteBytes(target, Of("old dictionary"));
    CGmdOutputFile out;
    ASSERT_TRUE(out.Create(target));
    EXPECT_NE(out.GetTempPath(), target);
    EXPECT_EQ(out.GetTempPath().parent_path(), dir.Path());
    EXPECT_NE(out.GetTempPath().extension(), ".gmd");  // never listed as a dictionary
    ASSERT_TRUE(out.Write(Of("new")));
    uint64_t nReal = 0;
    ASSERT_TRUE(out.GetRealSize(nReal));
    EXPECT_EQ(nReal, 3u);
    EXPECT_EQ(ReadBytes(target), Of("old dictionary"));
    ASSERT_TRUE(out.Commit());
    EXPECT_EQ(ReadBytes(target), Of("new"));
    EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(GmdOutputFile, DiscardKeepsTheOldFileAndLeavesNoTemporary) {
    CTempDir dir;
    const auto target = dir.Path() / "dict.gmd";
    WriteBytes(target, Of("old dictionary"));
    {
        CGmdOutputFile out;
        ASSERT_TRUE(out.Create(target));
        ASSERT_TRUE(out.Write(std::vector<uint8_t>(3 << 20, 7)));
        out.Discard();
    }
    {
        CGmdOutputFile out;  // destroyed without a commit
        ASSERT_TRUE(out.Create(target));
        ASSERT_TRUE(out.Write(Of("x")));
    }
    EXPECT_EQ(ReadBytes(target), Of("old dictionary"));
    EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(GmdOutputFile, FailuresCarryTheSystemsReason) {
    CTempDir dir;
    CGmdOutputFile out;
    EXPECT_FALSE(out.Create(dir.Path() / "missing" / "dict.gmd"));
    EXPECT_EQ(out.GetError().rfind(u"Failed to open document.\r\n", 0), 0u);
    EXPECT_NE(out.GetError().find(u"No such file or directory"), std::u16string::npos);

    // A folder in the target's place: the rename fails and nothing is left behind.
    std::filesystem::create_directory(dir.Path() / "taken.gmd");
    std::filesystem::create_directory(dir.Path() / "taken.gmd" / "sub");
    ASSERT_TRUE(out.Create(dir.Path() / "taken.gmd"));
    ASSERT_TRUE(out.Write(Of("abc")));
    EXPECT_FALSE(out.Commit());
    EXPECT_FALSE(out.GetError().empty());
    out.Discard();
    EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(GmdOutputFile, ReservedBytesCountAsWritten) {
    CTempDir dir;
    CGmdOutputFile out;
    ASSERT_TRUE(out.Create(dir.Path() / "a.gmd"));
    uint8_t* p = out.Reserve(4);
    ASSERT_NE(p, nullptr);
    std::memcpy(p, "abcd", 4);
    ASSERT_TRUE(out.CommitReserved(4));
    EXPECT_EQ(out.GetCalculatedSize(), 4u);
    EXPECT_EQ(out.Reserve(size_t{1} << 30), nullptr);  // more than the buffer
    ASSERT_TRUE(out.Commit());
    EXPECT_EQ(ReadBytes(dir.Path() / "a.gmd"), Of("abcd"));
}
