#include "Lemmatizer.h"

#include <dlfcn.h>

#include <cstring>

#include "CharTables.h"
#include "LemmatizerApi.h"
#include "StringTable.h"
#include "Utf8.h"

namespace {

// One library per program, shared by every adapter.
struct LemmatizerLibrary {
    void* hModule = nullptr;
    LoadLemmatizerProc pLoadLemmatizer = nullptr;
    IsLemmatizerLoadProc pIsLemmatizerLoad = nullptr;
    UnloadLemmatizerProc pUnloadLemmatizer = nullptr;
    GetLemmasProc pGetLemmas = nullptr;
};

LemmatizerLibrary& Library() {
    static LemmatizerLibrary s_library;
    return s_library;
}

struct LanguageEntry {
    int nNameId;
    const char16_t* pszFolder;
};

constexpr LanguageEntry kLanguages[] = {
    {0, u""}, {41001, u"RusMorph"}, {41002, u"EngMorph"}, {41004, u"GerMorph"}};

constexpr const char* kExportNames[] = {"LoadLemmatizer", "IsLemmatizerLoad", "UnloadLemmatizer",
                                        "GetLemmas"};

std::u16string Widen(const char* psz) {
    return FromUtf8(psz);
}

}  // namespace

CLemmatizer::CLemmatizer(std::u16string strLibraryFolder)
    : m_strLibraryFolder(std::move(strLibraryFolder)) {
    Library() = LemmatizerLibrary{};
}

CLemmatizer::~CLemmatizer() {
    LemmatizerLibrary& lib = Library();
    if (lib.hModule == nullptr) return;
    UnloadLanguage(LANG_RUSSIAN);
    UnloadLanguage(LANG_ENGLISH);
    UnloadLanguage(LANG_GERMAN);
    dlclose(lib.hModule);
    lib = LemmatizerLibrary{};
}

bool CLemmatizer::LoadLemmatizerDll() {
    LemmatizerLibrary& lib = Library();
    if (lib.hModule != nullptr) return true;
    const std::u16string name = Widen(kLemmatizerLibraryName);
    const std::string path = ToUtf8(JoinPath(m_strLibraryFolder, name));
    void* hModule = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (hModule == nullptr) {
        SetError(FormatTextId(41301, {name}));
        return false;
    }
    void* procs[std::size(kExportNames)] = {};
    for (size_t i = 0; i < std::size(kExportNames); ++i) {
        procs[i] = dlsym(hModule, kExportNames[i]);
        if (procs[i] == nullptr) {
            // A library without the whole call table is never called at all.
            dlclose(hModule);
            SetError(FormatTextId(41302, {name, Widen(kExportNames[i])}));
            return false;
        }
    }
    lib.hModule = hModule;
    lib.pLoadLemmatizer = reinterpret_cast<LoadLemmatizerProc>(procs[0]);
    lib.pIsLemmatizerLoad = reinterpret_cast<IsLemmatizerLoadProc>(procs[1]);
    lib.pUnloadLemmatizer = reinterpret_cast<UnloadLemmatizerProc>(procs[2]);
    lib.pGetLemmas = reinterpret_cast<GetLemmasProc>(procs[3]);
    return true;
}

std::u16string CLemmatizer::LanguageDataFolder(int nCode) const {
    if (!IsLanguageCode(nCode)) return {};
    return JoinPath(m_strMorphRoot, kLanguages[nCode].pszFolder) + u'/';
}

bool CLemmatizer::LoadLanguage(int nCode) {
    m_strInfo.clear();
    if (!IsLanguageCode(nCode)) {
        SetError(41303);
        return false;
    }
    if (!m_bEnabled[nCode]) return true;
    const std::u16string name = LoadText(kLanguages[nCode].nNameId).value_or(u"");
    const bool bLibraryLoaded = LoadLemmatizerDll();
    const std::u16string libraryError = bLibraryLoaded ? std::u16string() : GetError();
    double dSeconds = 0.0;
    if (bLibraryLoaded) {
        const std::u16string path = LanguageDataFolder(nCode);
        if (Library().pLoadLemmatizer(path.c_str(), nCode, &dSeconds) != 0) {
            if (dSeconds > 0.0) m_strInfo = FormatTextId(41101, {name, dSeconds});
            return true;
        }
    }
    SetError(LoadFailureText(nCode, !bLibraryLoaded, libraryError));
    m_bEnabled[nCode] = false;
    return false;
}

