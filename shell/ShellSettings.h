// Glossmere's settings in "Glossmere.ini": which keys exist, their ranges and
// defaults, the message shown for a bad value, and when each is written. The
// program reads the application settings at start-up (a bad one stops the
// start), the view settings when the window is made (a bad one keeps the
// defaults from that key on) and writes both when it ends.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/IniFile.h"

inline constexpr char16_t kSettingsFileName[] = u"Glossmere.ini";

// The built-in interface language and the identifiers of added ones.
inline constexpr int ID_LANGUAGE_BUILT_IN = 40001;

struct CInterfaceLanguage {
    std::u16string strName;     // shown in the "Interface language" menu
    std::u16string strLibrary;  // pack name, without extension
};

struct CAppSettings {
    std::vector<CInterfaceLanguage> aLanguages;  // identifiers 40002, 40003, ...
    int nCurrentLanguage = ID_LANGUAGE_BUILT_IN;
    int nChosenLanguage = ID_LANGUAGE_BUILT_IN;
    std::u16string strPreferDictNameLang = u"English";
    bool bFirstRun = true;
    bool bSearchAreaCombo = false;
};

struct CViewState {
    int nLayout = 0;     // "WordArticleView"
    int nSort = 0;       // "AddSort"
    int nFontSize = 18;  // "ResFontSize", pixels
    int nArea = 0;       // "SearchArea"
    bool bOutSearchTime = false;
};

inline constexpr int kMinFontSize = 6;
inline constexpr int kMaxFontSize = 48;

// Nothing when every setting was good; else the message to show. A bad
// application setting leaves the settings read so far.
std::optional<std::u16string> ReadAppSettings(const CIniFile& ini, CAppSettings& settings);
// The keys before a bad one keep their values, it and the keys after it
// keep their defaults.
std::optional<std::u16string> ReadViewSettings(const CIniFile& ini, CViewState& state);

void WriteViewSettings(CIniFile& ini, const CViewState& state);
// "AppLang" (the chosen language), "FirstRun" = 0, "SearchAreaCombo".
void WriteAppSettings(CIniFile& ini, const CAppSettings& settings);
