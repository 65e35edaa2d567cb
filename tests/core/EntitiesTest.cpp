#include "core/Entities.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/PageEntities.h"
#include "core/Utf8.h"

namespace {

struct DecodeRow {
    std::u16string_view name;  // the text between "&" and ";"
    char16_t expected;
    std::u16string message;
};

const std::u16string kBadEscape = u"Error in escape sequence '";
const std::u16string kBadValue = u"Value '";
const std::u16string kBadValueTail = u"' in escape sequence does not represent a symbol code";

std::u16string BadEscape(std::u16string_view ref) {
    return kBadEscape + std::u16string(ref) + u"'";
}
std::u16string BadValue(std::u16string_view ref) {
    return kBadValue + std::u16string(ref) + kBadValueTail;
}

TEST(DecodeEntity, NamedNumericAndUnknown) {
    const DecodeRow rows[] = {
        // named, case-sensitive
        {u"eacute", 0x00E9, u""},
        {u"Eacute", 0x00C9, u""},
        {u"EACUTE", u' ', u""},
        {u"sigmaf", 0x03C2, u""},
        {u"times", 0x00D7, u""},
        {u"fnof", 0x0192, u""},
        // no entries for these: all letters, so a blank
        {u"amp", u' ', u""},
        {u"lt", u' ', u""},
        {u"nbsp", u' ', u""},
        {u"T", u' ', u""},
        {u"Agraveandmore", u' ', u""},
        // not a reference: the "&" stays
        {u"", 0, u""},
        {u" b", 0, u""},
        {u"eacute1", 0, u""},
        {u"a-b", 0, u""},
        {u"\u00e9", 0, u""},
        // decimal and hexadecimal
        {u"#233", 0x00E9, u""},
        {u"#xE9", 0x00E9, u""},
        {u"#XE9", 0x00E9, u""},
        {u"#x00e9", 0x00E9, u""},
        {u"#1", 0x0001, u""},
        {u"#65535", 0xFFFF, u""},
        {u"#xFFFF", 0xFFFF, u""},
        {u"#60", u'<', u""},
        {u"#0", 0, u""},
        {u"#x0", 0, u""},
        // out of range (41324), hexadecimal quoted with a lower-case x
        {u"#65536", 0, BadValue(u"&#65536;")},
        {u"#x10000", 0, BadValue(u"&#x10000;")},
        {u"#X10000", 0, BadValue(u"&#x10000;")},
        {u"#-1", 0, BadValue(u"&#-1;")},
        {u"#x7FFFFFFF", 0, BadValue(u"&#x7FFFFFFF;")},
        // malformed (41323)
        {u"#", 0, BadEscape(u"&#;")},
        {u"#x", 0, BadEscape(u"&#x;")},
        {u"#X", 0, BadEscape(u"&#x;")},
        {u"#12a", 0, BadEscape(u"&#12a;")},
        {u"#xZZ", 0, BadEscape(u"&#xZZ;")},
        {u"#1.0", 0, BadEscape(u"&#1.0;")},
        {u"#1e2", 0, BadEscape(u"&#1e2;")},
        {u"#2147483648", 0, BadEscape(u"&#2147483648;")},
        {u"#x80000000", 0, BadEscape(u"&#x80000000;")},
        {u"#x&", 0, BadEscape(u"&#x&;")},
    };
    for (const DecodeRow& r : rows) {
        std::u16string message = u"stale";
        EXPECT_EQ(DecodeEntity(r.name, message), r.expected)
            << "name of " << r.name.size() << " units, first "
            << int(r.name.empty() ? 0 : r.name[0]);
        EXPECT_EQ(message, r.message);
    }
}

// A long number must never wrap around into a small, valid code.
TEST(DecodeEntity, LongNumbersNeverWrapIntoACode) {
    for (std::u16string_view name : {u"#x100000041", u"#x10000000000000041", u"#4294967361",
                                     u"#18446744073709551681", u"#-4294967231"}) {
        std::u16string message;
        EXPECT_EQ(DecodeEntity(name, message), 0);
        EXPECT_FALSE(message.empty());
    }
}

// The 114 names in their table order, against the code units they stand for.
TEST(DecodeEntity, TheWholeNamedTable) {
    const std::vector<std::u16string_view> latin1 = {
        u"Agrave", u"Aacute", u"Acirc",  u"Atilde", u"Auml",   u"Aring",  u"AElig", u"Ccedil",
        u"Egrave", u"Eacute", u"Ecirc",  u"Euml",   u"Igrave", u"Iacute", u"Icirc", u"Iuml",
        u"ETH",    u"Ntilde", u"Ograve", u"Oacute", u"Ocirc",  u"Otilde", u"Ouml",  u"times",
        u"Oslash", u"Ugrave", u"Uacute", u"Ucirc",  u"Uuml",   u"Yacute", u"THORN", u"szlig",
        u"agrave", u"aacute", u"acirc",  u"atilde", u"auml",   u"aring",  u"aelig", u"ccedil",
        u"egrave", u"eacute", u"ecirc",  u"euml",   u"igrave", u"iacute", u"icirc", u"iuml",
        u"eth",    u"ntilde", u"ograve", u"oacute", u"ocirc",  u"otilde", u"ouml",  u"divide",
        u"oslash", u"ugrave", u"uacute", u"ucirc",  u"uuml",   u"yacute", u"thorn", u"yuml"};
    const std::vector<std::u16string_view> greekUpper = {
        u"Alpha", u"Beta",  u"Gamma",  u"Delta",   u"Epsilon", u"Zeta", u"Eta",     u"Theta",
        u"Iota",  u"Kappa", u"Lambda", u"Mu",      u"Nu",      u"Xi",   u"Omicron", u"Pi",
        u"Rho",   u"Sigma", u"Tau",    u"Upsilon", u"Phi",     u"Chi",  u"Psi",     u"Omega"};
    const std::vector<std::u16string_view> greekLower = {
        u"alpha",   u"beta", u"gamma", u"delta",  u"epsilon", u"zeta", u"eta",
        u"theta",   u"iota", u"kappa", u"lambda", u"mu",      u"nu",   u"xi",
        u"omicron", u"pi",   u"rho",   u"sigmaf", u"sigma",   u"tau",  u"upsilon",
        u"phi",     u"chi",  u"psi",   u"omega"};
    ASSERT_EQ(latin1.size() + 1 + greekUpper.size() + greekLower.size(), 114u);

    for (size_t i = 0; i < latin1.size(); ++i)
        EXPECT_EQ(FindNamedEntity(latin1[i]), 0x00C0 + i) << i;
    EXPECT_EQ(FindNamedEntity(u"fnof"), 0x0192);
    for (size_t i = 0; i < greekUpper.size(); ++i) {
        const char16_t expected =
            static_cast<char16_t>(0x0391 + i + (i >= 17 ? 1 : 0));  // no U+03A2
        EXPECT_EQ(FindNamedEntity(greekUpper[i]), expected) << i;
    }
    for (size_t i = 0; i < greekLower.size(); ++i)
        EXPECT_EQ(FindNamedEntity(greekLower[i]), 0x03B1 + i) << i;

    EXPECT_EQ(FindNamedEntity(u"agrave "), 0);
    EXPECT_EQ(FindNamedEntity(u""), 0);
    EXPECT_EQ(FindNamedEntity(u"quot"), 0);
}

struct ScanRow {
    std::u16string_view text;
    size_t nPos;
    EntityRef::Kind kind;
    char16_t nSymbol;
    size_t nSemicolon;
};

TEST(EntityScanner, TheCallersRule) {
    using K = EntityRef::Kind;
    const ScanRow rows[] = {
        {u"AT&T; x", 2, K::Symbol, u' ', 4},
        {u"a & b; c", 2, K::Literal, 0, 0},
        {u"&#1234", 0, K::Literal, 0, 0},
        {u"&#1234 x", 0, K::Literal, 0, 0},
        {u"&#0;", 0, K::Literal, 0, 0},
        {u"&;", 0, K::Literal, 0, 0},
        {u"caf&eacute;", 3, K::Symbol, 0x00E9, 10},
        {u"&#60;b&#62;", 0, K::Symbol, u'<', 4},
        {u"&#60;b&#62;", 6, K::Symbol, u'>', 10},
        {u"x&#65536;", 1, K::Error, 0, 8},
        {u"&#12a;", 0, K::Error, 0, 5},
        {u"&", 0, K::Literal, 0, 0},
        {u"a;", 0, K::Literal, 0, 0},   // not at an "&"
        {u"&a;", 3, K::Literal, 0, 0},  // past the end
        {u"&a;", 99, K::Literal, 0, 0},
    };
    for (const ScanRow& r : rows) {
        CEntityScanner scanner(r.text);
        const EntityRef ref = scanner.At(r.nPos);
        SCOPED_TRACE(testing::Message() << "text of " << r.text.size() << " at " << r.nPos);
        EXPECT_EQ(ref.kind, r.kind);
        if (r.kind == K::Symbol) {
            EXPECT_EQ(ref.nSymbol, r.nSymbol);
        }
        if (r.kind != K::Literal) {
            EXPECT_EQ(ref.nSemicolon, r.nSemicolon);
        }
        EXPECT_EQ(ref.strMessage.empty(), r.kind != K::Error);
    }
}

TEST(EntityScanner, MessageOfAMalformedReference) {
    CEntityScanner scanner(u"word &#x10000; more");
    EXPECT_EQ(scanner.At(5).strMessage,
              u"Value '&#x10000;' in escape sequence does not represent a symbol code");
}

// The scanner remembers the next ";"; asking out of order must still be right.
TEST(EntityScanner, AnyOrderOfPositions) {
    const std::u16string_view text = u"&a&b;&c;&d";
    CEntityScanner scanner(text);
    EXPECT_EQ(scanner.At(5).nSemicolon, 7u);
    EXPECT_EQ(scanner.At(0).kind, EntityRef::Kind::Literal);  // "a&b" is no name
    EXPECT_EQ(scanner.At(2).nSemicolon, 4u);
    EXPECT_EQ(scanner.At(9).kind, EntityRef::Kind::Literal);  // no ";" after it
    EXPECT_EQ(scanner.At(5).nSemicolon, 7u);
    EXPECT_EQ(scanner.At(2).nSymbol, u' ');
}

// Every "&" of a long text without a ";" stays an ordinary character; with
// one ";" at the end only the last "&" (or the first malformed number) counts.
TEST(EntityScanner, LongTextsOfAmpersands) {
    using K = EntityRef::Kind;
    struct Row {
        std::u16string_view unit;
        K lastWithEnd;  // what the last "&" gives when a ";" closes the text
    };
    for (const Row& r : {Row{u"&", K::Literal}, Row{u"&a", K::Symbol}, Row{u"& ", K::Literal}}) {
        std::u16string text;
        while (text.size() < 200000)
            text += r.unit;
        CEntityScanner open(text);
        size_t nLiterals = 0;
        for (size_t i = 0; i < text.size(); ++i)
            nLiterals += text[i] == u'&' && open.At(i).kind == K::Literal;
        EXPECT_EQ(nLiterals, text.size() / r.unit.size());

        const std::u16string closed = text + u";";
        CEntityScanner scanner(closed);
        for (size_t i = 0; i + r.unit.size() < text.size(); i += r.unit.size())
            ASSERT_EQ(scanner.At(i).kind, K::Literal) << i;
        EXPECT_EQ(scanner.At(text.size() - r.unit.size()).kind, r.lastWithEnd);
    }
    for (std::u16string_view unit : {u"&#", u"&#1", u"&#x"}) {
        std::u16string text;
        while (text.size() < 200000)
            text += unit;
        text += u";";
        const EntityRef ref = CEntityScanner(text).At(0);
        EXPECT_EQ(ref.kind, K::Error);
        EXPECT_EQ(ref.nSemicolon, text.size() - 1);
    }
}

}  // namespace

namespace {

TEST(DecodePageReference, EveryHtmlNameAndAnyUnicodeNumber) {
    const struct {
        std::u16string_view name;
        std::optional<std::u16string> shown;
    } rows[] = {
        {u"amp", u"&"},
        {u"lt", u"<"},
        {u"nbsp", u"\u00A0"},
        {u"apos", u"'"},
        {u"eacute", u"\u00E9"},
        {u"diams", u"\u2666"},
        {u"euro", u"\u20AC"},
        {u"#233", u"\u00E9"},
        {u"#x1F600", u"\U0001F600"},
        {u"AMP", std::nullopt},
        {u"foo", std::nullopt},
        {u"#0", std::nullopt},
        {u"#xD800", std::nullopt},
        {u"#x110000", std::nullopt},
        {u"#12a", std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DecodePageReference(row.name), row.shown) << ToUtf8(std::u16string(row.name));
}

}  // namespace
