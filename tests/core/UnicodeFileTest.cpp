#include "core/UnicodeFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextBytes.h"
#include "core/StringTable.h"
#include "core/Utf8.h"
#include "support/TempDir.h"
#include "support/ThrownText.h"

using namespace std::string_literals;

namespace {

const std::u16string kUtf8Error = LoadText(41333).value();

struct Decoded {
    std::u16string text;
    std::vector<int> sizes;
    std::u16string error;  // text of a decoding fault, which ends the read
};

Decoded ReadAll(CUnicodeFile& file) {
    Decoded d;
    file.SkipByteOrderMark();
    try {
        char16_t c;
        for (int n; (n = file.ReadSymb(c)) > 0;) {
            d.text += c;
            d.sizes.push_back(n);
        }
    } catch (const CMyObjectThrow& e) {
        d.error = e.GetError();
        EXPECT_EQ(file.GetError(), d.error);
    }
    return d;
}

TEST(UnicodeFile, EncodingComesFromTheByteOrderMark) {
    struct Case {
        std::string bytes;
        int32_t nEncoding;
        std::u16string text;
    };
    const Case cases[] = {
        {"abc", ENCODING_NOBOM, u"abc"},
        {"\xEF\xBB\xBF"
         "a\xD1\x91",
         ENCODING_UTF8, u"aё"},
        {"\xEF\xBB\xBF", ENCODING_UTF8, u""},
        {"\xFF\xFE"
         "a\0"s,
         ENCODING_UCS2LE, u"a"},
        {"\xFE\xFF\0a\x04\x51"s, ENCODING_UCS2BE, u"aё"},
        {"\xFF\xFE", ENCODING_UCS2LE, u""},
        {"\xFE\xFF", ENCODING_UCS2BE, u""},
        // Not quite a mark: read as UTF-8 from the first byte.
        {"\xEF\xBB\xBE\n", ENCODING_NOBOM, u"\xFEFE\n"},
        {"\xC3\xBE\xFF", ENCODING_NOBOM, u""},  // then a decoding fault
    };
    CTempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        CUnicodeFile file;
        const bool bOpened = file.OpenUnicode(dir.Write("t.txt", c.bytes));
        if (!c.text.empty() || c.nEncoding != ENCODING_NOBOM) {
            ASSERT_TRUE(bOpened) << ToUtf8(file.GetError());
            EXPECT_EQ(file.GetEncoding(), c.nEncoding);
            EXPECT_EQ(file.GetFileLength(), static_cast<int32_t>(c.bytes.size()));
            EXPECT_EQ(ReadAll(file).text, c.text);
        } else {
            EXPECT_FALSE(bOpened);
            EXPECT_EQ(file.GetError(), kUtf8Error);
        }
    }
}

TEST(UnicodeFile, EmptyHugeAndMissingFilesFailWithTheirMessages) {
    CTempDir dir;
    CUnicodeFile file;
    EXPECT_FALSE(file.OpenUnicode(dir.Write("empty.txt", "")));
    EXPECT_EQ(file.GetError(), u"File is empty");
    EXPECT_EQ(file.GetFileLength(), -1);
    EXPECT_FALSE(file.IsOpen());

    // Sparse: costs no disk space and is refused before any byte is read.
    const std::u16string huge = dir.Write("huge.txt", "");
    std::filesystem::resize_file(dir.Path() / "huge.txt", int64_t{1} << 31);
    EXPECT_FALSE(file.OpenUnicode(huge));
    EXPECT_EQ(file.GetError(), LoadText(41346).value());

    EXPECT_FALSE(file.OpenUnicode(dir.PathOf("missing.txt")));
    EXPECT_EQ(file.GetError(), u"Failed to open document.\r\n" + dir.PathOf("missing.txt") +
                                   u": No such file or directory");
    EXPECT_EQ(file.GetEncoding(), ENCODING_NODEF);
}

TEST(UnicodeFile, FirstLineEndDecidesInEveryEncoding) {
    struct Case {
        std::u16string text;
        int32_t nLineEnd;
    };
    const Case cases[] = {
        {u"a\r\nb", LINE_END_CRLF}, {u"a\nb", LINE_END_LF},          {u"a\rb", LINE_END_CR},
        {u"ab", LINE_END_NONE},     {u"a\n\rb", LINE_END_CR},        {u"a\r\r\nb", LINE_END_CRLF},
        {u"a\r\n\rb", LINE_END_CR}, {u"a\nb\r\nc\rd", LINE_END_LF},  {u"\r\n", LINE_END_CRLF},
        {u"abc\r", LINE_END_CR},    {u"\n\n\n\r\nx", LINE_END_CRLF},
    };
    CTempDir dir;
    for (const Case& c : cases) {
        for (int nForm = 0; nForm < 4; ++nForm) {
            const std::string bytes =
                nForm < 2 ? Utf8Bytes(c.text, nForm == 1) : Ucs2Bytes(c.text, nForm == 3);
            SCOPED_TRACE(bytes);
            CUnicodeFile file;
            ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt", bytes)));
            EXPECT_EQ(file.GetLineEnd(), c.nLineEnd);
            EXPECT_EQ(ReadAll(file).text, c.text);
        }
    }
    EXPECT_EQ(LineEndString(LINE_END_NONE), u"\r\n");
    EXPECT_EQ(LineEndString(LINE_END_CRLF), u"\r\n");
    EXPECT_EQ(LineEndString(LINE_END_LF), u"\n");
    EXPECT_EQ(LineEndString(LINE_END_CR), u"\r");
}

