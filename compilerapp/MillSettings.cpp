#include "MillSettings.h"

#include "core/StringTable.h"
#include "core/TextHelpers.h"
#include "core/TextIds.h"
#include "core/Utf8.h"

namespace {

// Read buffers of the settings: characters before the terminator.
constexpr size_t kLanguageValueLength = 99;
constexpr size_t kFolderValueLength = 519;
constexpr size_t kDictSettingValueLength = 799;

constexpr std::u16string_view kLanguages = u"Languages";
constexpr std::u16string_view kLangDlls = u"LangDLLs";
constexpr std::u16string_view kAppLang = u"AppLang";
constexpr std::u16string_view kParameters = u"Parameters";
constexpr std::u16string_view kDictFolder = u"DictFolder";
constexpr std::u16string_view kDictSetting = u"DictSetting";
constexpr std::u16string_view kSepType = u"ArticlesSepType";
constexpr std::u16string_view kArticlesSep = u"ArticlesSep";
constexpr std::u16string_view kPartsSep = u"ArticlePartsSep";
constexpr std::u16string_view kBuiltInLanguage = u"English";

// The location of a bad setting, CR LF, what is wrong with it.
std::u16string SettingError(std::u16string_view section, std::u16string_view key,
                            std::u16string_view message) {
    return FormatTextId(IDS_MILL_INI_LOCATION, {section, key}) + u"\r\n" + std::u16string(message);
}

std::u16string Number(int32_t n) {
    return FromUtf8(std::to_string(n));
}

std::u16string HexCodes(const std::u16string& text) {
    std::u16string codes;
    SymbolsToHexCodes(text, codes);
    return codes;
}

}  // namespace

std::optional<std::u16string> SeparatorInputFault(const CSeparatorInput& input) {
    CSeparatorSettings decoded;
    std::u16string strError;
    if (DecodeSeparatorSettings(input, decoded, strError)) {
        return std::nullopt;
    }
    return strError;
}

bool CMillSettings::ReadLanguages(const CIniFile& ini) {
    m_languages.clear();
    for (size_t i = 1; i <= kMaxLanguages; ++i) {
        const std::u16string key = Number(static_cast<int32_t>(i));
        std::u16string strName = ini.GetString(kLanguages, key, {}, kLanguageValueLength);
        if (strName.empty()) break;
        std::u16string strLibrary = ini.GetString(kLangDlls, key, {}, kLanguageValueLength);
        if (strLibrary.empty()) {
            SetError(
                SettingError(kLangDlls, key, FormatTextId(IDS_MILL_LANGUAGE_PACK_NAME_MISSING)));
            return false;
        }
        m_languages.push_back({std::move(strName), std::move(strLibrary)});
    }
    const auto nLanguage = ParseProfileInt(ini.GetString(kLanguages, kAppLang, u"0"));
    const bool bListed =
        nLanguage && *nLanguage >= 0 && static_cast<size_t>(*nLanguage) <= m_languages.size();
    m_nStartLanguage = bListed ? *nLanguage : 0;
    m_nSelectedLanguage = m_nStartLanguage;
    return true;
}

void CMillSettings::ReadDictFolder(const CIniFile& ini,
                                   const std::filesystem::path& defaultFolder) {
    const std::u16string strFolder =
        ini.GetString(kParameters, kDictFolder, {}, kFolderValueLength);
    std::error_code ec;
    const std::filesystem::path folder(ToUtf8(strFolder));
    m_dictFolder =
        !strFolder.empty() && std::filesystem::is_directory(folder, ec) ? folder : defaultFolder;
}

bool CMillSettings::ReadDictSetting(const CIniFile& ini) {
    CSeparatorInput input = m_input;
    const std::u16string strType =
        ini.GetString(kDictSetting, kSepType, {}, kDictSettingValueLength);
    if (!strType.empty()) {
        const auto nType = ParseProfileInt(strType);
        if (!nType || *nType < ARTICLES_SEP_LINE || *nType > ARTICLES_SEP_OTHER) {
            SetError(SettingError(
                kDictSetting, kSepType,
                FormatTextId(IDS_SEPARATOR_TYPE_RANGE,
                             {int64_t{ARTICLES_SEP_LINE}, int64_t{ARTICLES_SEP_OTHER}})));
            return false;
        }
        input.nType = *nType;
    }
    const std::u16string strSep =
        ini.GetString(kDictSetting, kArticlesSep, {}, kDictSettingValueLength);
    if (!strSep.empty() && !HexCodesToSymbols(strSep, input.strArticlesSep)) {
        SetError(
            SettingError(kDictSetting, kArticlesSep, FormatTextId(IDS_ARTICLES_SEPARATOR_ERROR)));
        return false;
    }
    const std::u16string strPartsSep =
        ini.GetString(kDictSetting, kPartsSep, {}, kDictSettingValueLength);
    if (strPartsSep.empty()) {
        input.strPartsSep = kDefaultPartsSep;
    } else if (!HexCodesToSymbols(strPartsSep, input.strPartsSep)) {
        SetError(SettingError(kDictSetting, kPartsSep, FormatTextId(IDS_PARTS_SEPARATOR_ERROR)));
        return false;
    }
    if (!SetSeparatorInput(input)) {
        SetError(SettingError(kDictSetting, u"", GetError()));
        return false;
    }
    return true;
}

bool CMillSettings::SetSeparatorInput(const CSeparatorInput& input) {
    CSeparatorSettings decoded;
    std::u16string strError;
    if (!DecodeSeparatorSettings(input, decoded, strError)) {
        SetError(strError);
        return false;
    }
    m_input = input;
    m_separators = std::move(decoded);
    return true;
}

void CMillSettings::WriteLanguage(CIniFile& ini) const {
    ini.SetString(kLanguages, kAppLang, Number(m_nSelectedLanguage));
}

void CMillSettings::WriteDictFolder(CIniFile& ini) const {
    ini.SetString(kParameters, kDictFolder, FromUtf8(m_dictFolder.string()));
}

void CMillSettings::WriteDictSetting(CIniFile& ini) const {
    ini.SetString(kDictSetting, kSepType, Number(m_input.nType));
    ini.SetString(kDictSetting, kArticlesSep, HexCodes(m_input.strArticlesSep));
    ini.SetString(kDictSetting, kPartsSep, HexCodes(m_input.strPartsSep));
}

std::u16string CMillSettings::GetStartLibrary() const {
    if (m_nStartLanguage <= 0) return {};
    return m_languages[static_cast<size_t>(m_nStartLanguage) - 1].strLibrary;
}

std::u16string CMillSettings::GetStartLanguageName() const {
    if (m_nStartLanguage <= 0) return std::u16string(kBuiltInLanguage);
    return m_languages[static_cast<size_t>(m_nStartLanguage) - 1].strName;
}

bool CMillSettings::ChooseLanguage(int32_t nIndex) {
    m_nSelectedLanguage = nIndex;
    const bool bOther = nIndex != m_nStartLanguage;
    if (bOther) m_bRestart = true;
    return bOther;
}

bool UpdateIniFile(const std::filesystem::path& path, const std::function<void(CIniFile&)>& change,
                   std::u16string& strError) {
    CIniFile ini;
    if (!ini.Load(path, strError)) return false;
    change(ini);
    return ini.Save(path, strError);
}
