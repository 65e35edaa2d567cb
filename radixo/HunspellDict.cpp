#include "HunspellDict.h"

#include <hunspell.hxx>

#include <algorithm>
#include <fstream>

namespace {

// Hunspell refuses longer words anyway; cutting them off here keeps its
// buffers out of reach of oversized input.
constexpr size_t kMaxDictWordBytes = 200;

bool IsReadableFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char c = 0;
    return file && file.get(c);
}

}  // namespace

CHunspellDict::CHunspellDict() = default;
CHunspellDict::~CHunspellDict() = default;

bool CHunspellDict::Open(const std::string& affPath, const std::string& dicPath) {
    m_pHunspell.reset();
    if (!IsReadableFile(affPath) || !IsReadableFile(dicPath)) return false;
    auto pHunspell = std::make_unique<Hunspell>(affPath.c_str(), dicPath.c_str());
    const char* pszEncoding = pHunspell->get_dic_encoding();
    if (pszEncoding == nullptr || !m_encoding.Set(pszEncoding)) return false;
    m_pHunspell = std::move(pHunspell);
    return true;
}

bool CHunspellDict::ToDict(std::u16string_view word, std::string& out) const {
    if (!m_pHunspell || word.empty()) return false;
    out = m_encoding.FromWide(word);
    if (out.size() > kMaxDictWordBytes) return false;
    return m_encoding.ToWide(out) == word;
}

std::vector<std::u16string> CHunspellDict::Stem(std::u16string_view word) const {
    std::vector<std::u16string> stems;
    std::string dictWord;
    if (!ToDict(word, dictWord)) return stems;
    for (const std::string& stem : m_pHunspell->stem(dictWord)) {
        std::u16string wide = m_encoding.ToWide(stem);
        if (!wide.empty() && std::find(stems.begin(), stems.end(), wide) == stems.end())
            stems.push_back(std::move(wide));
    }
    return stems;
}

bool CHunspellDict::Spell(std::u16string_view word) const {
    std::string dictWord;
    return ToDict(word, dictWord) && m_pHunspell->spell(dictWord);
}
