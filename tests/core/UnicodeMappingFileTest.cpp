#include "core/UnicodeMappingFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TextBytes.h"
#include "support/TempDir.h"
#include "support/ThrownText.h"

using namespace std::string_literals;

namespace {

struct Decoded {
    std::u16string text;
    std::vector<int> sizes;
    std::u16string error;
    bool operator==(const Decoded&) const = default;
};

template <class Reader>
Decoded Decode(Reader&& readSymb) {
    Decoded d;
    try {
        char16_t c;
        for (int n; (n = readSymb(c)) > 0;) {
            d.text += c;
            d.sizes.push_back(n);
        }
    } catch (const CMyObjectThrow& e) {
        d.error = e.GetError();
    }
    return d;
}

Decoded DecodeMapped(CUnicodeMappingFile& file) {
    const int32_t nBegin = file.SkipByteOrderMark();
    if (nBegin < file.GetFileLength()) {
        EXPECT_TRUE(file.SetMapPos(nBegin, 0));
    }
    return Decode([&](char16_t& c) { return file.ReadMapSymb(c); });
}

// The mapped decoding must agree with the file decoding byte for byte,
// faults included: the inline fast path may not change what is read.
TEST(UnicodeMappingFile, DecodesExactlyAsTheFileReader) {
    std::vector<std::string> samples = {
        "plain ASCII\r\nline two",
        "\xEF\xBB\xBF"
        "Ёлка, €, 漢字\n",
        "a\n\xC3\x41",
        "a\n\xE3\x81",
        "a\n\xF0\x9F\x98\x80",
        "a\n\xF0\x9F\x98\x80\xF0\xA9\xBA\x8A",
        "a\n\xF0\x9F\x98\x80\x80",
        "a\n\xF0\x9F\x98",
        "a\n\xED\xA0\x80\xC0\x80",
        Ucs2Bytes(u"ucs-2 ж\r\n", false) + "x",
        Ucs2Bytes(u"ucs-2 ж\r\n", true),
    };
    // Random bytes drawn mostly from the interesting ones.
    std::mt19937 rng(12345);
    const uint8_t kAlphabet[] = {'a',  '\n', '\r', 0x80, 0xBF, 0xC3,
                                 0xD1, 0xE2, 0xEF, 0xF0, 0x9F, 0xFF};
    for (int i = 0; i < 200; ++i) {
        std::string s = "\n";
        const int nLength = static_cast<int>(rng() % 12);
        for (int k = 0; k < nLength; ++k)
            s += static_cast<char>(kAlphabet[rng() % sizeof kAlphabet]);
        samples.push_back(s);
    }
    CTempDir dir;
    for (const std::string& bytes : samples) {
        SCOPED_TRACE(bytes);
        const std::u16string path = dir.Write("t.txt", bytes);
        CUnicodeFile file;
        CUnicodeMappingFile mapped;
        const bool bOpened = file.OpenUnicode(path);
        ASSERT_EQ(mapped.OpenUnicode(path), bOpened);
        if (!bOpened) {
            EXPECT_EQ(mapped.GetError(), file.GetError());
            continue;
        }
        file.SkipByteOrderMark();
        const Decoded expected = Decode([&](char16_t& c) { return file.ReadSymb(c); });
        EXPECT_EQ(DecodeMapped(mapped), expected);
        if (!expected.error.empty()) {
            EXPECT_EQ(mapped.GetError(), expected.error);
        }
    }
}

TEST(UnicodeMappingFile, PositionsWithinTheFile) {
    CTempDir dir;
    CUnicodeMappingFile file;
    EXPECT_FALSE(file.SetMapPos(0, 0));  // closed
    ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt", "abcdef")));
    struct Case {
        int32_t nOffset;
        int nOrigin;
        int32_t nResult;  // -1: refused, position unchanged
    };
    const Case cases[] = {
        {2, 0, 2}, {-1, 2, 5}, {0, 2, -1}, {-6, 2, 0}, {-7, 2, -1}, {6, 0, -1}, {-1, 0, -1},
        {3, 0, 3}, {2, 1, 5},  {1, 1, -1}, {-5, 1, 0}, {-1, 1, -1}, {0, 3, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nOffset << " from " << c.nOrigin);
        const int32_t nBefore = file.GetMapPos();
        EXPECT_EQ(file.SetMapPos(c.nOffset, c.nOrigin), c.nResult >= 0);
        EXPECT_EQ(file.GetMapPos(), c.nResult >= 0 ? c.nResult : nBefore);
    }
    ASSERT_TRUE(file.SetMapPos(-1, 2));
    char16_t c;
    EXPECT_EQ(file.ReadMapSymb(c), 1);
    EXPECT_EQ(c, u'f');
    EXPECT_EQ(file.ReadMapSymb(c), 0);
}

TEST(UnicodeMappingFile, MappedReadStopsAtTheEnd) {
    CTempDir dir;
    CUnicodeMappingFile file;
    char buf[8] = {};
    EXPECT_EQ(file.ReadMap(buf, 4), 0u);
    ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt",
                                           "\xFF\xFE"
                                           "a\0b\0c"s)));
    EXPECT_EQ(file.ReadMap(buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 4),
              "\xFF\xFE"
              "a\0"s);
    EXPECT_EQ(file.ReadMap(buf, 8), 3u);  // the odd byte is still a byte of the file
    EXPECT_EQ(file.ReadMap(buf, 8), 0u);
    EXPECT_EQ(file.GetMapView().size(), 7u);
    // ... but not a symbol.
    EXPECT_EQ(DecodeMapped(file).text, u"ab");
    file.Close();
    EXPECT_EQ(file.ReadMap(buf, 4), 0u);
    EXPECT_TRUE(file.GetMapView().empty());
    char16_t c;
    EXPECT_EQ(file.ReadMapSymb(c), 0);
}

TEST(UnicodeMappingFile, ReopeningReplacesTheView) {
    CTempDir dir;
    CUnicodeMappingFile file;
    ASSERT_TRUE(file.OpenUnicode(dir.Write("one.txt", Ucs2Bytes(u"first", true))));
    EXPECT_EQ(DecodeMapped(file).text, u"first");
    ASSERT_TRUE(file.OpenUnicode(dir.Write("two.txt", "second")));
    EXPECT_EQ(file.GetMapPos(), 0);
    EXPECT_EQ(DecodeMapped(file).text, u"second");
    EXPECT_FALSE(file.OpenUnicode(dir.Write("three.txt", "")));
    EXPECT_EQ(file.GetError(), u"File is empty");
    EXPECT_TRUE(file.GetMapView().empty());
    EXPECT_FALSE(file.SetMapPos(0, 0));
}

TEST(UnicodeMappingFile, UndeterminedEncodingIsAnInternalFault) {
    CUnicodeMappingFile file;
    char16_t c;
    EXPECT_EQ(ThrownText([&] { file.ReadMapSymb(c); }),
              u"Error in CUnicodeMappingFile::ReadMapSymb(...)\nnEncoding = ENCODING_NODEF");
}

}  // namespace
