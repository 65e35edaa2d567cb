#include "Suggestions.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "QueryForms.h"
#include "core/CharTables.h"
#include "dictformat/DictIndexFile.h"
#include "dictformat/IndexWords.h"

namespace {

struct CCandidate {
    std::u16string strForm;
    std::u16string strShown;
    uint64_t nOccurrences = 0;
};

// The words of several dictionaries, each form once, with the occurrences
// of all of them.
class CCandidates {
public:
    void Add(const CDictIndexFile& dict, const CIndexWord& word) {
        const auto [it, bNew] = m_index.try_emplace(word.strForm, m_aWords.size());
        if (bNew) m_aWords.push_back({word.strForm, {}, 0});
        CCandidate& candidate = m_aWords[it->second];
        if (candidate.strShown.empty()) candidate.strShown = WrittenForm(dict.GetIndexView(), word);
        candidate.nOccurrences += word.occurrences.size();
    }
    bool Has(const std::u16string& form) const { return m_index.contains(form); }
    std::vector<CCandidate>& Words() { return m_aWords; }

private:
    std::vector<CCandidate> m_aWords;
    std::unordered_map<std::u16string, size_t> m_index;
};

bool HoldsForm(std::span<CDictIndexFile* const> dicts, std::u16string_view form) {
    return std::ranges::any_of(dicts, [&](CDictIndexFile* pDict) {
        return pDict->GetIndexView().LookupForm(form).status == CFormLookup::FOUND;
    });
}

const std::u16string& Shown(const CCandidate& candidate) {
    return candidate.strShown.empty() ? candidate.strForm : candidate.strShown;
}

// The candidates of one walk over every dictionary; false with the error.
template <class Walk>
bool Collect(std::span<CDictIndexFile* const> dicts, Walk walk, CCandidates& candidates,
             std::u16string& strError) {
    std::vector<CIndexWord> words;
    for (CDictIndexFile* pDict : dicts) {
        if (!walk(*pDict, words)) {
            strError = pDict->GetError();
            return false;
        }
        for (const CIndexWord& word : words)
            candidates.Add(*pDict, word);
    }
    return true;
}

// The forms of every dictionary that begin with a text, at most nMax of each.
bool CollectWithPrefix(std::span<CDictIndexFile* const> dicts, std::u16string_view form,
                       size_t nMax, CCandidates& candidates, std::u16string& strError) {
    return Collect(
        dicts,
        [&](CDictIndexFile& dict, std::vector<CIndexWord>& words) {
            return dict.FindFormsWithPrefix(form, nMax, words);
        },
        candidates, strError);
}

}  // namespace

CWordList SuggestQueries(std::span<CDictIndexFile* const> dicts, std::u16string_view query,
                         size_t nMax) {
    CWordList list;
    const std::vector<CQueryWordRange> ranges = FindQueryWords(query);
    const auto unknown = std::ranges::find_if(
        ranges, [&](const CQueryWordRange& range) { return !HoldsForm(dicts, range.strWord); });
    if (unknown == ranges.end()) return list;
    const std::u16string& word = unknown->strWord;

    CCandidates starting;
    if (!CollectWithPrefix(dicts, word, nMax, starting, list.strError)) return list;
    CCandidates near;
    if (!Collect(
            dicts,
            [&](CDictIndexFile& dict, std::vector<CIndexWord>& words) {
                return dict.FindFormsOneEditAway(word, words);
            },
            near, list.strError))
        return list;
    std::ranges::sort(starting.Words(), [](const CCandidate& a, const CCandidate& b) {
        return std::pair(a.strForm.size(), std::u16string_view(a.strForm)) <
               std::pair(b.strForm.size(), std::u16string_view(b.strForm));
    });
    std::ranges::sort(near.Words(), [](const CCandidate& a, const CCandidate& b) {
        return a.nOccurrences != b.nOccurrences ? a.nOccurrences > b.nOccurrences
                                                : a.strForm < b.strForm;
    });
    auto add = [&](const CCandidate& candidate) {
        if (list.aWords.size() >= nMax) return;
        std::u16string text(query);
        text.replace(unknown->nStart, unknown->nEnd - unknown->nStart, Shown(candidate));
        list.aWords.push_back(std::move(text));
    };
    for (const CCandidate& candidate : starting.Words())
        add(candidate);
    for (const CCandidate& candidate : near.Words())
        if (!starting.Has(candidate.strForm)) add(candidate);
    return list;
}

CWordList ListWordsWithPrefix(std::span<CDictIndexFile* const> dicts, std::u16string_view prefix) {
    CWordList list;
    std::u16string form(prefix);
    ToUpperString(form);
    CCandidates words;
    if (!CollectWithPrefix(dicts, form, SIZE_MAX, words, list.strError)) return list;
    std::ranges::sort(words.Words(), {}, &CCandidate::strForm);
    for (const CCandidate& candidate : words.Words())
        list.aWords.push_back(Shown(candidate));
    return list;
}
