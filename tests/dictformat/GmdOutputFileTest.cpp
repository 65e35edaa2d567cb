// The output goes to a temporary file; only Commit puts it in place.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>

#include "dictformat/GmdOutputFile.h"
#include "support/TempDir.h"

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
    ASSERT_TRUE(out.Write(Of("new")));
    EXPECT_EQ(FileCount(dir.Path()), 1u);  // the new file has no name yet
    uint64_t nReal = 0;
    ASSERT_TRUE(out.GetRealSize(nReal));
    EXPECT_EQ(nReal, 3u);
    EXPECT_EQ(ReadBytes(target), Of("old dictionary"));
    ASSERT_TRUE(out.Commit());
    EXPECT_EQ(ReadBytes(target), Of("new"));
    EXPECT_EQ(FileCount(dir.Path()), 1u);
}

// However a writer ends without its commit (discarded, destroyed, killed by
// SIGKILL or a power loss), the old dictionary stays and nothing else is left.
TEST(GmdOutputFile, AnUncommittedWriterLeavesTheOldFileAndNothingElse) {
    CTempDir dir;
    const auto target = dir.Path() / "dict.gmd";
    WriteBytes(target, Of("old dictionary"));
    auto write = [&](CGmdOutputFile& out) {
        return out.Create(target) && out.Write(std::vector<uint8_t>(3 << 20, 7));
    };
    {
        CGmdOutputFile out;
        ASSERT_TRUE(write(out));
        out.Discard();
    }
    {
        CGmdOutputFile out;
        ASSERT_TRUE(write(out));
    }
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        CGmdOutputFile out;
        if (write(out)) ::raise(SIGKILL);
        ::_exit(1);
    }
    int nStatus = 0;
    ASSERT_EQ(::waitpid(pid, &nStatus, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(nStatus));
    EXPECT_EQ(ReadBytes(target), Of("old dictionary"));
    EXPECT_EQ(FileCount(dir.Path()), 1u);
}

// What killed runs left under a temporary name goes when the next one starts;
// anything else stays.
TEST(GmdOutputFile, StaleTemporariesAreSweptAtTheStart) {
    CTempDir dir;
    const std::vector<std::string> kept = {"notes.tmp0123abcd", "a.gmd.tmp0123abc",
                                           "a.gmd.tmp0123ABCD", "a.gmd"};
    for (const std::string& name : kept)
        WriteBytes(dir.Path() / name, Of("x"));
    for (const char* name : {"a.gmd.tmp0123abcd", "b.gmd.tmpzzzzzzzz"}) {
        WriteBytes(dir.Path() / name, Of("stale"));
        std::filesystem::last_write_time(
            dir.Path() / name,
            std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    CGmdOutputFile out;
    ASSERT_TRUE(out.Create(dir.Path() / "c.gmd"));
    out.Discard();
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        left.push_back(e.path().filename().string());
    std::ranges::sort(left);
    std::vector<std::string> expected = kept;
    std::ranges::sort(expected);
    EXPECT_EQ(left, expected);
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
