// A query cut into words, each with the forms it is looked up by: the word
// itself and its lemmas in every morphology language of the group.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CQueryForm {
    std::u16string strText;
    int nLangId = 0;  // 0 for the word itself
};

struct CQueryWord {
    std::u16string strText;
    std::vector<CQueryForm> aForms;  // the word itself first
};

// Words are maximal runs of word characters, upper-cased; an ideographic or
// Thai unit closes the word it ends.
std::vector<std::u16string> SplitQuery(std::u16string_view query);

// The same words with the units [nStart, nEnd) of the query each one came
// from.
struct CQueryWordRange {
    std::u16string strWord;
    size_t nStart = 0;
    size_t nEnd = 0;
};
std::vector<CQueryWordRange> FindQueryWords(std::u16string_view query);

// Appends the lemmas of an upper-cased word in one language to aLemmas.
using LemmaSource = std::function<void(std::u16string_view word, int nLangId,
                                       std::vector<std::u16string>& aLemmas)>;

// Where the search takes lemmas from: which languages are switched on, and
// the lemmas of a word. Empty functions: no language, no lemmas.
struct CLemmaProvider {
    std::function<bool(int nLangId)> isLanguageEnabled;
    LemmaSource lemmas;
};

inline constexpr size_t MIN_LEMMA_WORD = 3;
inline constexpr size_t MAX_LEMMA_WORD = 50;

// Each word of 3 to 50 code units gets the lemmas of every language in
// order, without those equal to the word itself; a word that occurs several
// times in the query is looked up once.
std::vector<CQueryWord> PrepareQueryForms(std::span<const std::u16string> aWords,
                                          std::span<const int> aLanguages,
                                          const LemmaSource& lemmas);
