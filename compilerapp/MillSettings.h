// What Glossmill keeps in "Glossmill.ini": its interface languages, the
// dictionaries folder and the separators the user types in the settings
// dialog. Each value is read at start-up and written at its own moment (the
// language when it is chosen, the separators when the settings dialog is
// confirmed, the folder when the main dialog closes).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "compiler/Separators.h"
#include "core/IniFile.h"
#include "core/MyObject.h"

// One interface language of the [Languages] and [LangDLLs] tables.
struct CMillLanguage {
    std::u16string strName;     // shown in the language box
    std::u16string strLibrary;  // base name of its pack in "GlossmillLang"
};

// Why the settings dialog cannot take the input ("Articles separator error"
// or "Article parts separator error" with the reason), or nothing when it decodes into usable
// separators.
std::optional<std::u16string> SeparatorInputFault(const CSeparatorInput& input);

class CMillSettings : public CMyObject {
public:
    static constexpr size_t kMaxLanguages = 100;

    // [Languages] 1, 2, ... until the first missing or empty name, each with
    // its [LangDLLs] library, then AppLang. A language without a library
    // fails. An AppLang that names no listed language is built-in English.
    [[nodiscard]] bool ReadLanguages(const CIniFile& ini);
    // Parameters/DictFolder; empty or not a folder gives defaultFolder.
    void ReadDictFolder(const CIniFile& ini, const std::filesystem::path& defaultFolder);
    // [DictSetting]: the typed separators, decoded for the engine.
    [[nodiscard]] bool ReadDictSetting(const CIniFile& ini);

    void WriteLanguage(CIniFile& ini) const;
    void WriteDictFolder(CIniFile& ini) const;
    void WriteDictSetting(CIniFile& ini) const;

    const std::vector<CMillLanguage>& GetLanguages() const { return m_languages; }
    int32_t GetStartLanguage() const { return m_nStartLanguage; }
    int32_t GetSelectedLanguage() const { return m_nSelectedLanguage; }
    // The pack of the start language; empty for built-in English.
    std::u16string GetStartLibrary() const;
    // The name of the start language, "English" for the built-in one.
    std::u16string GetStartLanguageName() const;
    // The user picked language nIndex (0 = English) in the language box.
    // True when it is not the language the program runs in: the program
    // must restart for it.
    bool ChooseLanguage(int32_t nIndex);
    bool NeedsRestart() const { return m_bRestart; }

    const std::filesystem::path& GetDictFolder() const { return m_dictFolder; }
    void SetDictFolder(std::filesystem::path folder) { m_dictFolder = std::move(folder); }

    const CSeparatorInput& GetSeparatorInput() const { return m_input; }
    // Decoded, for the engine.
    const CSeparatorSettings& GetSeparators() const { return m_separators; }
    // Input the settings dialog accepted. False, with the error text, when
    // it does not decode; nothing changes then.
    [[nodiscard]] bool SetSeparatorInput(const CSeparatorInput& input);

private:
    std::vector<CMillLanguage> m_languages;
    int32_t m_nStartLanguage = 0;
    int32_t m_nSelectedLanguage = 0;
    bool m_bRestart = false;
    std::filesystem::path m_dictFolder;
    CSeparatorInput m_input;
    CSeparatorSettings m_separators;
};

// Loads the settings file at path, lets change edit it and replaces the file,
// so that what others wrote to it since start-up is kept. False, with
// strError, when the file cannot be read or written.
bool UpdateIniFile(const std::filesystem::path& path, const std::function<void(CIniFile&)>& change,
                   std::u16string& strError);
