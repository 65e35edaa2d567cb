#include "library/QueryForms.h"

#include <unordered_map>

#include "core/CharTables.h"

std::vector<CQueryWordRange> FindQueryWords(std::u16string_view query) {
    std::vector<CQueryWordRange> aWords;
    CQueryWordRange word;
    auto close = [&](size_t nEnd) {
        ToUpperString(word.strWord);
        word.nEnd = nEnd;
        aWords.push_back(std::move(word));
        word = {};
    };
    for (size_t i = 0; i < query.size(); ++i) {
        const char16_t c = query[i];
        const bool bWord = IsWordSymb(c);
        if (bWord) {
            if (word.strWord.empty()) word.nStart = i;
            word.strWord += c;
        }
        if ((!bWord || IsIdeogramSymb(c)) && !word.strWord.empty()) close(bWord ? i + 1 : i);
    }
    if (!word.strWord.empty()) close(query.size());
    return aWords;
}

std::vector<std::u16string> SplitQuery(std::u16string_view query) {
    std::vector<std::u16string> aWords;
    for (CQueryWordRange& word : FindQueryWords(query))
        aWords.push_back(std::move(word.strWord));
    return aWords;
}

std::vector<CQueryWord> PrepareQueryForms(std::span<const std::u16string> aWords,
                                          std::span<const int> aLanguages,
                                          const LemmaSource& lemmas) {
    std::vector<CQueryWord> aResult;
    aResult.reserve(aWords.size());
    std::unordered_map<std::u16string, size_t> seen;
    for (const std::u16string& word : aWords) {
        if (auto it = seen.find(word); it != seen.end()) {
            aResult.push_back(aResult[it->second]);
            continue;
        }
        CQueryWord entry{word, {{word, 0}}};
        if (word.size() >= MIN_LEMMA_WORD && word.size() <= MAX_LEMMA_WORD && lemmas) {
            std::vector<std::u16string> aLemmas;
            for (int nLang : aLanguages) {
                aLemmas.clear();
                lemmas(word, nLang, aLemmas);
                for (std::u16string& lemma : aLemmas)
                    if (lemma != word) entry.aForms.push_back({std::move(lemma), nLang});
            }
        }
        seen.emplace(word, aResult.size());
        aResult.push_back(std::move(entry));
    }
    return aResult;
}
