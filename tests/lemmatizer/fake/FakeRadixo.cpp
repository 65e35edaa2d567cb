// A stand-in lemmatiser library with canned answers, built twice as
// libRadixo.so: complete, and (FAKE_WITHOUT_UNLOAD) without UnloadLemmatizer
// and GetLemmas. Test-only exports count the calls it receives.
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

int g_nLoadCalls = 0;
int g_nGetCalls = 0;
int g_nUnloadCalls[4] = {};

bool IsFolder(const char16_t* psz) {
    std::string path;
    for (; *psz != 0; ++psz)
        path += static_cast<char>(*psz);  // tests use ASCII paths
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

#ifndef FAKE_WITHOUT_UNLOAD
std::string Answer(const std::string& word) {
    if (word == "DUP") return "a;b;a;";
    if (word == "TAIL") return "x;y";
    if (word == "SEVEN") return "1;2;3;4;5;6;7;";
    if (word == "FIVE") return "8;9;10;11;12;";
    if (word == "LONG") return std::string(50, 'l') + ";ok;" + std::string(49, 'e') + ";";
    if (word == "EMPTY") return ";;z;";
    if (word.rfind("ECHO", 0) == 0) return word + ";";
    return "seen;";
}
#endif

}  // namespace

FAKE_EXPORT uint8_t LoadLemmatizer(const char16_t* pszFolder, int32_t nLang, double* pSeconds) {
    ++g_nLoadCalls;
    if (!IsFolder(pszFolder)) return 0;
    *pSeconds = nLang == 2 ? 1.26 : 0.0;
    return 1;
}

FAKE_EXPORT uint8_t IsLemmatizerLoad() {
    return 1;
}

#ifndef FAKE_WITHOUT_UNLOAD
FAKE_EXPORT uint8_t UnloadLemmatizer(int32_t nLang) {
    if (nLang >= 0 && nLang < 4) ++g_nUnloadCalls[nLang];
    return 1;
}

FAKE_EXPORT void GetLemmas(const char* pszWord, int32_t, char* pBuffer, int32_t nCapacity,
                           char chSeparator) {
    ++g_nGetCalls;
    std::string answer = Answer(pszWord);
    for (char& c : answer) {
        if (c == ';') c = chSeparator;
    }
    answer.resize(std::min<size_t>(answer.size(), static_cast<size_t>(nCapacity - 1)));
    std::memcpy(pBuffer, answer.c_str(), answer.size() + 1);
}
#endif

FAKE_EXPORT int FakeLoadCalls() {
    return g_nLoadCalls;
}
FAKE_EXPORT int FakeGetCalls() {
    return g_nGetCalls;
}
FAKE_EXPORT int FakeUnloadCalls(int nLang) {
    return nLang >= 0 && nLang < 4 ? g_nUnloadCalls[nLang] : -1;
}
