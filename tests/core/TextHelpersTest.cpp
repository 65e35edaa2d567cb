#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Stopwatch.h"
#include "core/TextHelpers.h"
#include "core/Utf8.h"

namespace {

TEST(FitsInBytes, Bounds) {
    struct Row {
        double value;
        int nBytes;
        bool bSigned;
        bool bFits;
    };
    const Row rows[] = {
        {0, 1, false, true},
        {255, 1, false, true},
        {256, 1, false, false},
        {-1, 1, false, false},
        {-128, 1, true, true},
        {127, 1, true, true},
        {128, 1, true, false},
        {-129, 1, true, false},
        {65535, 2, false, true},
        {65536, 2, false, false},
        {4294967295.0, 4, false, true},
        {4294967296.0, 4, false, false},
        {-2147483648.0, 4, true, true},
        {2147483648.0, 4, true, false},
        {0, 0, false, false},
        {0, 9, false, false},
        {std::nan(""), 4, true, false},
        {INFINITY, 8, false, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FitsInBytes(r.value, r.nBytes, r.bSigned), r.bFits)
            << r.value << " in " << r.nBytes << (r.bSigned ? " signed" : " unsigned");
    }
}

TEST(IsDecimalNumber, Syntax) {
    struct Row {
        const char16_t* text;
        int nBytes;
        bool bSigned;
        bool bValid;
    };
    const Row rows[] = {
        {u"42", 1, false, true},
        {u"  42\t\r\n", 1, false, true},
        {u"-5", 4, false, false},
        {u"-5", 4, true, true},
        {u"+5", 4, false, true},
        {u"2.0", 4, true, false},
        {u"1e3", 4, true, false},
        {u"", 4, true, false},
        {u"   ", 4, true, false},
        {u"-", 4, true, false},
        {u"- 5", 4, true, false},
        {u"4 2", 4, true, false},
        {u"0x10", 4, true, false},
        {u"inf", 4, true, false},
        {u"nan", 4, true, false},
        {u"12a", 4, true, false},
        {u"255", 1, false, true},
        {u"256", 1, false, false},
        {u"127", 1, true, true},
        {u"128", 1, true, false},
        {u"-128", 1, true, true},
        {u"-129", 1, true, false},
        {u"-0", 1, true, true},
        {u"-0", 1, false, false},
        {u"000000000000000000000042", 1, false, true},
        {u"4294967295", 4, false, true},
        {u"4294967296", 4, false, false},
        // Exact at the 64-bit limits, where a double would round.
        {u"18446744073709551615", 8, false, true},
        {u"18446744073709551616", 8, false, false},
        {u"9223372036854775807", 8, true, true},
        {u"9223372036854775808", 8, true, false},
        {u"-9223372036854775808", 8, true, true},
        {u"-9223372036854775809", 8, true, false},
        {u"99999999999999999999999999", 8, false, false},
        {u"\uFF14\uFF12", 4, false, false},  // full-width digits are not numbers here
    };
    for (const Row& r : rows) {
        EXPECT_EQ(IsDecimalNumber(r.text, r.nBytes, r.bSigned), r.bValid)
            << ToUtf8(r.text) << " in " << r.nBytes << (r.bSigned ? " signed" : " unsigned");
    }
}

TEST(IsHexNumber, Syntax) {
    struct Row {
        const char16_t* text;
        int nBytes;
        bool bValid;
    };
    const Row rows[] = {
        {u"7fffffff", 4, true},  {u"7FFFFFFF", 4, true},   {u"80000000", 4, false},
        {u"FFFFFFFF", 4, false}, {u"100000000", 4, false}, {u"1000000000000000", 4, false},
        {u"", 4, false},         {u"  ", 4, false},        {u"12G4", 4, false},
        {u" 0d ", 1, true},      {u"FF", 1, true},         {u"100", 1, false},
        {u"FFFF", 2, true},      {u"10000", 2, false},     {u"10000", 1, false},
        {u"0x1F", 4, false},     {u"-1", 4, false},        {u"000000000FF", 1, true},
        {u"１２", 4, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(IsHexNumber(r.text, r.nBytes), r.bValid) << ToUtf8(r.text) << " in " << r.nBytes;
    }
}

TEST(HexCodes, RoundTrip) {
    std::u16string out;
    EXPECT_TRUE(SymbolsToHexCodes(u"\r\n", out));
    EXPECT_EQ(out, u"000D000A");
    EXPECT_TRUE(SymbolsToHexCodes(u"", out));
    EXPECT_EQ(out, u"");
    EXPECT_TRUE(SymbolsToHexCodes(std::u16string(u"\uFFFF\0ё", 3), out));
    EXPECT_EQ(out, u"FFFF00000451");

    EXPECT_TRUE(HexCodesToSymbols(u"000D000A", out));
    EXPECT_EQ(out, u"\r\n");
    EXPECT_TRUE(HexCodesToSymbols(u" ffff0451 ", out));
    EXPECT_EQ(out, u"\uFFFFё");
    out = u"stale";
    EXPECT_TRUE(HexCodesToSymbols(u"", out));
    EXPECT_EQ(out, u"");
}

TEST(HexCodes, RejectsMalformedText) {
    for (const char16_t* text : {u"00D", u"000D00A", u"00G0", u"000D-001", u"0x0D"}) {
        std::u16string out = u"stale";
        EXPECT_FALSE(HexCodesToSymbols(text, out)) << ToUtf8(text);
        EXPECT_EQ(out, u"") << ToUtf8(text);
    }
}

TEST(Utf8, RoundTripsEveryPlane) {
    const std::u16string text = u"Aé€ёア\U0001F600\uFFFF";
    const std::string utf8 = ToUtf8(text);
    EXPECT_EQ(utf8, "A\xC3\xA9\xE2\x82\xAC\xD1\x91\xE3\x82\xA2\xF0\x9F\x98\x80\xEF\xBF\xBF");
    EXPECT_EQ(FromUtf8(utf8), text);
    EXPECT_EQ(ToUtf8(u""), "");
    EXPECT_EQ(FromUtf8(""), u"");
}

TEST(Utf8, UnpairedSurrogatesBecomeReplacement) {
    EXPECT_EQ(ToUtf8(std::u16string{u'a', 0xD800}), "a\xEF\xBF\xBD");
    EXPECT_EQ(ToUtf8(std::u16string{0xDC00, u'a'}),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(ToUtf8(std::u16string{0xD800, 0xD800, 0xDC00}), "\xEF\xBF\xBD\xF0\x90\x80\x80");
}

TEST(Utf8, MalformedSequencesBecomeReplacement) {
    struct Row {
        std::string bytes;
        std::u16string text;
    };
    const Row rows[] = {
        {"\x80", u"\uFFFD"},        // lone continuation
        {"\xC3", u"\uFFFD"},        // cut off at the end
        {"a\xE2\x82", u"a\uFFFD"},  // cut off after two of three
        {"\xE2\x82"
         "b",
         u"\uFFFD"
         "b"},                                              // interrupted
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong slash
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},            // overlong, three bytes
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
        {"\xFF\xFE", u"\uFFFD\uFFFD"},
        {"\xF0\x9F\x98", u"\uFFFD"},
        {std::string("\0x", 2), std::u16string(u"\0x", 2)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FromUtf8(r.bytes), r.text) << r.bytes;
}

TEST(Stopwatch, MeasuresForward) {
    StartTimer();
    const double first = GetElapsedSeconds();
    const double second = GetElapsedSeconds();
    EXPECT_GE(first, 0.0);
    EXPECT_GE(second, first);
}

}  // namespace
