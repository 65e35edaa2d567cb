#include "shell/ServiceRules.h"

#include "core/Utf8.h"

std::vector<CLanguageItem> InterfaceLanguageItems(const CAppSettings& settings) {
    std::vector<CLanguageItem> items{{ID_LANGUAGE_BUILT_IN, u"English"}};
    for (const CInterfaceLanguage& language : settings.aLanguages) {
        const int nId = ID_LANGUAGE_BUILT_IN + static_cast<int>(items.size());
        if (nId > ID_LANGUAGE_LAST || language.strName.empty()) break;
        items.push_back({nId, language.strName});
    }
    return items;
}

std::filesystem::path LanguagePackPath(const CAppSettings& settings, int nLanguage,
                                       const std::filesystem::path& dataFolder) {
    const int nIndex = nLanguage - ID_LANGUAGE_BUILT_IN - 1;
    if (nIndex < 0 || nIndex >= static_cast<int>(settings.aLanguages.size())) return {};
    return dataFolder / "GlossmereLang" /
           (ToUtf8(settings.aLanguages[static_cast<size_t>(nIndex)].strLibrary) + ".qm");
}

bool PickLanguage(CAppSettings& settings, int nPicked) {
    settings.nChosenLanguage = nPicked;
    return nPicked != settings.nCurrentLanguage;
}

std::u16string HelpLanguageName(const CAppSettings& settings) {
    const int nIndex = settings.nCurrentLanguage - ID_LANGUAGE_BUILT_IN - 1;
    if (nIndex >= 0 && nIndex < static_cast<int>(settings.aLanguages.size()) &&
        !settings.aLanguages[static_cast<size_t>(nIndex)].strName.empty())
        return settings.aLanguages[static_cast<size_t>(nIndex)].strName;
    return u"English";
}

std::u16string SelectionText(std::u16string_view selection) {
    std::u16string text;
    for (char16_t ch : selection)
        if (ch != u'\uFFFC') text += ch;
    const auto isBlank = [](char16_t ch) {
        return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\n' || ch == u'\v' ||
               ch == u'\f' || ch == u'\u00A0' || ch == u'\u2028' || ch == u'\u2029';
    };
    size_t nBegin = 0, nEnd = text.size();
    while (nBegin < nEnd && isBlank(text[nBegin]))
        ++nBegin;
    while (nEnd > nBegin && isBlank(text[nEnd - 1]))
        --nEnd;
    return text.substr(nBegin, nEnd - nBegin);
}
