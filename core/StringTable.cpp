#include "StringTable.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

namespace {

TextOverride& Override() {
    static TextOverride s_override;
    return s_override;
}

std::atomic<TextSet> g_textSet{TextSet::Shell};

const StringTableEntry* FindText(std::span<const StringTableEntry> table, int nId) {
    auto it = std::lower_bound(table.begin(), table.end(), nId,
                               [](const StringTableEntry& e, int id) { return e.nId < id; });
    if (it == table.end() || it->nId != nId) return nullptr;
    return &*it;
}

std::u16string Widen(const std::string& s) {
    return std::u16string(s.begin(), s.end());  // printf output of numbers is ASCII
}

struct Conversion {
    std::string flags;
    int nWidth = -1;
    int nPrecision = -1;
    char16_t conversion = 0;
};

std::string NumberFormat(const Conversion& conversion, const char* length, char conv) {
    std::string f = "%" + conversion.flags;
    if (conversion.nWidth >= 0) f += std::to_string(conversion.nWidth);
    if (conversion.nPrecision >= 0) f += "." + std::to_string(conversion.nPrecision);
    return f + length + conv;
}

template <class T>
std::u16string PrintNumber(const std::string& format, T value) {
    char buf[512];
    int n = std::snprintf(buf, sizeof buf, format.c_str(), value);
    if (n < 0) return {};
    return Widen(std::string(buf, std::min<size_t>(static_cast<size_t>(n), sizeof buf - 1)));
}

int64_t AsInteger(const TextArg& arg) {
    if (auto* p = std::get_if<int64_t>(&arg)) return *p;
    if (auto* p = std::get_if<double>(&arg)) {
        double d = *p;
        if (!(d >= -9.2e18 && d <= 9.2e18)) return 0;  // NaN and out of range
        return static_cast<int64_t>(d);
    }
    return 0;
}

double AsDouble(const TextArg& arg) {
    if (auto* p = std::get_if<double>(&arg)) return *p;
    if (auto* p = std::get_if<int64_t>(&arg)) return static_cast<double>(*p);
    return 0.0;
}

std::u16string Pad(std::u16string text, const Conversion& conversion) {
    if (conversion.nWidth > 0 && text.size() < static_cast<size_t>(conversion.nWidth)) {
        size_t nPad = static_cast<size_t>(conversion.nWidth) - text.size();
        if (conversion.flags.find('-') != std::string::npos)
            text.append(nPad, u' ');
        else
            text.insert(0, nPad, u' ');
    }
    return text;
}

std::u16string FormatOne(const Conversion& conversion, const TextArg* arg) {
    if (arg == nullptr) return {};
    const char16_t c = conversion.conversion;
    if (auto* text = std::get_if<std::u16string_view>(arg)) {
        // A text is shown as a text whatever the placeholder says.
        std::u16string s(*text);
        if (c == u's' && conversion.nPrecision >= 0 &&
            s.size() > static_cast<size_t>(conversion.nPrecision))
            s.resize(static_cast<size_t>(conversion.nPrecision));
        return Pad(std::move(s), conversion);
    }
    switch (c) {
        case u'd':
        case u'i':
            return PrintNumber(NumberFormat(conversion, "ll", 'd'),
                               static_cast<long long>(AsInteger(*arg)));
        case u'u':
        case u'x':
        case u'X':
        case u'o':
            return PrintNumber(NumberFormat(conversion, "ll", static_cast<char>(c)),
                               static_cast<unsigned long long>(AsInteger(*arg)));
        case u'c': {
            std::u16string s(1, static_cast<char16_t>(AsInteger(*arg)));
            return Pad(std::move(s), conversion);
        }
        case u'f':
        case u'F':
        case u'e':
        case u'E':
        case u'g':
        case u'G':
            return PrintNumber(NumberFormat(conversion, "", static_cast<char>(c)), AsDouble(*arg));
        default:  // %s of a number
            if (std::holds_alternative<double>(*arg))
                return Pad(PrintNumber(std::string("%g"), AsDouble(*arg)), conversion);
            return Pad(PrintNumber(std::string("%lld"), static_cast<long long>(AsInteger(*arg))),
                       conversion);
    }
}

}  // namespace

void SelectTextSet(TextSet set) {
    g_textSet.store(set);
}

TextSet SelectedTextSet() {
    return g_textSet.load();
}

void SetTextOverride(TextOverride override) {
    Override() = std::move(override);
}

std::optional<std::u16string> LoadText(int nId) {
    const StringTableEntry* entry = FindText(BuiltInProgramTable(SelectedTextSet()), nId);
    if (entry == nullptr) entry = FindText(BuiltInStringTable(), nId);
    if (entry == nullptr) return std::nullopt;
    if (const TextOverride& o = Override()) {
        if (auto text = o(entry->pszText)) return text;
    }
    return std::u16string(entry->pszText);
}

std::u16string FormatText(std::u16string_view format, std::initializer_list<TextArg> args) {
    std::u16string out;
    out.reserve(format.size() + 16);
    const TextArg* next = args.begin();
    const TextArg* const last = args.end();
    size_t i = 0;
    while (i < format.size()) {
        char16_t ch = format[i++];
        if (ch != u'%') {
            out += ch;
            continue;
        }
        if (i < format.size() && format[i] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        Conversion conversion;
        while (i < format.size() &&
               std::u16string_view(u"-+ #0").find(format[i]) != std::u16string_view::npos)
            conversion.flags += static_cast<char>(format[i++]);
        auto readNumber = [&]() {
            int n = 0;
            while (i < format.size() && format[i] >= u'0' && format[i] <= u'9') {
                n = std::min(n * 10 + (format[i] - u'0'), 255);  // keep widths sane
                ++i;
            }
            return n;
        };
        if (i < format.size() && format[i] >= u'0' && format[i] <= u'9')
            conversion.nWidth = readNumber();
        if (i < format.size() && format[i] == u'.') {
            ++i;
            conversion.nPrecision = readNumber();
        }
        while (i < format.size() &&
               std::u16string_view(u"hlLqjzt").find(format[i]) != std::u16string_view::npos)
            ++i;
        if (i >= format.size()) break;  // a lone '%' at the end is dropped
        conversion.conversion = format[i++];
        if (std::u16string_view(u"diuxXocfFeEgGsS").find(conversion.conversion) ==
            std::u16string_view::npos) {
            continue;  // unknown conversion: consumes nothing, prints nothing
        }
        if (conversion.conversion == u'S') conversion.conversion = u's';
        out += FormatOne(conversion, next != last ? next++ : nullptr);
    }
    return out;
}

std::u16string FormatTextId(int nId, std::initializer_list<TextArg> args) {
    auto text = LoadText(nId);
    if (!text) return {};
    return FormatText(*text, args);
}
