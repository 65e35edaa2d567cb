#include "DictInfoFile.h"

#include "core/CharTables.h"
#include "core/TrimText.h"
#include "core/UnicodeFile.h"

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' ||
           c == u'\u00A0' || c == u'\uFEFF';
}

std::u16string_view Trim(std::u16string_view line) {
    return TrimmedIf(line, IsBlank);
}

// Lines cut at CR LF, LF or CR alike: trimming makes the file's own
// convention irrelevant.
std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    size_t nStart = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\r' || text[i] == u'\n') {
            lines.push_back(text.substr(nStart, i - nStart));
            if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
            nStart = i + 1;
        }
    }
    return lines;
}

size_t ExtensionDot(std::u16string_view strPath) {
    const size_t nDot = strPath.rfind(u'.');
    const size_t nSlash = strPath.rfind(u'/');
    if (nDot == std::u16string_view::npos) return strPath.size();
    if (nSlash != std::u16string_view::npos && nDot < nSlash) return strPath.size();
    return nDot;
}

}  // namespace

std::u16string DictCompanionPath(std::u16string_view strDictPath) {
    return std::u16string(strDictPath.substr(0, ExtensionDot(strDictPath)));
}

std::u16string DictInfoFilePath(std::u16string_view strDictPath) {
    return DictCompanionPath(strDictPath) + u"_info.txt";
}

std::vector<CDisplayName> ParseDictInfoText(std::u16string_view text) {
    std::vector<CDisplayName> names;
    std::optional<std::u16string> language;  // set while a section waits for its name
    for (std::u16string_view raw : SplitLines(text)) {
        const std::u16string_view line = Trim(raw);
        if (line.empty()) continue;
        if (line.size() >= 2 && line.front() == u'<' && line.back() == u'>') {
            language = std::u16string(line.substr(1, line.size() - 2));
        } else if (language) {
            names.push_back({std::u16string(line), std::move(*language)});
            language.reset();
        }
    }
    return names;
}

std::optional<std::u16string> ReadDictInfoText(std::u16string_view strPath) {
    CUnicodeFile file;
    if (!file.OpenUnicode(strPath)) return std::nullopt;
    std::u16string text;
    try {
        file.SkipByteOrderMark();
        char16_t symb = 0;
        while (file.ReadSymb(symb) != 0)
            text.push_back(symb);
    } catch (const CMyObjectThrow&) {
        return std::nullopt;
    }
    return text;
}

std::u16string ChooseDisplayName(std::span<const CDisplayName> names, std::u16string_view first,
                                 std::u16string_view second, std::u16string_view third) {
    const CDisplayName* pSecond = nullptr;
    const CDisplayName* pThird = nullptr;
    for (const CDisplayName& name : names) {
        if (IsEqualNoCase(name.strLanguage, first)) return name.strName;
        if (!pSecond && IsEqualNoCase(name.strLanguage, second)) pSecond = &name;
        if (!pThird && IsEqualNoCase(name.strLanguage, third)) pThird = &name;
    }
    if (pSecond) return pSecond->strName;
    if (pThird) return pThird->strName;
    if (!names.empty()) return names.front().strName;
    return {};
}
