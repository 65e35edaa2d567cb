#include "core/MyFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "core/Utf8.h"
#include "support/TempDir.h"
#include "support/ThrownText.h"

namespace {

std::string ReadWhole(CMyFile& file) {
    std::string s(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    s.resize(file.Read(s.data(), static_cast<uint32_t>(s.size())));
    return s;
}

TEST(MyFile, WritesReadsAndSeeks) {
    CTempDir dir;
    CMyFile file;
    const std::u16string path = dir.PathOf("data.bin");
    ASSERT_TRUE(file.Open(path, CMyFile::MODE_CREATE | CMyFile::MODE_READ_WRITE));
    file.Write("hello, world", 12);
    EXPECT_EQ(file.GetPosition(), 12);
    EXPECT_EQ(file.GetLength(), 12);
    EXPECT_EQ(file.Seek(-5, CMyFile::ORIGIN_END), 7);
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, sizeof buf), 5u);  // fewer at the end
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
    EXPECT_EQ(file.Seek(-6, CMyFile::ORIGIN_CURRENT), 6);
    file.Write("!", 1);
    EXPECT_EQ(file.SeekToEnd(), 12);
    EXPECT_EQ(ReadWhole(file), "hello,!world");
}

TEST(MyFile, NamesTheOpenFile) {
    CTempDir dir;
    dir.Write("dict.v2.gmd", "x");
    std::filesystem::create_directory(dir.Path() / "sub");
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    CMyFile file;
    const bool bOpened = file.Open(u"./sub/../dict.v2.gmd", CMyFile::MODE_READ);
    std::filesystem::current_path(saved);
    ASSERT_TRUE(bOpened);
    EXPECT_EQ(file.GetFileName(), u"dict.v2.gmd");
    EXPECT_EQ(file.GetFileTitle(), u"dict.v2");
    EXPECT_EQ(file.GetFileExt(), u"gmd");
    EXPECT_EQ(file.GetFilePath(), dir.PathOf("dict.v2.gmd"));

    dir.Write("plain", "x");
    ASSERT_TRUE(file.Open(dir.PathOf("plain"), CMyFile::MODE_READ));
    EXPECT_EQ(file.GetFileTitle(), u"plain");
    EXPECT_EQ(file.GetFileExt(), u"");
    file.Close();
    EXPECT_EQ(file.GetFileName(), u"plain");  // Close keeps the names, Reset forgets them
    file.Reset();
    EXPECT_EQ(file.GetFileName(), u"");
}

TEST(MyFile, CreateTruncatesUnlessToldNotTo) {
    CTempDir dir;
    const std::u16string path = dir.Write("f", "old contents");
    CMyFile file;
    ASSERT_TRUE(file.Open(path, CMyFile::MODE_CREATE | CMyFile::MODE_NO_TRUNCATE |
                                    CMyFile::MODE_READ_WRITE | CMyFile::SHARE_DENY_WRITE));
    EXPECT_EQ(file.GetLength(), 12);
    ASSERT_TRUE(file.ReOpen(CMyFile::MODE_CREATE | CMyFile::MODE_WRITE));
    EXPECT_EQ(file.GetLength(), 0);
    file.Write("new", 3);
    ASSERT_TRUE(file.ReOpen(CMyFile::MODE_READ));
    EXPECT_EQ(ReadWhole(file), "new");
}

TEST(MyFile, OpenFailuresCarryThePlatformText) {
    CTempDir dir;
    const std::u16string missing = dir.PathOf("none");
    const std::string fifo = (dir.Path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::u16string path;
        std::u16string reason;
    };
    const Case cases[] = {
        {missing, missing + u": No such file or directory"},
        {dir.PathOf(""), dir.PathOf("") + u": Is a directory"},
        {FromUtf8(fifo), FromUtf8(fifo) + u": Not a regular file"},  // and no wait for a writer
        {u"", u": No such file or directory"},
        {std::u16string(u"a\0b", 3), std::u16string(u"a\0b: Invalid argument", 21)},
    };
    for (const Case& c : cases) {
        CMyFile file;
        EXPECT_FALSE(file.Open(c.path, CMyFile::MODE_READ));
        EXPECT_EQ(file.GetError(), u"Failed to open document.\r\n" + c.reason);
        EXPECT_FALSE(file.IsOpen());
    }
    CMyFile file;
    EXPECT_FALSE(file.Open(dir.PathOf(std::string(300, 'n')), CMyFile::MODE_READ));
    EXPECT_EQ(file.GetError().size(), std::u16string(u"Failed to open document.\r\n").size() + 260);
}

TEST(MyFile, IoFaultsThrowTheirText) {
    CTempDir dir;
    const std::u16string path = dir.Write("f", "abc");
    CMyFile file;
    char buf[4];
    EXPECT_THROW(file.Read(buf, 1), CMyObjectThrow);  // not open
    ASSERT_TRUE(file.Open(path, CMyFile::MODE_READ));
    EXPECT_EQ(ThrownText([&] { file.Write("x", 1); }), path + u": Bad file descriptor");
    EXPECT_EQ(file.GetError(), path + u": Bad file descriptor");
    EXPECT_EQ(ThrownText([&] { file.Seek(-1, CMyFile::ORIGIN_BEGIN); }),
              path + u": Invalid argument");
    EXPECT_THROW(file.Seek(0, 7), CMyObjectThrow);
}

TEST(MyFile, RemoveClosesAndDeletes) {
    CTempDir dir;
    const std::u16string path = dir.Write("gone", "x");
    CMyFile file;
    ASSERT_TRUE(file.Open(path, CMyFile::MODE_READ));
    EXPECT_TRUE(file.Remove());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "gone"));
    EXPECT_FALSE(file.Remove());
    EXPECT_EQ(file.GetError(), path + u": No such file or directory");
}

}  // namespace
