#include <gtest/gtest.h>

#include <string>

#include "core/CharTables.h"

namespace {

struct SymbRange {
    char16_t first;
    char16_t last;
};

void ExpectWord(std::initializer_list<SymbRange> ranges, bool bExpected) {
    for (const SymbRange& r : ranges) {
        for (char32_t c = r.first; c <= r.last; ++c) {
            EXPECT_EQ(IsWordSymb(static_cast<char16_t>(c)), bExpected)
                << "U+" << std::hex << std::uppercase << static_cast<unsigned>(c);
        }
    }
}

TEST(WordSymbTable, Totals) {
    int nWord = 0;
    for (unsigned c = 0; c < 65536; ++c) {
        ASSERT_LE(WordSymbTable[c], 1);
        nWord += WordSymbTable[c];
    }
    EXPECT_EQ(nWord, 48474);
}

TEST(WordSymbTable, Ascii) {
    for (char16_t c = 0; c < 0x80; ++c) {
        const bool bAlnum =
            (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        EXPECT_EQ(IsWordSymb(c), bAlnum) << static_cast<int>(c);
    }
}

TEST(WordSymbTable, WordCharacters) {
    ExpectWord({{u'ª', u'ª'},           {u'²', u'³'},           {u'µ', u'µ'},
                {u'¹', u'º'},           {u'À', u'Ö'},           {u'Ø', u'ö'},
                {u'ø', u'ÿ'},           {u'\u0345', u'\u0345'}, {u'\u0400', u'\u0481'},
                {u'\u048A', u'\u0523'}, {u'\u05D0', u'\u05EA'}, {u'\u0E01', u'\u0E3A'},
                {u'\u0E40', u'\u0E4E'}, {u'\u0E50', u'\u0E59'}, {u'\u3005', u'\u3007'},
                {u'\u3041', u'\u3096'}, {u'\u30A1', u'\u30FA'}, {u'\u30FC', u'\u30FC'},
                {u'\u4E00', u'\u9FA5'}, {u'\uAC00', u'\uD7A3'}, {u'\uF900', u'\uF900'},
                {u'\u24B6', u'\u24E9'}, {u'\u2160', u'\u2188'}, {u'\u2070', u'\u2070'},
                {u'\u2074', u'\u2079'}, {u'\uFF10', u'\uFF19'}, {u'\uFF21', u'\uFF3A'},
                {u'\uFF41', u'\uFF5A'}},
               true);
}

TEST(WordSymbTable, Separators) {
    ExpectWord({{u'¼', u'¾'},           {u'×', u'×'},
                {u'÷', u'÷'},           {u'\u00AD', u'\u00AD'},
                {u'\u0300', u'\u0301'}, {u'\u0482', u'\u0489'},
                {u'\u05BE', u'\u05BE'}, {u'\u0E3F', u'\u0E3F'},
                {u'\u0E4F', u'\u0E4F'}, {u'\u0E5A', u'\u0E5B'},
                {u'\u3000', u'\u3000'}, {u'\u30FB', u'\u30FB'},
                {u'\uD7A4', u'\uD7A4'}, {u'\u2013', u'\u2013'},
                {u'\u2019', u'\u2019'}, {u'\uFEFF', u'\uFEFF'},
                {u'\uFF0D', u'\uFF0D'}, {u'\uFF3E', u'\uFF3F'},
                {u'\uFFE0', u'\uFFE0'}, {char16_t{0xD800}, u'\uF8FF'}},
               false);
}

// Characters that came after Unicode 5.1 are not word characters.
TEST(WordSymbTable, NothingNewerThanUnicode51) {
    ExpectWord({{u'\u0524', u'\u0525'}, {u'\u0800', u'\u0815'}, {u'\uA4D0', u'\uA4F7'}}, false);
}

TEST(UpperSymbTable, Totals) {
    int nDiffering = 0;
    for (unsigned c = 0; c < 65536; ++c)
        nDiffering += UpperSymbTable[c] != c;
    EXPECT_EQ(nDiffering, 909);
}

TEST(UpperSymbTable, Mappings) {
    struct Row {
        char16_t first;
        char16_t last;
        char16_t upperFirst;
    };
    const Row rows[] = {
        {u'a', u'z', u'A'},      {u'à', u'à', u'À'},
        {u'ÿ', u'ÿ', u'\u0178'}, {u'σ', u'σ', u'Σ'},
        {u'ς', u'ς', u'Σ'},      {u'а', u'я', u'А'},
        {u'ё', u'ё', u'Ё'},      {u'ǆ', u'ǆ', u'Ǆ'},
        {u'ⓐ', u'ⓩ', u'Ⓐ'},      {u'ⅰ', u'ⅿ', u'Ⅰ'},
        {u'ａ', u'ｚ', u'Ａ'},   {u'\u1D79', u'\u1D79', u'\uA77D'},
        {u'A', u'Z', u'A'},      {u'0', u'9', u'0'},
        {u'Ё', u'Ё', u'Ё'},      {u'\u0515', u'\u0515', u'\u0514'},
    };
    for (const Row& r : rows) {
        for (char32_t c = r.first; c <= r.last; ++c) {
            EXPECT_EQ(ToUpperSymb(static_cast<char16_t>(c)),
                      static_cast<char16_t>(r.upperFirst + (c - r.first)))
                << "U+" << std::hex << static_cast<unsigned>(c);
        }
    }
}

TEST(UpperSymbTable, LettersThatMapToThemselves) {
    const char16_t selves[] = {
        u'µ',      u'ß',      u'ı',      u'ſ',      u'\u01C5', u'\u01C8', u'\u01CB',
        u'\u01F2', u'ѐ',      u'ѝ',      u'\u1F80', u'\u1FA7', u'\u1FB3', u'\u10D0',
        u'\u10FA', u'\u2D00', u'\u023F', u'\u0250', u'\u0251', u'\u0271', char16_t{0xD800},
        u'\uE000', u'\uFFFF'};
    for (char16_t c : selves) {
        EXPECT_EQ(ToUpperSymb(c), c) << "U+" << std::hex << static_cast<unsigned>(c);
    }
}

TEST(IsIdeogramSymb, RangesAreInclusive) {
    const struct {
        char16_t first, last;
    } ranges[] = {{0x0E01, 0x0E5B}, {0x3000, 0x303F}, {0x3200, 0x32FE}, {0x3300, 0x33FE},
                  {0x4E00, 0x9FA5}, {0xF900, 0xFA2D}, {0xFE30, 0xFE4F}};
    for (const auto& r : ranges) {
        EXPECT_TRUE(IsIdeogramSymb(r.first));
        EXPECT_TRUE(IsIdeogramSymb(r.last));
        EXPECT_FALSE(IsIdeogramSymb(static_cast<char16_t>(r.first - 1)));
        EXPECT_FALSE(IsIdeogramSymb(static_cast<char16_t>(r.last + 1)));
    }
    EXPECT_FALSE(IsIdeogramSymb(u'A'));
    EXPECT_FALSE(IsIdeogramSymb(u'\uFFFF'));
    EXPECT_FALSE(IsIdeogramSymb(0));
}

TEST(IsIdeogramSymb, IdeographicSpaceOnlyEndsAWord) {
    EXPECT_TRUE(IsIdeogramSymb(u'\u3000'));
    EXPECT_FALSE(IsWordSymb(u'\u3000'));
}

TEST(TextCase, ContractionSplits) {
    EXPECT_FALSE(IsWordSymb(u'_'));
    EXPECT_FALSE(IsWordSymb(u'\''));
    EXPECT_FALSE(IsWordSymb(u'\u2019'));
    EXPECT_TRUE(IsWordSymb(u'ª'));
    EXPECT_TRUE(IsWordSymb(u'²'));
}

TEST(TextCase, ToUpperString) {
    std::u16string text = u"Straße ёлка ǆ ﬀ µ";
    ToUpperString(text);
    EXPECT_EQ(text, u"STRAßE ЁЛКА Ǆ ﬀ µ");
    std::u16string empty;
    ToUpperString(empty);
    EXPECT_TRUE(empty.empty());
}

TEST(TextCase, IsEqualNoCase) {
    EXPECT_TRUE(IsEqualNoCase(u"ёлка", u"ЁЛКА"));
    EXPECT_FALSE(IsEqualNoCase(u"ѐ", u"Ѐ"));
    EXPECT_FALSE(IsEqualNoCase(u"straße", u"STRASSE"));
    EXPECT_TRUE(IsEqualNoCase(u"", u""));
    EXPECT_FALSE(IsEqualNoCase(u"", u"a"));
    EXPECT_FALSE(IsEqualNoCase(u"ab", u"a"));
    EXPECT_TRUE(IsEqualNoCase(u"ΣΊΣΥΦΟΣ", u"σίσυφος"));
    EXPECT_FALSE(IsEqualNoCase(u"abc", u"abd"));
}

}  // namespace
