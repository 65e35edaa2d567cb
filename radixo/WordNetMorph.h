// English base forms from WordNet's dict folder, found the way WordNet's own
// morphy finds them: a word in a part of speech's exception list gives the
// listed bases; otherwise the results of the suffix rules count when the part
// of speech's index holds them. The word itself counts where it is listed
// and no base was found for it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CWordNetMorph {
public:
    enum Pos { NOUN, VERB, ADJ, ADV, POS_COUNT };

    // Reads index.{noun,verb,adj,adv} and {noun,verb,adj,adv}.exc; false when
    // an index file is missing or empty.
    bool Load(const std::string& folder);
    // Base forms of a lower-cased word, nouns first, then verbs, adjectives
    // and adverbs, each once; then the word itself if it is a lemma too.
    std::vector<std::string> Morphy(std::string_view word) const;
    bool IsInIndex(std::string_view word, Pos pos) const;

    // The files Load reads from a dict folder.
    static std::vector<std::string> Files(const std::string& folder);
    // Whether every index file of a dict folder is there and not empty.
    static bool HasIndexes(const std::string& folder);
    // Every word Morphy gives an answer for: the lemmas, the exception forms
    // and the forms the suffix rules lead back to a lemma.
    std::vector<std::string> Words() const;

private:
    bool LoadIndex(const std::string& path, Pos pos);
    void LoadExceptions(const std::string& path, Pos pos);
    void AddByRules(const std::string& word, Pos pos, std::vector<std::string>& out) const;

    // Every lemma of the four indexes with a bit per part of speech.
    std::unordered_map<std::string, uint8_t> m_index;
    std::array<std::unordered_map<std::string, std::vector<std::string>>, POS_COUNT> m_exceptions;
};
