// Any bytes as a word through libRadixo's GetLemmas, with the data folders
// the build puts beside the programs. The first byte picks the language and
// the buffer's capacity. The answer never reaches past the capacity, is
// NUL-terminated inside it, consists of whole lemmas of 1 to 49 bytes each
// followed by the separator, and is the same when asked again.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/LemmatizerApi.h"
#include "core/ProgramFolder.h"

extern "C" {
uint8_t LoadLemmatizer(const char16_t* pszDataFolder, int32_t nLang, double* pSeconds);
void GetLemmas(const char* pszWord, int32_t nLang, char* pBuffer, int32_t nCapacity,
               char chSeparator);
}

namespace {

constexpr char kGuard = '\x7F';

bool LoadAllLanguages() {
    const char16_t* const folders[] = {u"RusMorph", u"EngMorph", u"GerMorph"};
    for (int nLang = 1; nLang <= 3; ++nLang) {
        const std::u16string folder = JoinPath(GetProgramFolder(), folders[nLang - 1]) + u'/';
        double dSeconds = 0.0;
        if (LoadLemmatizer(folder.c_str(), nLang, &dSeconds) == 0)
            FuzzFail("a data folder beside the program does not load", folder);
    }
    return true;
}

std::string Answer(const std::string& word, int nLang, int nCapacity) {
    std::vector<char> buffer(static_cast<size_t>(nCapacity) + 32, kGuard);
    GetLemmas(word.c_str(), nLang, buffer.data(), nCapacity, ';');
    FUZZ_CHECK(
        std::all_of(buffer.begin() + nCapacity, buffer.end(), [](char c) { return c == kGuard; }),
        u"written past the capacity");
    const void* pEnd = std::memchr(buffer.data(), '\0', static_cast<size_t>(nCapacity));
    FUZZ_CHECK(pEnd != nullptr, u"no NUL inside the capacity");
    return std::string(buffer.data(),
                       static_cast<size_t>(static_cast<const char*>(pEnd) - buffer.data()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool s_bLoaded = LoadAllLanguages();
    (void)s_bLoaded;
    if (size == 0) return 0;
    const int nLang = 1 + (data[0] & 3) % 3;
    const int nCapacity = (data[0] & 0x80) ? kLemmaResultCapacity : 1 + ((data[0] >> 2) & 0x1F);
    const std::string word(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string answer = Answer(word, nLang, nCapacity);
    FUZZ_CHECK(answer.empty() || answer.back() == ';', u"the last lemma has no separator");
    size_t nStart = 0;
    for (size_t nEnd; (nEnd = answer.find(';', nStart)) != std::string::npos; nStart = nEnd + 1) {
        const size_t nLength = nEnd - nStart;
        FUZZ_CHECK(nLength >= 1 && nLength <= static_cast<size_t>(kMaxLemmaBytes),
                   u"a lemma is empty or too long");
    }
    FUZZ_CHECK(Answer(word, nLang, nCapacity) == answer, u"a second call answers otherwise");
    return 0;
}
