#include "library/DictSearch.h"

#include "dictformat/DictIndexFile.h"
#include "library/DictGroupList.h"
#include "library/DictLibrary.h"

bool CDictSearch::SearchText(std::u16string_view query, int nSortMode, int nArea,
                             const std::atomic<bool>& bCancel) {
    ClearError();
    const CDictGroup* pGroup = m_groups.GetGroup(m_groups.GetCurrentGroup());
    if (pGroup == nullptr || !pGroup->HasEnabled()) return false;

    const int nCount = pGroup->Count();
    CDictLibrary& library = m_groups.GetLibrary();
    for (int i = 0; i < nCount; ++i) {
        CDictIndexFile* pDict = pGroup->GetDict(i);
        if (pDict == nullptr || !pGroup->IsEnabled(i) || !pDict->IsValid()) continue;
        if (!library.ReopenIfChanged(*pDict)) {
            SetError(library.GetError());
            return false;
        }
    }
    if (GetPositionCount() != nCount)
        m_aResults.assign(static_cast<size_t>(nCount), CDictResults{});
    else
        ClearResults();
    m_aParticipants.assign(static_cast<size_t>(nCount), nullptr);
    for (int i = 0; i < nCount; ++i) {
        CDictIndexFile* pDict = pGroup->GetDict(i);
        if (pDict != nullptr && pGroup->IsEnabled(i) && pDict->IsValid())
            m_aParticipants[static_cast<size_t>(i)] = pDict;
    }

    PrepareQueryForms(query);
    for (int i = 0; i < nCount; ++i) {
        CDictIndexFile* pDict = m_aParticipants[static_cast<size_t>(i)];
        if (pDict == nullptr) continue;
        const bool bSearched =
            SearchDictionary(*pDict, m_aResults[static_cast<size_t>(i)], nSortMode, nArea, bCancel);
        // Bytes the file lost under the search make its results worthless.
        if (!library.CheckReadFault(*pDict)) {
            SetError(library.GetError());
            return false;
        }
        if (!bSearched) return false;
    }
    return true;
}

void CDictSearch::ClearResults() {
    for (CDictResults& results : m_aResults)
        results.Clear();
}

std::vector<int> CDictSearch::CollectLanguages() const {
    std::vector<int> aLanguages;
    if (!m_lemmas.isLanguageEnabled) return aLanguages;
    for (const CDictIndexFile* pDict : m_aParticipants) {
        if (pDict == nullptr) continue;
        for (int i = 0; i < pDict->GetMorphDescrCount(); ++i) {
            const int nLang = pDict->GetMorphDescr(i).nLangId;
            if (std::find(aLanguages.begin(), aLanguages.end(), nLang) == aLanguages.end())
                aLanguages.push_back(nLang);
        }
    }
    std::erase_if(aLanguages, [&](int nLang) { return !m_lemmas.isLanguageEnabled(nLang); });
    return aLanguages;
}

void CDictSearch::PrepareQueryForms(std::u16string_view query) {
    const std::vector<std::u16string> aWords = SplitQuery(query);
    const std::vector<int> aLanguages = CollectLanguages();
    m_aQuery = ::PrepareQueryForms(aWords, aLanguages, m_lemmas.lemmas);
}

const CDictResults* CDictSearch::GetResults(int nPos) const {
    if (nPos < 0 || nPos >= GetPositionCount()) return nullptr;
    return &m_aResults[static_cast<size_t>(nPos)];
}

CDictIndexFile* CDictSearch::GetParticipant(int nPos) const {
    if (nPos < 0 || nPos >= static_cast<int>(m_aParticipants.size())) return nullptr;
    return m_aParticipants[static_cast<size_t>(nPos)];
}

const CSearchResult* CDictSearch::GetResultAt(int nPos, int nOrdinal) const {
    const CDictResults* pResults = GetResults(nPos);
    return pResults ? pResults->GetResultAt(nOrdinal) : nullptr;
}

CResultFileList CDictSearch::GetFilesWithResults() const {
    std::vector<const CDictResults*> aResults;
    for (int i = 0; i < GetPositionCount(); ++i)
        aResults.push_back(GetParticipant(i) ? GetResults(i) : nullptr);
    return BuildFilesWithResults(aResults);
}
