// Direct calls into libRadixo.so (the test links it) and helpers to speak to
// it in UTF-16.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/CharTables.h"
#include "core/CodePage.h"
#include "core/LemmatizerApi.h"
#include "core/Utf8.h"
#include "support/RunProgram.h"

extern "C" {
uint8_t LoadLemmatizer(const char16_t* pszDataFolder, int32_t nLang, double* pSeconds);
uint8_t IsLemmatizerLoad();
uint8_t UnloadLemmatizer(int32_t nLang);
void GetLemmas(const char* pszWord, int32_t nLang, char* pBuffer, int32_t nCapacity,
               char chSeparator);
}

inline std::u16string DataFolder(int nLang) {
    static const char* const kFolders[] = {"", "RusMorph", "EngMorph", "GerMorph"};
    return FromUtf8(BuiltFile(kFolders[nLang]) + "/");
}

inline CodePage LanguageCodePage(int nLang) {
    return nLang == 1 ? CodePage::Cp1251 : CodePage::Cp1252;
}

// The raw answer for a word in the language's code page.
inline std::string RawLemmas(const std::string& word, int nLang, char chSeparator = ';') {
    char buffer[kLemmaResultCapacity] = {};
    GetLemmas(word.c_str(), nLang, buffer, kLemmaResultCapacity, chSeparator);
    return buffer;
}

// The upper-cased lemmas of a UTF-16 word, as the programs compare them.
inline std::vector<std::u16string> UpperLemmas(std::u16string_view word, int nLang) {
    const std::string raw = RawLemmas(WideToMultiByte(word, LanguageCodePage(nLang)), nLang);
    std::vector<std::u16string> lemmas;
    size_t nStart = 0;
    for (size_t nEnd; (nEnd = raw.find(';', nStart)) != std::string::npos; nStart = nEnd + 1) {
        std::u16string lemma =
            MultiByteToWide(raw.substr(nStart, nEnd - nStart), LanguageCodePage(nLang));
        ToUpperString(lemma);
        lemmas.push_back(std::move(lemma));
    }
    return lemmas;
}
