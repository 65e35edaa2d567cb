#include "DictEncoding.h"

#include <cctype>
#include <utility>

#include "core/CodePage.h"
#include "core/Utf8.h"

namespace {

// KOI8-R 0xC0-0xFF; the rest of its upper half holds box drawing, of which
// only ё (0xA3) and Ё (0xB3) matter for words.
constexpr char16_t kKoi8rLetters[] =
    u"юабцдефгхийклмнопярстужвьызшэщчъЮАБЦДЕФГХИЙКЛМНОПЯРСТУЖВЬЫЗШЭЩЧЪ";

std::string Normalised(std::string_view name) {
    std::string result;
    for (char c : name) {
        if (c == '-' || c == '_') continue;
        result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return result;
}

char16_t Koi8rToWide(char byte) {
    const auto c = static_cast<unsigned char>(byte);
    if (c < 0x80) return c;
    if (c >= 0xC0) return kKoi8rLetters[c - 0xC0];
    if (c == 0xA3) return u'ё';
    if (c == 0xB3) return u'Ё';
    return 0xFFFD;
}

char WideToKoi8r(char16_t c) {
    if (c < 0x80) return static_cast<char>(c);
    if (c == u'ё') return static_cast<char>(0xA3);
    if (c == u'Ё') return static_cast<char>(0xB3);
    for (int i = 0; i < 64; ++i) {
        if (kKoi8rLetters[i] == c) return static_cast<char>(0xC0 + i);
    }
    return '?';
}

char16_t Latin1ToWide(char byte) {
    return static_cast<unsigned char>(byte);
}

char WideToLatin1(char16_t c) {
    return c < 0x100 ? static_cast<char>(c) : '?';
}

// Each unit converted on its own.
template <typename Result, typename Text, typename Convert>
Result ConvertEach(Text text, Convert convert) {
    Result result;
    result.reserve(text.size());
    for (auto c : text)
        result += convert(c);
    return result;
}

// A one-byte set without a table in core.
template <char (*fromWide)(char16_t), char16_t (*toWide)(char)>
constexpr CDictEncoding::CharSet kOneByteSet{
    [](std::u16string_view text) { return ConvertEach<std::string>(text, fromWide); },
    [](std::string_view bytes) { return ConvertEach<std::u16string>(bytes, toWide); }};

template <CodePage codePage>
constexpr CDictEncoding::CharSet kCodePageSet{
    [](std::u16string_view text) { return WideToMultiByte(text, codePage); },
    [](std::string_view bytes) { return MultiByteToWide(bytes, codePage); }};

constexpr CDictEncoding::CharSet kUtf8{[](std::u16string_view text) { return ToUtf8(text); },
                                       [](std::string_view bytes) { return FromUtf8(bytes); }};

// Names as Normalised gives them.
constexpr std::pair<std::string_view, CDictEncoding::CharSet> kNamedSets[] = {
    {"utf8", kUtf8},
    {"iso88591", kOneByteSet<WideToLatin1, Latin1ToWide>},
    {"koi8r", kOneByteSet<WideToKoi8r, Koi8rToWide>},
    {"microsoftcp1251", kCodePageSet<CodePage::Cp1251>},
    {"cp1251", kCodePageSet<CodePage::Cp1251>},
    {"microsoftcp1252", kCodePageSet<CodePage::Cp1252>},
    {"cp1252", kCodePageSet<CodePage::Cp1252>},
};

}  // namespace

CDictEncoding::CDictEncoding() : m_set(kUtf8) {}

bool CDictEncoding::Set(std::string_view name) {
    const std::string normalised = Normalised(name);
    for (const auto& [setName, set] : kNamedSets) {
        if (setName == normalised) {
            m_set = set;
            return true;
        }
    }
    return false;
}
