#include "shell/ShellSettings.h"

#include <array>
#include <charconv>

#include "core/StringTable.h"
#include "core/TextIds.h"
#include "core/Utf8.h"

namespace {

constexpr char16_t kLanguages[] = u"Languages";
constexpr char16_t kLangDlls[] = u"LangDLLs";
constexpr char16_t kAddAdjust[] = u"ADD_ADJUST";
constexpr char16_t kTextView[] = u"TEXT_VIEW";
constexpr char16_t kSearchAdjust[] = u"SEARCH_ADJUST";
constexpr size_t kLanguageValueLength = 99;

std::u16string KeyText(std::u16string_view section, std::u16string_view key) {
    return FormatTextId(IDS_SHELL_INI_LOCATION, {section, key});
}

std::u16string BadValue(std::u16string_view message, std::u16string_view section,
                        std::u16string_view key) {
    return std::u16string(message) + u"\r\n" + KeyText(section, key);
}

std::u16string Number(int n) {
    return FromUtf8(std::to_string(n));
}

// An integer setting within [nMin, nMax]; nothing when bad.
std::optional<int> ReadInt(const CIniFile& ini, std::u16string_view section,
                           std::u16string_view key, int nDefault, int nMin, int nMax) {
    const std::u16string text = ini.GetString(section, key, Number(nDefault));
    const std::optional<int32_t> n = ParseProfileInt(text);
    if (!n || *n < nMin || *n > nMax) return std::nullopt;
    return *n;
}

// The leading number of a text, as the profile's own integer reading takes
// it: blanks, an optional sign, digits; anything else ends it (0 without
// digits).
int LeadingNumber(std::u16string_view text) {
    std::string ascii;
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ascii += static_cast<char>(text[i++]);
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9' && ascii.size() < 10)
        ascii += static_cast<char>(text[i++]);
    int n = 0;
    const char* pBegin = ascii.data() + (ascii.starts_with('+') ? 1 : 0);
    std::from_chars(pBegin, ascii.data() + ascii.size(), n);
    return n;
}

std::optional<std::u16string> ReadLanguages(const CIniFile& ini, CAppSettings& settings) {
    settings.aLanguages.clear();
    for (int n = 1;; ++n) {
        const std::u16string key = Number(n);
        std::u16string strName = ini.GetString(kLanguages, key, {}, kLanguageValueLength);
        if (strName.empty()) return std::nullopt;
        std::u16string strLibrary = ini.GetString(kLangDlls, key, {}, kLanguageValueLength);
        if (strLibrary.empty())
            return KeyText(kLangDlls, key) + u"\r\n" +
                   LoadText(IDS_SHELL_LANGUAGE_PACK_NAME_MISSING).value_or(u"");
        settings.aLanguages.push_back({std::move(strName), std::move(strLibrary)});
    }
}

}  // namespace

std::optional<std::u16string> ReadAppSettings(const CIniFile& ini, CAppSettings& settings) {
    if (auto message = ReadLanguages(ini, settings)) return message;
    // A number that names no language falls back to the built-in one.
    int nAppLang = LeadingNumber(ini.GetString(kLanguages, u"AppLang", u"0"));
    if (nAppLang < 0 || nAppLang > static_cast<int>(settings.aLanguages.size())) nAppLang = 0;
    settings.nCurrentLanguage = settings.nChosenLanguage = ID_LANGUAGE_BUILT_IN + nAppLang;
    settings.strPreferDictNameLang = ini.GetString(kLanguages, u"PreferDictNameLang", u"English");

    const std::optional<int> nFirstRun = ReadInt(ini, kAddAdjust, u"FirstRun", 1, 0, 1);
    if (!nFirstRun)
        return BadValue(LoadText(IDS_SET_FIRST_START_ERROR).value_or(u""), kAddAdjust, u"FirstRun");
    settings.bFirstRun = *nFirstRun == 1;
    const std::optional<int32_t> nCombo =
        ParseProfileInt(ini.GetString(kAddAdjust, u"SearchAreaCombo", u"0"));
    settings.bSearchAreaCombo = nCombo.value_or(0) > 0;
    return std::nullopt;
}

std::optional<std::u16string> ReadViewSettings(const CIniFile& ini, CViewState& state) {
    struct CIntKey {
        const char16_t* pszSection;
        const char16_t* pszKey;
        int nDefault, nMin, nMax, nMessage;
        int CViewState::*pField;
    };
    static constexpr std::array<CIntKey, 4> kKeys = {{
        {kTextView, u"WordArticleView", 0, 0, 2, IDS_SET_LAYOUT_ERROR, &CViewState::nLayout},
        {kTextView, u"AddSort", 0, 0, 2, IDS_SET_SORT_ERROR, &CViewState::nSort},
        {kTextView, u"ResFontSize", 18, kMinFontSize, kMaxFontSize, IDS_SET_FONT_SIZE_ERROR,
         &CViewState::nFontSize},
        {kSearchAdjust, u"SearchArea", 0, 0, 2, IDS_SET_AREA_ERROR, &CViewState::nArea},
    }};
    const CViewState defaults;
    for (size_t i = 0; i < kKeys.size(); ++i) {
        const CIntKey& key = kKeys[i];
        const std::optional<int> n =
            ReadInt(ini, key.pszSection, key.pszKey, key.nDefault, key.nMin, key.nMax);
        if (!n) {
            for (size_t j = i; j < kKeys.size(); ++j)
                state.*kKeys[j].pField = defaults.*kKeys[j].pField;
            state.bOutSearchTime = defaults.bOutSearchTime;
            return BadValue(
                FormatTextId(key.nMessage, {int64_t{kMinFontSize}, int64_t{kMaxFontSize}}),
                key.pszSection, key.pszKey);
        }
        state.*key.pField = *n;
    }
    const std::optional<int> nTime = ReadInt(ini, kAddAdjust, u"OutSearchTime", 0, 0, 1);
    if (!nTime) {
        state.bOutSearchTime = defaults.bOutSearchTime;
        return BadValue(LoadText(IDS_SET_SEARCH_TIME_ERROR).value_or(u""), kAddAdjust,
                        u"OutSearchTime");
    }
    state.bOutSearchTime = *nTime == 1;
    return std::nullopt;
}

void WriteViewSettings(CIniFile& ini, const CViewState& state) {
    ini.SetString(kTextView, u"WordArticleView", Number(state.nLayout));
    ini.SetString(kTextView, u"AddSort", Number(state.nSort));
    ini.SetString(kTextView, u"ResFontSize", Number(state.nFontSize));
    ini.SetString(kSearchAdjust, u"SearchArea", Number(state.nArea));
    ini.SetString(kAddAdjust, u"OutSearchTime", Number(state.bOutSearchTime ? 1 : 0));
}

void WriteAppSettings(CIniFile& ini, const CAppSettings& settings) {
    ini.SetString(kLanguages, u"AppLang", Number(settings.nChosenLanguage - ID_LANGUAGE_BUILT_IN));
    ini.SetString(kAddAdjust, u"FirstRun", u"0");
    ini.SetString(kAddAdjust, u"SearchAreaCombo", settings.bSearchAreaCombo ? u"1" : u"0");
}