TEST(UnicodeFile, LineEndDetectionCrossesReadChunks) {
    CTempDir dir;
    // "ж" is two bytes, "€" three and "😀" four: their sequences straddle
    // every chunk border; the whole text has no line end until the very last
    // unit.
    std::u16string text = u"a";
    for (int i = 0; i < 100000; ++i)
        text += (i % 3 == 0) ? u"€" : (i % 5 == 0) ? u"😀" : u"ж";
    text += u"\r\n";
    for (int nForm = 0; nForm < 3; ++nForm) {
        const std::string bytes = nForm == 0 ? Utf8Bytes(text, false) : Ucs2Bytes(text, nForm == 2);
        CUnicodeFile file;
        ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt", bytes)));
        EXPECT_EQ(file.GetLineEnd(), LINE_END_CRLF);
    }
    // A fault far behind a text without line ends still stops the open.
    CUnicodeFile file;
    EXPECT_FALSE(
        file.OpenUnicode(dir.Write("t.txt", Utf8Bytes(text.substr(0, 90000), false) + "\x80")));
    EXPECT_EQ(file.GetError(), kUtf8Error);
}

TEST(UnicodeFile, Utf8FaultsThrowWithTheirMessage) {
    const std::string faults[] = {
        "\xF0\x9F\x41\x80",  // a 4-byte lead followed by ASCII
        "\xF0\x80\x80\x80",  // an overlong 4-byte form holds no surrogate pair
        "\xF4\x90\x80\x80",  // nor does one beyond U+10FFFF
        "\x98\x80",          // the second half of a 4-byte sequence alone
        "\x80",              // stray continuation byte
        "\xC3\x41",          // a lead followed by ASCII
        "\xE3\x81\x41",      // ... in the middle of a 3-byte sequence
        "\xE3\xC3\xA4",      // ... or by another lead
        "\xFF",
        "\xF8\x80",
    };
    CTempDir dir;
    for (const std::string& bad : faults) {
        SCOPED_TRACE(bad);
        CUnicodeFile file;
        // The line end is settled before the fault, so the open succeeds.
        ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt", "x\ny" + bad + "z")));
        const Decoded d = ReadAll(file);
        EXPECT_EQ(d.text, u"x\ny");
        EXPECT_EQ(d.error, kUtf8Error);
    }
}

TEST(UnicodeFile, Utf8ArithmeticAndCutOffSequences) {
    struct Case {
        std::string bytes;
        std::u16string text;
        std::vector<int> sizes;
    };
    const Case cases[] = {
        {"\xD1\x91\xE2\x82\xAC", u"ё€", {2, 3}},
        {"\xC0\x80"s, std::u16string(1, u'\0'), {2}},  // overlong forms decode
        {"\xED\xA0\x80", u"\xD800", {3}},              // so do surrogates
        {"\xEF\xBF\xBF", u"\xFFFF", {3}},
        {"ab\xE3\x81", u"ab\xFFFD", {1, 1, 2}},  // cut off by the end of the file
        {"ab\xD1", u"ab\xFFFD", {1, 1, 1}},
        // Beyond U+FFFF: the surrogate pair, two bytes for each half.
        {"\xF0\xA9\xBA\x8A\xF0\x9F\x98\x80", u"\xD867\xDE8A\xD83D\xDE00", {2, 2, 2, 2}},
        {"ab\xF0\x9F\x98", u"ab\xFFFD", {1, 1, 3}},
    };
    CTempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        CUnicodeFile file;
        ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt", c.bytes)));
        const Decoded d = ReadAll(file);
        EXPECT_EQ(d.text, c.text);
        EXPECT_EQ(d.sizes, c.sizes);
        EXPECT_EQ(d.error, u"");
    }
}

TEST(UnicodeFile, OddLengthUcs2EndsAtItsLastWholeUnit) {
    CTempDir dir;
    for (bool bBigEndian : {false, true}) {
        CUnicodeFile file;
        ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt", Ucs2Bytes(u"a\nb", bBigEndian) + "x")));
        EXPECT_EQ(file.GetFileLength(), 9);
        EXPECT_EQ(file.GetTextEnd(), 8);
        EXPECT_EQ(ReadAll(file).text, u"a\nb");
    }
    CUnicodeFile file;
    ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt",
                                           "\xFF\xFE"
                                           "a")));
    EXPECT_EQ(file.GetTextEnd(), 2);
    EXPECT_EQ(ReadAll(file).text, u"");
}

TEST(UnicodeFile, UndeterminedEncodingIsAnInternalFault) {
    CUnicodeFile file;
    char16_t c;
    EXPECT_EQ(ThrownText([&] { file.ReadSymb(c); }),
              u"Error in CUnicodeFile::ReadSymb(...)\nm_nEncoding = ENCODING_NODEF");
}

TEST(UnicodeFile, ResetForgetsTheText) {
    CTempDir dir;
    CUnicodeFile file;
    ASSERT_TRUE(file.OpenUnicode(dir.Write("t.txt",
                                           "\xFF\xFE"
                                           "a\0\n\0"s)));
    EXPECT_EQ(file.GetLineEnd(), LINE_END_LF);
    file.Reset();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.GetFileLength(), -1);
    EXPECT_EQ(file.GetEncoding(), ENCODING_NODEF);
    EXPECT_EQ(file.GetLineEnd(), LINE_END_NONE);
    EXPECT_EQ(file.GetFilePath(), u"");
}

}  // namespace
