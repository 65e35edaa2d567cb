#include "CodePage.h"

#include <algorithm>
#include <span>

#include "CodePageTables.h"

namespace {

struct CodePageTables {
    std::span<const char16_t, 128> high;
    std::span<const CodePageReverseEntry, 128> reverse;
};

CodePageTables TablesOf(CodePage codePage) {
    if (codePage == CodePage::Cp1251) return {kCp1251HighToUnicode, kCp1251FromUnicode};
    return {kCp1252HighToUnicode, kCp1252FromUnicode};
}

char ToByte(char16_t c, std::span<const CodePageReverseEntry, 128> reverse) {
    if (c < 0x80) return static_cast<char>(c);
    auto it = std::lower_bound(
        reverse.begin(), reverse.end(), c,
        [](const CodePageReverseEntry& e, char16_t unit) { return e.unit < unit; });
    if (it == reverse.end() || it->unit != c) return '?';
    return static_cast<char>(it->byte);
}

}  // namespace

std::optional<CodePage> CodePageFromLocaleName(std::string_view localeName) {
    if (localeName == ".1251") return CodePage::Cp1251;
    if (localeName == ".1252" || localeName == "NULL") return CodePage::Cp1252;
    return std::nullopt;
}

std::string WideToMultiByte(std::u16string_view text, CodePage codePage) {
    const CodePageTables tables = TablesOf(codePage);
    std::string out(text.size(), '\0');
    std::transform(text.begin(), text.end(), out.begin(),
                   [&](char16_t c) { return ToByte(c, tables.reverse); });
    return out;
}

std::u16string MultiByteToWide(std::string_view bytes, CodePage codePage) {
    const CodePageTables tables = TablesOf(codePage);
    std::u16string out(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), out.begin(), [&](char b) {
        const auto byte = static_cast<unsigned char>(b);
        return byte < 0x80 ? char16_t{byte} : tables.high[byte - 0x80];
    });
    return out;
}
