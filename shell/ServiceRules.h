// The rules of the shell's smaller services: the interface languages and the
// restart a change needs, which help page to open and the text taken from a selection.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ShellSettings.h"

// The last identifier an added interface language may have.
inline constexpr int ID_LANGUAGE_LAST = 40100;

struct CLanguageItem {
    int nId;
    std::u16string strName;
};

// "English" at 40001, then the added languages from 40002 upward, at most up
// to 40100.
std::vector<CLanguageItem> InterfaceLanguageItems(const CAppSettings& settings);

// The pack of the language, "<program>Lang/<pack>.qm" in the data folder;
// empty for the built-in language or an identifier without a language.
std::filesystem::path LanguagePackPath(const CAppSettings& settings, int nLanguage,
                                       const std::filesystem::path& dataFolder);

// Picking a language: it becomes the chosen one; the program restarts only
// when it differs from the language running now.
bool PickLanguage(CAppSettings& settings, int nPicked);

// The language name of the help page: the current language's display name,
// or "English" for the built-in language or an empty name.
std::u16string HelpLanguageName(const CAppSettings& settings);

// The selection as copied or searched: object replacement characters
// (U+FFFC, what images become) removed, white space trimmed at both ends.
std::u16string SelectionText(std::u16string_view selection);
