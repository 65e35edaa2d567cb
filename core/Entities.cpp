#include "Entities.h"

#include "NumberText.h"
#include "StringTable.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace {

struct NamedEntity {
    std::u16string_view name;
    char16_t code;
};

// HTML 4.01 values. No amp, lt, gt, quot or nbsp: those are written as numbers.
constexpr std::array<NamedEntity, 114> kNamedEntities = {{
    {u"Agrave", 0x00C0},  {u"Aacute", 0x00C1},  {u"Acirc", 0x00C2},  {u"Atilde", 0x00C3},
    {u"Auml", 0x00C4},    {u"Aring", 0x00C5},   {u"AElig", 0x00C6},  {u"Ccedil", 0x00C7},
    {u"Egrave", 0x00C8},  {u"Eacute", 0x00C9},  {u"Ecirc", 0x00CA},  {u"Euml", 0x00CB},
    {u"Igrave", 0x00CC},  {u"Iacute", 0x00CD},  {u"Icirc", 0x00CE},  {u"Iuml", 0x00CF},
    {u"ETH", 0x00D0},     {u"Ntilde", 0x00D1},  {u"Ograve", 0x00D2}, {u"Oacute", 0x00D3},
    {u"Ocirc", 0x00D4},   {u"Otilde", 0x00D5},  {u"Ouml", 0x00D6},   {u"times", 0x00D7},
    {u"Oslash", 0x00D8},  {u"Ugrave", 0x00D9},  {u"Uacute", 0x00DA}, {u"Ucirc", 0x00DB},
    {u"Uuml", 0x00DC},    {u"Yacute", 0x00DD},  {u"THORN", 0x00DE},  {u"szlig", 0x00DF},
    {u"agrave", 0x00E0},  {u"aacute", 0x00E1},  {u"acirc", 0x00E2},  {u"atilde", 0x00E3},
    {u"auml", 0x00E4},    {u"aring", 0x00E5},   {u"aelig", 0x00E6},  {u"ccedil", 0x00E7},
    {u"egrave", 0x00E8},  {u"eacute", 0x00E9},  {u"ecirc", 0x00EA},  {u"euml", 0x00EB},
    {u"igrave", 0x00EC},  {u"iacute", 0x00ED},  {u"icirc", 0x00EE},  {u"iuml", 0x00EF},
    {u"eth", 0x00F0},     {u"ntilde", 0x00F1},  {u"ograve", 0x00F2}, {u"oacute", 0x00F3},
    {u"ocirc", 0x00F4},   {u"otilde", 0x00F5},  {u"ouml", 0x00F6},   {u"divide", 0x00F7},
    {u"oslash", 0x00F8},  {u"ugrave", 0x00F9},  {u"uacute", 0x00FA}, {u"ucirc", 0x00FB},
    {u"uuml", 0x00FC},    {u"yacute", 0x00FD},  {u"thorn", 0x00FE},  {u"yuml", 0x00FF},
    {u"fnof", 0x0192},    {u"Alpha", 0x0391},   {u"Beta", 0x0392},   {u"Gamma", 0x0393},
    {u"Delta", 0x0394},   {u"Epsilon", 0x0395}, {u"Zeta", 0x0396},   {u"Eta", 0x0397},
    {u"Theta", 0x0398},   {u"Iota", 0x0399},    {u"Kappa", 0x039A},  {u"Lambda", 0x039B},
    {u"Mu", 0x039C},      {u"Nu", 0x039D},      {u"Xi", 0x039E},     {u"Omicron", 0x039F},
    {u"Pi", 0x03A0},      {u"Rho", 0x03A1},     {u"Sigma", 0x03A3},  {u"Tau", 0x03A4},
    {u"Upsilon", 0x03A5}, {u"Phi", 0x03A6},     {u"Chi", 0x03A7},    {u"Psi", 0x03A8},
    {u"Omega", 0x03A9},   {u"alpha", 0x03B1},   {u"beta", 0x03B2},   {u"gamma", 0x03B3},
    {u"delta", 0x03B4},   {u"epsilon", 0x03B5}, {u"zeta", 0x03B6},   {u"eta", 0x03B7},
    {u"theta", 0x03B8},   {u"iota", 0x03B9},    {u"kappa", 0x03BA},  {u"lambda", 0x03BB},
    {u"mu", 0x03BC},      {u"nu", 0x03BD},      {u"xi", 0x03BE},     {u"omicron", 0x03BF},
    {u"pi", 0x03C0},      {u"rho", 0x03C1},     {u"sigmaf", 0x03C2}, {u"sigma", 0x03C3},
    {u"tau", 0x03C4},     {u"upsilon", 0x03C5}, {u"phi", 0x03C6},    {u"chi", 0x03C7},
    {u"psi", 0x03C8},     {u"omega", 0x03C9},
}};

