#include "WordNetMorph.h"

#include <algorithm>
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

}  // namespace

bool CWordNetMorph::Load(const std::string& folder) {
    m_index.clear();
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    for (int pos = 0; pos < POS_COUNT; ++pos) {
        if (!LoadIndex(prefix + "index." + kPosNames[pos], static_cast<Pos>(pos))) return false;
        LoadExceptions(prefix + kPosNames[pos] + ".exc", static_cast<Pos>(pos));
    }
    return true;
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
    std::span<const SuffixRule> rules;
    if (pos == NOUN) rules = kNounRules;
    if (pos == VERB) rules = kVerbRules;
    if (pos == ADJ) rules = kAdjRules;
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
