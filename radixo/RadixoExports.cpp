// The four exports of libRadixo.so. Every call is serialised: Hunspell is not
// reentrant, and a module must not be replaced while a word is looked up.
// Nothing a caller passes may crash the library; failures show in results.
#include <array>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>

#include "MorphModule.h"
#include "core/LemmatizerApi.h"
#include "core/Utf8.h"

#define RADIXO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Path lengths beyond this are no folder of ours.
constexpr size_t kMaxFolderUnits = 4096;

struct LoadedModule {
    std::unique_ptr<CMorphModule> pModule;
    std::u16string folder;
};

std::mutex g_mutex;
std::array<LoadedModule, 4> g_modules;  // by language code; 0 unused

bool IsLanguage(int32_t nLang) {
    return nLang >= 1 && nLang <= 3;
}

std::u16string BoundedText(const char16_t* psz) {
    std::u16string text;
    for (; *psz != u'\0' && text.size() <= kMaxFolderUnits; ++psz)
        text += *psz;
    return text;
}

// As many lemmas as fit, in order, each followed by the separator.
void WriteLemmas(const std::vector<std::string>& lemmas, char* pBuffer, size_t nCapacity,
                 char chSeparator) {
    size_t nUsed = 0;
    for (const std::string& lemma : lemmas) {
        if (lemma.find(chSeparator) != std::string::npos || lemma.find('\0') != std::string::npos)
            continue;
        if (nUsed + lemma.size() + 2 > nCapacity) break;  // lemma, separator, final NUL
        std::memcpy(pBuffer + nUsed, lemma.data(), lemma.size());
        nUsed += lemma.size();
        pBuffer[nUsed++] = chSeparator;
    }
    pBuffer[nUsed] = '\0';
}

}  // namespace

RADIXO_EXPORT uint8_t LoadLemmatizer(const char16_t* pszDataFolder, int32_t nLang,
                                     double* pSeconds) {
    if (pSeconds != nullptr) *pSeconds = 0.0;
    if (pszDataFolder == nullptr || !IsLanguage(nLang)) return 0;
    try {
        const std::u16string folder = BoundedText(pszDataFolder);
        if (folder.empty() || folder.size() > kMaxFolderUnits) return 0;
        std::lock_guard lock(g_mutex);
        LoadedModule& loaded = g_modules[static_cast<size_t>(nLang)];
        // Loaded again from the same folder (the next compile run): nothing to do.
        if (loaded.pModule && loaded.folder == folder) return 1;
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<CMorphModule> pModule = CMorphModule::Create(nLang);
        if (!pModule || !pModule->Load(ToUtf8(folder))) return 0;
        loaded = {std::move(pModule), folder};
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (pSeconds != nullptr) *pSeconds = elapsed.count();
        return 1;
    } catch (...) {
        return 0;
    }
}

RADIXO_EXPORT uint8_t IsLemmatizerLoad() {
    std::lock_guard lock(g_mutex);
    for (const LoadedModule& loaded : g_modules) {
        if (loaded.pModule) return 1;
    }
    return 0;
}

RADIXO_EXPORT uint8_t UnloadLemmatizer(int32_t nLang) {
    if (!IsLanguage(nLang)) return 0;
    std::lock_guard lock(g_mutex);
    g_modules[static_cast<size_t>(nLang)] = LoadedModule{};
    return 1;
}

RADIXO_EXPORT void GetLemmas(const char* pszWord, int32_t nLang, char* pBuffer, int32_t nCapacity,
                             char chSeparator) {
    if (pBuffer == nullptr || nCapacity <= 0) return;
    pBuffer[0] = '\0';
    if (pszWord == nullptr || !IsLanguage(nLang) || chSeparator == '\0') return;
    try {
        // Only the first bytes are ever read: an overlong word is no word.
        const size_t nLength = strnlen(pszWord, kMaxWordBytes * 2 + 1);
        if (nLength == 0 || nLength > kMaxWordBytes * 2) return;
        std::lock_guard lock(g_mutex);
        CMorphModule* pModule = g_modules[static_cast<size_t>(nLang)].pModule.get();
        if (pModule == nullptr) return;
        WriteLemmas(pModule->Lemmas(std::string(pszWord, nLength)), pBuffer,
                    static_cast<size_t>(nCapacity), chSeparator);
    } catch (...) {
        pBuffer[0] = '\0';
    }
}