std::u16string CLemmatizer::LoadFailureText(int nCode, bool bLibraryFailed,
                                            const std::u16string& libraryError) const {
    const std::u16string name = LoadText(kLanguages[nCode].nNameId).value_or(u"");
    std::u16string text;
    if (bLibraryFailed) {
        text = libraryError + u"\r\n";
        text += FormatTextId(41005, {m_strLibraryFolder}) + u"\r\n";
    }
    text += FormatTextId(41304, {name}) + u"\r\n";
    text += FormatTextId(41006, {LanguageDataFolder(nCode)}) + u"\r\n";
    text += FormatTextId(41007);
    return text;
}

int CLemmatizer::GetWordLemmas(const char* pszWord, int nCode, CMyArray<std::u16string>& arr,
                               bool bAppend) {
    if (!bAppend) arr.RemoveAll();
    if (pszWord != nullptr && IsLanguageCode(nCode) && m_bEnabled[nCode] &&
        Library().pGetLemmas != nullptr) {
        if (strnlen(pszWord, kMaxWordBytes + 1) > static_cast<size_t>(kMaxWordBytes))
            return arr.GetSize();
        m_szResult[0] = '\0';
        Library().pGetLemmas(pszWord, nCode, m_szResult.data(), kLemmaResultCapacity,
                             kLemmaSeparator);
        m_szResult.back() = '\0';
        AddLemmas(nCode, arr);
    }
    RemoveDuplicateLemmas(arr);
    return arr.GetSize();
}

int CLemmatizer::GetWordLemmas(std::u16string_view word, int nCode, CMyArray<std::u16string>& arr,
                               bool bAppend) {
    const std::string bytes = WideToMultiByte(word, LanguageCodePage(nCode));
    // A word with an inner NUL would be cut short by the library: no lemmas.
    if (bytes.find('\0') != std::string::npos) {
        if (!bAppend) arr.RemoveAll();
        RemoveDuplicateLemmas(arr);
        return arr.GetSize();
    }
    return GetWordLemmas(bytes.c_str(), nCode, arr, bAppend);
}

void CLemmatizer::AddLemmas(int nCode, CMyArray<std::u16string>& arr) {
    const char* pszPos = m_szResult.data();
    while (arr.GetSize() < kMaxLemmas) {
        const char* pszEnd = std::strchr(pszPos, kLemmaSeparator);
        if (pszEnd == nullptr) break;  // text after the last separator is not a lemma
        const size_t nLength = static_cast<size_t>(pszEnd - pszPos);
        // A lemma that does not fit the lemma buffer is skipped, never cut.
        if (nLength > 0 && nLength < m_szLemma.size()) {
            std::memcpy(m_szLemma.data(), pszPos, nLength);
            m_szLemma[nLength] = '\0';
            std::u16string lemma = MultiByteToWide(std::string_view(m_szLemma.data(), nLength),
                                                   LanguageCodePage(nCode));
            ToUpperString(lemma);
            arr.Add(std::move(lemma));
        }
        pszPos = pszEnd + 1;
    }
}

bool CLemmatizer::UnloadLanguage(int nCode) {
    if (!IsLanguageCode(nCode) || !m_bEnabled[nCode]) return false;
    if (Library().pUnloadLemmatizer == nullptr) return false;
    return Library().pUnloadLemmatizer(nCode) != 0;
}

bool CLemmatizer::IsLanguageEnabled(int nCode) const {
    return nCode >= 0 && nCode < static_cast<int>(m_bEnabled.size()) && m_bEnabled[nCode];
}

void CLemmatizer::EnableLanguage(int nCode) {
    if (IsLanguageCode(nCode)) m_bEnabled[nCode] = true;
}

CodePage CLemmatizer::LanguageCodePage(int nCode) {
    return nCode == LANG_RUSSIAN ? CodePage::Cp1251 : CodePage::Cp1252;
}

void RemoveDuplicateLemmas(CMyArray<std::u16string>& arr) {
    for (int i = 0; i < arr.GetSize(); ++i) {
        for (int j = arr.GetSize() - 1; j > i; --j) {
            if (arr[j] == arr[i]) arr.RemoveAt(j);
        }
    }
}
