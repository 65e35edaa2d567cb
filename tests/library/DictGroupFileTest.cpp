#include "library/DictGroupFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "LibraryFiles.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "support/TempDir.h"

namespace {

// Two groups over two files: "All dictionaries" (b, a; a disabled) and "Ru"
// (a enabled, b disabled), current group 1.
std::vector<uint8_t> SampleBytes() {
    return {
        2,   0, 2,   0, 1,   0,                                  // G, F, current
        16,  0, 'A', 0, 'l', 0, 'l', 0, ' ', 0, 'd', 0, 'i', 0,  // "All dictionaries"
        'c', 0, 't', 0, 'i', 0, 'o', 0, 'n', 0, 'a', 0, 'r', 0,
        'i', 0, 'e', 0, 's', 0, 2,   0, 'R', 0, 'u', 0,  // "Ru"
        5,   0, 'a', 0, '.', 0, 'g', 0, 'm', 0, 'd', 0,  // "a.gmd"
        5,   0, 'b', 0, '.', 0, 'g', 0, 'm', 0, 'd', 0,  // "b.gmd"
        1,   0, 1,   0, 0,   0,                          // group 0: b on, a off
        0,   0, 1,   1, 0,   0,                          // group 1: a on, b off
        1,                                               // marker
    };
}

CDictGroupFile SampleData() {
    return GroupFileData({u"All dictionaries", u"Ru"}, {u"a.gmd", u"b.gmd"},
                         {{{1, true}, {0, false}}, {{0, true}, {1, false}}}, kFirstGroupIsAutomatic,
                         1);
}

std::u16string ShortFileMessage(const std::filesystem::path& path) {
    return FormatTextId(41326, {FromUtf8(path.string())}) + u"\r\n" + FormatTextId(41331);
}

TEST(DictGroupFile, WritesTheLayoutByteForByteAndReadsItBack) {
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    CDictGroupFile data = SampleData();
    ASSERT_TRUE(data.WriteGroupFile(path)) << ToUtf8(data.GetError());
    EXPECT_EQ(ReadBytes(path), SampleBytes());

    CDictGroupFile back;
    ASSERT_TRUE(back.ReadGroupFile(path)) << ToUtf8(back.GetError());
    EXPECT_EQ(back.m_arrGroupNames, data.m_arrGroupNames);
    EXPECT_EQ(back.m_arrFileNames, data.m_arrFileNames);
    EXPECT_EQ(back.m_arrGroupTables, data.m_arrGroupTables);
    EXPECT_EQ(back.m_nCurrentGroup, 1);
    EXPECT_EQ(back.m_nFirstGroupMarker, 1);
    EXPECT_EQ(back.Encode(), SampleBytes());
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(DictGroupFile, AnyNonZeroFlagIsEnabledAndAMissingMarkerReadsAsZero) {
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    auto bytes = SampleBytes();
    bytes.pop_back();
    bytes[bytes.size() - 4] = 0x7F;  // group 1, entry 0 flag
    WriteBytes(path, bytes);
    CDictGroupFile data;
    ASSERT_TRUE(data.ReadGroupFile(path)) << ToUtf8(data.GetError());
    EXPECT_EQ(data.m_nFirstGroupMarker, 0);
    EXPECT_TRUE(data.m_arrGroupTables[1][0].bEnabled);
}

TEST(DictGroupFile, MissingFileNamesThePathAndTheSystemError) {
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    CDictGroupFile data;
    EXPECT_FALSE(data.ReadGroupFile(path));
    const std::u16string prefix =
        FormatTextId(41326, {FromUtf8(path.string())}) + u"\r\n" + FormatTextId(61697) + u"\r\n";
    EXPECT_EQ(data.GetError().substr(0, prefix.size()), prefix);
    EXPECT_GT(data.GetError().size(), prefix.size());
}

TEST(DictGroupFile, OnlyARegularFileIsRead) {
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    CDictGroupFile data;
    EXPECT_FALSE(data.ReadGroupFile(path));  // and does not wait for a writer
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(data.ReadGroupFile(path));
    EXPECT_TRUE(data.GetError().starts_with(FormatTextId(41326, {FromUtf8(path.string())})));
}

TEST(DictGroupFile, EveryTruncationBeforeTheMarkerIsAShortRead) {
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    const auto bytes = SampleBytes();
    for (size_t n = 0; n + 1 < bytes.size(); ++n) {
        WriteBytes(path, {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)});
        CDictGroupFile data;
        EXPECT_FALSE(data.ReadGroupFile(path)) << n;
        EXPECT_EQ(data.GetError(), ShortFileMessage(path)) << n;
        EXPECT_TRUE(data.m_arrGroupNames.empty() && data.m_arrGroupTables.empty()) << n;
    }
}

// Each row breaks one validity rule of otherwise sound data.
TEST(DictGroupFile, DataBreakingARuleIsRejectedOnReadAndOnWrite) {
    struct Row {
        const char* what;
        void (*breakIt)(CDictGroupFile&);
    };
    const Row rows[] = {
        {"repeated file index", [](CDictGroupFile& d) { d.m_arrGroupTables[1][1].nFileIndex = 0; }},
        {"file index too big", [](CDictGroupFile& d) { d.m_arrGroupTables[0][0].nFileIndex = 2; }},
        {"negative file index",
         [](CDictGroupFile& d) { d.m_arrGroupTables[0][0].nFileIndex = -1; }},
        {"current group too big", [](CDictGroupFile& d) { d.m_nCurrentGroup = 2; }},
        {"negative current group", [](CDictGroupFile& d) { d.m_nCurrentGroup = -1; }},
    };
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    for (const Row& row : rows) {
        CDictGroupFile data = SampleData();
        row.breakIt(data);
        std::u16string message;
        EXPECT_FALSE(data.CheckGroupData(message)) << row.what;
        EXPECT_FALSE(message.empty()) << row.what;

        WriteBytes(path, data.Encode());
        CDictGroupFile back;
        EXPECT_FALSE(back.ReadGroupFile(path)) << row.what;
        EXPECT_EQ(back.GetError(), FormatTextId(41331)) << row.what;
        EXPECT_TRUE(back.m_arrFileNames.empty()) << row.what;

        std::filesystem::remove(path);
        EXPECT_FALSE(data.WriteGroupFile(path)) << row.what;
        EXPECT_EQ(data.GetError(), FormatTextId(41331)) << row.what;
        EXPECT_FALSE(std::filesystem::exists(path)) << row.what;
    }
}

TEST(DictGroupFile, CountsThatDisagreeWithTheListsAreRejected) {
    CDictGroupFile data = SampleData();
    std::u16string message;
    ASSERT_TRUE(data.CheckGroupData(message));
    data.m_arrGroupTables[0].pop_back();
    EXPECT_FALSE(data.CheckGroupData(message));
    data = SampleData();
    data.m_nFileCount = 3;
    EXPECT_FALSE(data.CheckGroupData(message));
    data = SampleData();
    data.m_arrGroupNames.pop_back();
    EXPECT_FALSE(data.CheckGroupData(message));
}

TEST(DictGroupFile, ZeroOrNegativeCountsInAFileAreWrongData) {
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    for (const std::vector<uint8_t>& bytes :
         std::vector<std::vector<uint8_t>>{{0, 0, 0, 0, 0, 0, 1},
                                           {0xFF, 0xFF, 0, 0, 0, 0, 1},
                                           {1, 0, 0xFE, 0xFF, 0, 0, 0, 0, 1}}) {
        WriteBytes(path, bytes);
        CDictGroupFile data;
        EXPECT_FALSE(data.ReadGroupFile(path));
        EXPECT_EQ(data.GetError(), FormatTextId(41331));
    }
}

TEST(DictGroupFile, HugeCountsInATinyFileEndAsAShortRead) {
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    WriteBytes(path, {0xFF, 0x7F, 0xFF, 0x7F, 0, 0, 0xFF, 0xFF, 'x', 0});
    CDictGroupFile data;
    EXPECT_FALSE(data.ReadGroupFile(path));
    EXPECT_EQ(data.GetError(), ShortFileMessage(path));
}

TEST(DictGroupFile, NoGroupsWritesNothing) {
    CTempDir dir;
    const auto path = dir.Path() / "DictGroup.bin";
    CDictGroupFile data;
    EXPECT_TRUE(data.WriteGroupFile(path));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(DictGroupFile, AFailedReplaceLeavesNoTemporaryFileBehind) {
    CTempDir dir;
    // A folder standing where the file should go cannot be replaced.
    const auto path = dir.Path() / "DictGroup.bin";
    std::filesystem::create_directory(path);
    WriteBytes(path / "keep", {1, 2, 3});
    CDictGroupFile data = SampleData();
    EXPECT_FALSE(data.WriteGroupFile(path));
    const std::u16string prefix = FormatTextId(41330) + u":\r\n" + FormatTextId(61697) + u"\r\n";
    EXPECT_EQ(data.GetError().substr(0, prefix.size()), prefix);
    EXPECT_EQ(ReadBytes(path / "keep"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
