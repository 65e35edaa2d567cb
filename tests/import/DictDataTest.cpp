// Definitions files read by random access: plain, dictzip chunk by chunk,
// and whole gzip; broken and truncated compressed data is reported.
#include <gtest/gtest.h>

#include "ImportFiles.h"
#include "import/DictData.h"
#include "support/TempDir.h"

namespace {

std::string Text(size_t n) {
    std::string text;
    for (size_t i = 0; text.size() < n; ++i)
        text += "line " + std::to_string(i * 7919 % 1000) + " of the data\n";
    text.resize(n);
    return text;
}

TEST(DictData, EveryFormReadsTheSameRanges) {
    const std::string data = Text(10000);
    CTempDir dir;
    dir.Write("plain.dict", data);
    dir.Write("chunked.dict.dz", MakeDictzip(data, 1000));
    dir.Write("one.dict.dz", MakeDictzip(data, 65000));
    for (const char* name : {"plain.dict", "chunked.dict.dz", "one.dict.dz"}) {
        CDictData file;
        std::string strError, out;
        ASSERT_TRUE(file.Open(dir.Path() / name, strError)) << name << ": " << strError;
        EXPECT_EQ(file.GetSize(), data.size()) << name;
        // Ranges inside one chunk, across chunks, backwards, to the very end.
        for (auto [offset, length] : {std::pair<size_t, size_t>{9990, 10},
                                      {10, 5},
                                      {995, 1010},
                                      {0, 10000},
                                      {4000, 0},
                                      {10000, 0}}) {
            ASSERT_TRUE(file.Read(offset, length, out, strError)) << name << ": " << strError;
            EXPECT_EQ(out, data.substr(offset, length)) << name << " " << offset;
        }
        EXPECT_FALSE(file.Read(9999, 2, out, strError));
        EXPECT_EQ(strError, "beyond the end of the data");
        EXPECT_FALSE(file.Read(UINT64_MAX, 2, out, strError));
    }
}

TEST(DictData, DamagedCompressedDataIsReported) {
    const std::string data = Text(5000);
    const std::string dz = MakeDictzip(data, 1000);
    CTempDir dir;
    // The third chunk starts with an invalid block type. Its place: the gzip
    // header (10), XLEN (2), the RA field (4 + 6 + 2 per chunk), two chunks.
    auto le16 = [&](size_t pos) {
        return size_t(uint8_t(dz[pos])) | size_t(uint8_t(dz[pos + 1])) << 8;
    };
    const size_t nChunks = le16(20);
    std::string broken = dz;
    broken[12 + 10 + 2 * nChunks + le16(22) + le16(24)] = '\xFF';
    struct Case {
        std::string name;
        std::string bytes;
        bool bOpens;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"broken.dict.dz", broken, true, "broken compressed chunk"},
        {"short.dict.dz", dz.substr(0, dz.size() - 200), false, "truncated"},
        {"header.dict.dz", dz.substr(0, 12), false, "broken gzip header"},
        {"cut.dict.dz", dz.substr(0, 40), false, "truncated"},
    };
    for (const Case& c : cases) {
        dir.Write(c.name, c.bytes);
        CDictData file;
        std::string strError, out;
        bool bOk = file.Open(dir.Path() / c.name, strError);
        EXPECT_EQ(bOk, c.bOpens) << c.name;
        for (size_t pos = 0; bOk && pos < data.size(); pos += 500)
            bOk = file.Read(pos, 500, out, strError) && out == data.substr(pos, 500);
        EXPECT_FALSE(bOk) << c.name;
        EXPECT_NE(strError.find(c.error), std::string::npos) << c.name << ": " << strError;
    }
}

}  // namespace