constexpr size_t kMaxEntityName = 9;

// Filled on first use; the initialisation of a local static is thread-safe,
// so no thread can see the map half-built.
const std::unordered_map<std::u16string_view, char16_t>& EntityMap() {
    static const std::unordered_map<std::u16string_view, char16_t> s_map = [] {
        std::unordered_map<std::u16string_view, char16_t> map;
        map.reserve(kNamedEntities.size());
        for (const NamedEntity& e : kNamedEntities)
            map.emplace(e.name, e.code);
        return map;
    }();
    return s_map;
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsAsciiLetters(std::u16string_view text) {
    for (char16_t c : text) {
        if (!IsAsciiLetter(c)) return false;
    }
    return true;
}

// The digits of "&#..." or "&#x...": checked as the settings helpers check a
// number, then read without wrapping, so that no long number can come back
// as a small valid code.
char16_t DecodeNumber(std::u16string_view rest, std::u16string& message) {
    const bool bHex = !rest.empty() && (rest.front() == u'x' || rest.front() == u'X');
    const std::u16string_view digits = bHex ? rest.substr(1) : rest;
    auto quoted = [&] {
        std::u16string s(bHex ? u"&#x" : u"&#");
        s += digits;
        s += u';';
        return s;
    };
    const bool bValid = bHex ? IsHexNumberText(digits, 4) : IsDecimalNumberText(digits, 4, true);
    if (rest.empty() || !bValid) {
        message = FormatTextId(41323, {quoted()});
        return 0;
    }
    const int64_t nValue = bHex ? ReadHexValue(digits) : ReadDecimalValue(digits);
    if (nValue < 0 || nValue > 0xFFFF) {
        message = FormatTextId(41324, {quoted()});
        return 0;
    }
    return static_cast<char16_t>(nValue);
}

}  // namespace

char16_t FindNamedEntity(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxEntityName) return 0;
    const auto& map = EntityMap();
    auto it = map.find(name);
    return it == map.end() ? char16_t{0} : it->second;
}

char16_t DecodeEntity(std::u16string_view name, std::u16string& message) {
    message.clear();
    if (name.empty()) return 0;
    if (name.front() == u'#') return DecodeNumber(name.substr(1), message);
    if (char16_t c = FindNamedEntity(name)) return c;
    return IsAsciiLetters(name) ? u' ' : char16_t{0};
}

size_t CEntityScanner::NextSemicolon(size_t nFrom) {
    // Calls come with growing positions: the last answer stays right while
    // nFrom has not passed it.
    if (m_nSearchedFrom == std::u16string_view::npos || nFrom < m_nSearchedFrom ||
        (m_nFound != std::u16string_view::npos && nFrom > m_nFound)) {
        m_nFound = m_text.find(u';', nFrom);
    }
    m_nSearchedFrom = nFrom;
    return m_nFound;
}

EntityRef CEntityScanner::At(size_t nPos) {
    if (nPos >= m_text.size() || m_text[nPos] != u'&') return {};
    return DecodeEntityRef(m_text, nPos, NextSemicolon(nPos + 1));
}

EntityRef DecodeEntityRef(std::u16string_view text, size_t nPos, size_t nSemicolon) {
    EntityRef ref;
    if (nSemicolon == std::u16string_view::npos) return ref;
    const char16_t c = DecodeEntity(text.substr(nPos + 1, nSemicolon - nPos - 1), ref.strMessage);
    if (c != 0) {
        ref.kind = EntityRef::Kind::Symbol;
        ref.nSymbol = c;
        ref.nSemicolon = nSemicolon;
    } else if (!ref.strMessage.empty()) {
        ref.kind = EntityRef::Kind::Error;
        ref.nSemicolon = nSemicolon;
    }
    return ref;
}
