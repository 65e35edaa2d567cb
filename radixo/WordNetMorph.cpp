#include "WordNetMorph.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>

namespace {

constexpr const char* kPosNames[] = {"noun", "verb", "adj", "adv"};

struct SuffixRule {
    std::string_view suffix;
    std::string_view ending;
};

// WordNet's detachment rules per part of speech; adverbs have none.
constexpr SuffixRule kNounRules[] = {{"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
                                     {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr SuffixRule kVerbRules[] = {{"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
                                     {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr SuffixRule kAdjRules[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void AddOnce(std::vector<std::string>& out, const std::string& word) {
    if (std::find(out.begin(), out.end(), word) == out.end()) out.push_back(word);
}

bool IsVowel(char c) {
    return std::string_view("aeiou").find(c) != std::string_view::npos;
}

// "hop", "plan": one syllable ending in a single vowel and a consonant. Such
// a stem doubles its consonant before -ed, -ing, -er and -est (hopped), so
// "hoped" cannot come from it.
bool IsShortDoublingStem(std::string_view stem) {
    if (stem.size() < 3) return false;
    const char last = stem.back();
    if (IsVowel(last) || std::string_view("wxy").find(last) != std::string_view::npos) return false;
    if (!IsVowel(stem[stem.size() - 2]) || IsVowel(stem[stem.size() - 3])) return false;
    return std::count_if(stem.begin(), stem.end() - 2, IsVowel) == 0;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::span<const SuffixRule> Rules(CWordNetMorph::Pos pos) {
    if (pos == CWordNetMorph::NOUN) return kNounRules;
    if (pos == CWordNetMorph::VERB) return kVerbRules;
    if (pos == CWordNetMorph::ADJ) return kAdjRules;
    return {};
}

}  // namespace

std::vector<std::string> CWordNetMorph::Files(const std::string& folder) {
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    std::vector<std::string> files;
    for (const char* pszPos : kPosNames) {
        files.push_back(prefix + "index." + pszPos);
        files.push_back(prefix + pszPos + ".exc");
    }
    return files;
}

bool CWordNetMorph::HasIndexes(const std::string& folder) {
    const std::vector<std::string> files = Files(folder);
    for (size_t i = 0; i < files.size(); i += 2) {
        std::error_code error;
        const auto nSize = std::filesystem::file_size(files[i], error);
        if (error || nSize == 0) return false;
    }
    return true;
}

bool CWordNetMorph::Load(const std::string& folder) {
    m_index.clear();
    const std::vector<std::string> files = Files(folder);
    for (int pos = 0; pos < POS_COUNT; ++pos) {
        if (!LoadIndex(files[2 * pos], static_cast<Pos>(pos))) return false;
        LoadExceptions(files[2 * pos + 1], static_cast<Pos>(pos));
    }
    return true;
}

std::vector<std::string> CWordNetMorph::Words() const {
    std::vector<std::string> words;
    for (const auto& [lemma, posBits] : m_index) {
        words.push_back(lemma);
        for (int nPos = 0; nPos < POS_COUNT; ++nPos) {
            if ((posBits & (1u << nPos)) == 0) continue;
            for (const SuffixRule& rule : Rules(static_cast<Pos>(nPos))) {
                if (EndsWith(lemma, rule.ending))
                    words.push_back(lemma.substr(0, lemma.size() - rule.ending.size()) +
                                    std::string(rule.suffix));
            }
        }
    }
    for (const auto& exceptions : m_exceptions) {
        for (const auto& entry : exceptions)
            words.push_back(entry.first);
    }
    return words;
}

bool CWordNetMorph::LoadIndex(const std::string& path, Pos pos) {
    const std::string text = ReadFile(path);
    bool bAny = false;
    size_t nPos = 0;
    while (nPos < text.size()) {
        size_t nEnd = text.find('\n', nPos);
        if (nEnd == std::string::npos) nEnd = text.size();
        // Lines of the licence start with a space; entries with their lemma.
        if (text[nPos] != ' ') {
            const size_t nSpace = text.find(' ', nPos);
            if (nSpace != std::string::npos && nSpace < nEnd) {
                m_index[text.substr(nPos, nSpace - nPos)] |= static_cast<uint8_t>(1u << pos);
                bAny = true;
            }
        }
        nPos = nEnd + 1;
    }
    return bAny;
}

void CWordNetMorph::LoadExceptions(const std::string& path, Pos pos) {
    m_exceptions[pos].clear();
    std::istringstream text(ReadFile(path));
    std::string line;
    while (std::getline(text, line)) {
        std::istringstream words(line);
        std::string form, base;
        if (!(words >> form)) continue;
        std::vector<std::string>& bases = m_exceptions[pos][form];
        while (words >> base)
            AddOnce(bases, base);
    }
}

bool CWordNetMorph::IsInIndex(std::string_view word, Pos pos) const {
    const auto it = m_index.find(std::string(word));
    return it != m_index.end() && (it->second & (1u << pos)) != 0;
}

std::vector<std::string> CWordNetMorph::Morphy(std::string_view word) const {
    std::vector<std::string> result;
    if (word.empty()) return result;
    const std::string form(word);
    std::array<std::vector<std::string>, POS_COUNT> derived;
    for (int nPos = 0; nPos < POS_COUNT; ++nPos) {
        const Pos pos = static_cast<Pos>(nPos);
        const auto it = m_exceptions[pos].find(form);
        if (it == m_exceptions[pos].end()) {
            AddByRules(form, pos, derived[pos]);
            continue;
        }
        for (const std::string& base : it->second) {
            if (IsInIndex(base, pos)) AddOnce(derived[pos], base);
        }
    }
    for (const auto& bases : derived) {
        for (const std::string& base : bases)
            AddOnce(result, base);
    }
    // The word is a lemma of its own in a part of speech where it is listed
    // and not an inflected form (days is day's plural, not a noun "days");
    // an adjective spelled like a form of a verb is that verb's participle
    // (made, stopped, built).
    for (int nPos = 0; nPos < POS_COUNT; ++nPos) {
        const Pos pos = static_cast<Pos>(nPos);
        if (!IsInIndex(form, pos) || !derived[pos].empty()) continue;
        if (pos == ADJ && !derived[VERB].empty()) continue;
        AddOnce(result, form);
    }
    return result;
}

void CWordNetMorph::AddByRules(const std::string& word, Pos pos,
                               std::vector<std::string>& out) const {
    const std::span<const SuffixRule> rules = Rules(pos);
    // As in morphy: words of two letters and nouns in -ss are not detached.
    if (word.size() <= 2 || (pos == NOUN && EndsWith(word, "ss"))) return;
    for (const SuffixRule& rule : rules) {
        if (!EndsWith(word, rule.suffix) || word.size() == rule.suffix.size()) continue;
        std::string base = word.substr(0, word.size() - rule.suffix.size());
        const bool bDoublingSuffix =
            rule.suffix != "s" && rule.suffix != "es" && rule.suffix != "ies";
        if (pos != NOUN && rule.ending.empty() && bDoublingSuffix && IsShortDoublingStem(base))
            continue;
        base += rule.ending;
        if (IsInIndex(base, pos)) AddOnce(out, base);
    }
}
