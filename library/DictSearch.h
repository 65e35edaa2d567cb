// The search engine: finds the articles of the current group's enabled
// dictionaries that contain the user's phrase, each query word literally or
// through one of its lemmas, and files them per dictionary into the eight
// match classes in the order the user chose.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "core/MyObject.h"
#include "library/DictResults.h"
#include "library/PhraseFinder.h"
#include "library/QueryForms.h"
#include "library/ResultFiles.h"

class CDictGroupList;
class CDictIndexFile;
class CLemmatizer;

// The lemmas of a lemmatizer, converted to and from the code page of each
// language.
CLemmaProvider LemmaProviderFor(CLemmatizer& lemmatizer);

class CDictSearch : public CMyObject {
public:
    // Both belong to the caller and outlive the engine; without a lemmatizer
    // the words are looked up literally.
    CDictSearch(CLemmatizer* pLemmatizer, CDictGroupList& groups);
    // Lemmas from elsewhere (tests, tools).
    CDictSearch(CLemmaProvider provider, CDictGroupList& groups)
        : m_lemmas(std::move(provider)), m_groups(groups) {}

    // True when the search ran to its end, with or without hits. False when
    // the group has no enabled dictionary (no message), when bCancel was
    // seen set (no message), or on an error, whose text is left here.
    // bCancel is written by another thread and only read here.
    [[nodiscard]] bool SearchText(std::u16string_view query, int nSortMode, int nArea,
                                  const std::atomic<bool>& bCancel);
    // Empties the results of every dictionary.
    void ClearResults();

    // By position in the current group, as of the last search; an index
    // outside the range gives nullptr.
    int GetPositionCount() const { return static_cast<int>(m_aResults.size()); }
    const CDictResults* GetResults(int nPos) const;
    // The dictionary at nPos when it took part (was enabled), else nullptr.
    CDictIndexFile* GetParticipant(int nPos) const;
    // The n-th result of the dictionary at nPos in display order.
    const CSearchResult* GetResultAt(int nPos, int nOrdinal) const;
    // The dictionaries with results and the one shown first.
    CResultFileList GetFilesWithResults() const;

    // The query words of the last search with their forms.
    const std::vector<CQueryWord>& GetQueryWords() const { return m_aQuery; }

private:
    void PrepareQueryForms(std::u16string_view query);
    std::vector<int> CollectLanguages() const;
    bool SearchDictionary(CDictIndexFile& dict, CDictResults& results, int nSortMode, int nArea,
                          const std::atomic<bool>& bCancel);
    bool FindFormsOccurrences(CDictIndexFile& dict, const CQueryWord& word, CWordLists& lists);
    bool FindWordOccurrences(CDictIndexFile& dict, std::u16string_view form, int nSide,
                             CWordLists& lists);

    CLemmaProvider m_lemmas;
    CDictGroupList& m_groups;
    std::vector<CQueryWord> m_aQuery;
    std::vector<CDictResults> m_aResults;
    std::vector<CDictIndexFile*> m_aParticipants;
};
