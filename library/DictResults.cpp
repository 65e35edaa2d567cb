#include "library/DictResults.h"

#include <algorithm>

#include "core/MyObject.h"

namespace {
void CheckClass(int nClass, const char16_t* pszWhere) {
    if (nClass < 0 || nClass >= MATCH_CLASS_COUNT)
        throw CMyObjectThrow(InternalError(pszWhere, u"Invalid match class"));
}
}  // namespace

CDictResults::CResultList& CDictResults::GetList(int nClass) {
    CheckClass(nClass, u"CDictResults::GetList");
    return m_aLists[static_cast<size_t>(nClass)];
}

const CDictResults::CResultList& CDictResults::GetList(int nClass) const {
    CheckClass(nClass, u"CDictResults::GetList");
    return m_aLists[static_cast<size_t>(nClass)];
}

int CDictResults::GetTotal() const {
    size_t nTotal = 0;
    for (const CResultList& list : m_aLists)
        nTotal += list.size();
    return static_cast<int>(nTotal);
}

int CDictResults::GetBestClass() const {
    for (int k = 0; k < MATCH_CLASS_COUNT; ++k)
        if (!m_aLists[static_cast<size_t>(k)].empty()) return k;
    return -1;
}

void CDictResults::Clear() {
    for (CResultList& list : m_aLists)
        list.clear();
}

const CSearchResult* CDictResults::GetResultAt(int nOrdinal) const {
    if (nOrdinal < 0) return nullptr;
    size_t n = static_cast<size_t>(nOrdinal);
    for (const CResultList& list : m_aLists) {
        if (n < list.size()) return &list[n];
        n -= list.size();
    }
    return nullptr;
}

int GetPageCount(int nTotal) {
    if (nTotal <= 0) return 0;
    return nTotal / RESULTS_PAGE_SIZE + (nTotal % RESULTS_PAGE_SIZE > 0 ? 1 : 0);
}

int GetPageFirstArticle(int nPage) {
    return RESULTS_PAGE_SIZE * nPage + 1;
}

int GetPageLastArticle(int nPage, int nTotal) {
    return std::min(RESULTS_PAGE_SIZE * nPage + RESULTS_PAGE_SIZE, nTotal);
}
