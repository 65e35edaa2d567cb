#include "PageEntities.h"

#include <array>
#include <cstdint>
#include <unordered_map>

#include "Entities.h"
#include "Utf8.h"

namespace {

struct PageEntity {
    std::u16string_view name;
    char16_t code;
};

// The HTML 4.01 names the index table (Entities.cpp) leaves out, and "apos".
constexpr std::array<PageEntity, 139> kPageOnlyEntities = {{
    // Latin-1 symbols
    {u"nbsp", 0x00A0},
    {u"iexcl", 0x00A1},
    {u"cent", 0x00A2},
    {u"pound", 0x00A3},
    {u"curren", 0x00A4},
    {u"yen", 0x00A5},
    {u"brvbar", 0x00A6},
    {u"sect", 0x00A7},
    {u"uml", 0x00A8},
    {u"copy", 0x00A9},
    {u"ordf", 0x00AA},
    {u"laquo", 0x00AB},
    {u"not", 0x00AC},
    {u"shy", 0x00AD},
    {u"reg", 0x00AE},
    {u"macr", 0x00AF},
    {u"deg", 0x00B0},
    {u"plusmn", 0x00B1},
    {u"sup2", 0x00B2},
    {u"sup3", 0x00B3},
    {u"acute", 0x00B4},
    {u"micro", 0x00B5},
    {u"para", 0x00B6},
    {u"middot", 0x00B7},
    {u"cedil", 0x00B8},
    {u"sup1", 0x00B9},
    {u"ordm", 0x00BA},
    {u"raquo", 0x00BB},
    {u"frac14", 0x00BC},
    {u"frac12", 0x00BD},
    {u"frac34", 0x00BE},
    {u"iquest", 0x00BF},
    // Markup-significant and internationalisation characters
    {u"quot", 0x0022},
    {u"amp", 0x0026},
    {u"lt", 0x003C},
    {u"gt", 0x003E},
    {u"apos", 0x0027},
    {u"OElig", 0x0152},
    {u"oelig", 0x0153},
    {u"Scaron", 0x0160},
    {u"scaron", 0x0161},
    {u"Yuml", 0x0178},
    {u"circ", 0x02C6},
    {u"tilde", 0x02DC},
    {u"ensp", 0x2002},
    {u"emsp", 0x2003},
    {u"thinsp", 0x2009},
    {u"zwnj", 0x200C},
    {u"zwj", 0x200D},
    {u"lrm", 0x200E},
    {u"rlm", 0x200F},
    {u"ndash", 0x2013},
    {u"mdash", 0x2014},
    {u"lsquo", 0x2018},
    {u"rsquo", 0x2019},
    {u"sbquo", 0x201A},
    {u"ldquo", 0x201C},
    {u"rdquo", 0x201D},
    {u"bdquo", 0x201E},
    {u"dagger", 0x2020},
    {u"Dagger", 0x2021},
    {u"permil", 0x2030},
    {u"lsaquo", 0x2039},
    {u"rsaquo", 0x203A},
    {u"euro", 0x20AC},
    // Greek symbols, punctuation, letter-like symbols and arrows
    {u"thetasym", 0x03D1},
    {u"upsih", 0x03D2},
    {u"piv", 0x03D6},
    {u"bull", 0x2022},
    {u"hellip", 0x2026},
    {u"prime", 0x2032},
    {u"Prime", 0x2033},
    {u"oline", 0x203E},
    {u"frasl", 0x2044},
    {u"weierp", 0x2118},
    {u"image", 0x2111},
    {u"real", 0x211C},
    {u"trade", 0x2122},
    {u"alefsym", 0x2135},
    {u"larr", 0x2190},
    {u"uarr", 0x2191},
    {u"rarr", 0x2192},
    {u"darr", 0x2193},
    {u"harr", 0x2194},
    {u"crarr", 0x21B5},
    {u"lArr", 0x21D0},
    {u"uArr", 0x21D1},
    {u"rArr", 0x21D2},
    {u"dArr", 0x21D3},
    {u"hArr", 0x21D4},
    // Mathematical operators and miscellaneous symbols
    {u"forall", 0x2200},
    {u"part", 0x2202},
    {u"exist", 0x2203},
    {u"empty", 0x2205},
    {u"nabla", 0x2207},
    {u"isin", 0x2208},
    {u"notin", 0x2209},
    {u"ni", 0x220B},
    {u"prod", 0x220F},
    {u"sum", 0x2211},
    {u"minus", 0x2212},
    {u"lowast", 0x2217},
    {u"radic", 0x221A},
    {u"prop", 0x221D},
    {u"infin", 0x221E},
    {u"ang", 0x2220},
    {u"and", 0x2227},
    {u"or", 0x2228},
    {u"cap", 0x2229},
    {u"cup", 0x222A},
    {u"int", 0x222B},
    {u"there4", 0x2234},
    {u"sim", 0x223C},
    {u"cong", 0x2245},
    {u"asymp", 0x2248},
    {u"ne", 0x2260},
    {u"equiv", 0x2261},
    {u"le", 0x2264},
    {u"ge", 0x2265},
    {u"sub", 0x2282},
    {u"sup", 0x2283},
    {u"nsub", 0x2284},
    {u"sube", 0x2286},
    {u"supe", 0x2287},
    {u"oplus", 0x2295},
    {u"otimes", 0x2297},
    {u"perp", 0x22A5},
    {u"sdot", 0x22C5},
    {u"lceil", 0x2308},
    {u"rceil", 0x2309},
    {u"lfloor", 0x230A},
    {u"rfloor", 0x230B},
    {u"lang", 0x2329},
    {u"rang", 0x232A},
    {u"loz", 0x25CA},
    {u"spades", 0x2660},
    {u"clubs", 0x2663},
    {u"hearts", 0x2665},
    {u"diams", 0x2666},
}};

constexpr uint32_t kMaxCodePoint = 0x10FFFF;
// Longer than any name or sensibly written number: such a text is no
// reference, and looking at it would make a text of many "&" quadratic.
constexpr size_t kMaxReference = 16;

char16_t FindPageOnlyEntity(std::u16string_view name) {
    static const std::unordered_map<std::u16string_view, char16_t> s_map = [] {
        std::unordered_map<std::u16string_view, char16_t> map;
        for (const PageEntity& e : kPageOnlyEntities)
            map.emplace(e.name, e.code);
        return map;
    }();
    const auto it = s_map.find(name);
    return it == s_map.end() ? char16_t{0} : it->second;
}

int DigitValue(char16_t c, bool bHex) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (bHex && c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (bHex && c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// "#" decimal or "#x" hexadecimal, as UTF-16.
std::optional<std::u16string> DecodePageNumber(std::u16string_view digits) {
    const bool bHex = !digits.empty() && (digits.front() == u'x' || digits.front() == u'X');
    if (bHex) digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    uint32_t nValue = 0;
    for (char16_t c : digits) {
        const int nDigit = DigitValue(c, bHex);
        if (nDigit < 0) return std::nullopt;
        nValue = nValue * (bHex ? 16 : 10) + static_cast<uint32_t>(nDigit);
        if (nValue > kMaxCodePoint) return std::nullopt;
    }
    if (nValue == 0 || (nValue >= 0xD800 && nValue <= 0xDFFF)) return std::nullopt;
    std::u16string text;
    AppendUtf16(text, nValue);
    return text;
}

}  // namespace

std::optional<std::u16string> DecodePageReference(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxReference) return std::nullopt;
    if (name.front() == u'#') return DecodePageNumber(name.substr(1));
    if (const char16_t c = FindNamedEntity(name)) return std::u16string(1, c);
    if (const char16_t c = FindPageOnlyEntity(name)) return std::u16string(1, c);
    return std::nullopt;
}
