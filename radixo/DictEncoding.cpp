#include "DictEncoding.h"

#include <cctype>

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

char16_t Koi8rToWide(unsigned char c) {
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

}  // namespace

bool CDictEncoding::Set(std::string_view name) {
    const std::string n = Normalised(name);
    if (n == "utf8") {
        m_kind = Kind::Utf8;
    } else if (n == "iso88591") {
        m_kind = Kind::Latin1;
    } else if (n == "koi8r") {
        m_kind = Kind::Koi8r;
    } else if (n == "microsoftcp1251" || n == "cp1251") {
        m_kind = Kind::Cp1251;
    } else if (n == "microsoftcp1252" || n == "cp1252") {
        m_kind = Kind::Cp1252;
    } else {
        return false;
    }
    return true;
}

std::string CDictEncoding::FromWide(std::u16string_view text) const {
    switch (m_kind) {
        case Kind::Utf8:
            return ToUtf8(text);
        case Kind::Cp1251:
            return WideToMultiByte(text, CodePage::Cp1251);
        case Kind::Cp1252:
            return WideToMultiByte(text, CodePage::Cp1252);
        case Kind::Latin1: {
            std::string result;
            for (char16_t c : text)
                result += c < 0x100 ? static_cast<char>(c) : '?';
            return result;
        }
        case Kind::Koi8r: {
            std::string result;
            for (char16_t c : text)
                result += WideToKoi8r(c);
            return result;
        }
    }
    return {};
}

std::u16string CDictEncoding::ToWide(std::string_view bytes) const {
    switch (m_kind) {
        case Kind::Utf8:
            return FromUtf8(bytes);
        case Kind::Cp1251:
            return MultiByteToWide(bytes, CodePage::Cp1251);
        case Kind::Cp1252:
            return MultiByteToWide(bytes, CodePage::Cp1252);
        case Kind::Latin1: {
            std::u16string result;
            for (char c : bytes)
                result += static_cast<unsigned char>(c);
            return result;
        }
        case Kind::Koi8r: {
            std::u16string result;
            for (char c : bytes)
                result += Koi8rToWide(static_cast<unsigned char>(c));
            return result;
        }
    }
    return {};
}
