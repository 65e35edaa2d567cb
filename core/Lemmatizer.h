// CLemmatizer: the one place where a program touches the lemmatiser library.
// It loads the library on first need, loads a language's module from its data
// folder under the morphology root, and turns the library's answer for a word
// into a short, upper-cased, duplicate-free list of lemmas.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "CodePage.h"
#include "MyArray.h"
#include "MyObject.h"
#include "ProgramFolder.h"

class CLemmatizer : public CMyObject {
public:
    enum { LANG_NONE = 0, LANG_RUSSIAN = 1, LANG_ENGLISH = 2, LANG_GERMAN = 3 };
    static constexpr int kMaxLemmas = 10;

    // strLibraryFolder: where libRadixo.so is looked for; the program's own
    // folder unless a test or tool says otherwise. Resets the process-wide
    // library state to "not loaded" without releasing anything.
    explicit CLemmatizer(std::u16string strLibraryFolder = GetProgramFolder());
    // Unloads the three languages and releases the library if it is loaded.
    ~CLemmatizer() override;
    CLemmatizer(const CLemmatizer&) = delete;
    CLemmatizer& operator=(const CLemmatizer&) = delete;

    [[nodiscard]] bool LoadLemmatizerDll();
    // On success the info text holds the timing text or is empty. A language
    // that fails is switched off for the rest of the run.
    [[nodiscard]] bool LoadLanguage(int nCode);
    // pszWord: NUL-terminated, in the language's code page. Returns the number
    // of entries in arr; never fails.
    int GetWordLemmas(const char* pszWord, int nCode, CMyArray<std::u16string>& arr, bool bAppend);
    // The same for a UTF-16 word, converted to the language's code page first.
    int GetWordLemmas(std::u16string_view word, int nCode, CMyArray<std::u16string>& arr,
                      bool bAppend);
    // The library's result, or false for a switched-off language or a code
    // outside 1-3.
    bool UnloadLanguage(int nCode);

    const std::u16string& GetMorphologyRoot() const { return m_strMorphRoot; }
    void SetMorphologyRoot(std::u16string strRoot) { m_strMorphRoot = std::move(strRoot); }
    const std::u16string& GetInfoText() const { return m_strInfo; }
    bool IsLanguageEnabled(int nCode) const;
    // The programs leave German switched off; tools and tests may switch a
    // language on before loading it.
    void EnableLanguage(int nCode);

    // Code page of a language's words and lemmas (1251 Russian, else 1252).
    static CodePage LanguageCodePage(int nCode);
    // The language's data folder under the morphology root, ending with '/'.
    std::u16string LanguageDataFolder(int nCode) const;

private:
    static bool IsLanguageCode(int nCode) { return nCode >= LANG_RUSSIAN && nCode <= LANG_GERMAN; }
    void AddLemmas(int nCode, CMyArray<std::u16string>& arr);
    std::u16string LoadFailureText(int nCode, bool bLibraryFailed,
                                   const std::u16string& libraryError) const;

    std::array<char, 511> m_szResult{};
    std::array<char, 50> m_szLemma{};
    std::u16string m_strMorphRoot;
    std::u16string m_strInfo;
    std::u16string m_strLibraryFolder;
    std::array<bool, 4> m_bEnabled{false, true, true, false};
};

// Removes every later entry equal to an earlier one, keeping the order.
void RemoveDuplicateLemmas(CMyArray<std::u16string>& arr);
