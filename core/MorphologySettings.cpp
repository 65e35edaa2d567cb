#include "MorphologySettings.h"

#include "StringTable.h"

bool ReadGermanSetting(const CIniFile& ini, int nLocationTextId, std::u16string& strError) {
    strError.clear();
    const std::optional<std::u16string> value = ini.Find(kMorphologySection, kGermanKey);
    if (!value || value->empty()) return false;
    const std::optional<int32_t> n = ParseProfileInt(*value);
    if (n && (*n == 0 || *n == 1)) return *n == 1;
    strError = FormatTextId(nLocationTextId, {kMorphologySection, kGermanKey}) +
               u"\r\nThe value must be 0 (German lemmas off) or 1 (on)";
    return false;
}

std::u16string GermanSwitchedOffText(std::u16string_view strSettingsFile) {
    return u"German lemmas are switched off, so German words are found only as written; "
           u"switch them on with --german, or with German=1 in section [Morphology] of " +
           std::u16string(strSettingsFile);
}
