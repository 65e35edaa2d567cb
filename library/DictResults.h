// The hits of one dictionary of the current group, filed into the eight match
// classes, and the arithmetic that pages them for display.
#pragma once

#include <array>
#include <vector>

#include "dictformat/MatchClass.h"
#include "library/SearchResult.h"

inline constexpr int RESULTS_PAGE_SIZE = 20;

class CDictResults {
public:
    using CResultList = std::vector<CSearchResult>;

    // List k holds the results of match class k; an index outside 0..7 is
    // an invariant violation and throws CMyObjectThrow.
    CResultList& GetList(int nClass);
    const CResultList& GetList(int nClass) const;

    // The sum of the sizes of the eight lists.
    int GetTotal() const;
    // The smallest class that holds a result, or -1 when all are empty.
    int GetBestClass() const;
    void Clear();

    // The n-th result in display order (class 0 first, then 1 to 7, each
    // list in its stored order); nullptr when n lies outside 0..total-1.
    const CSearchResult* GetResultAt(int nOrdinal) const;

    // Calls fn(result, ordinal) for the results of page nPage (from 0) in
    // display order.
    template <class Fn>
    void ForEachOnPage(int nPage, Fn&& fn) const;

private:
    std::array<CResultList, MATCH_CLASS_COUNT> m_aLists;
};

// total / 20, plus one for a remainder.
int GetPageCount(int nTotal);
// The 1-based numbers of the first and last article that page nPage shows.
int GetPageFirstArticle(int nPage);
int GetPageLastArticle(int nPage, int nTotal);

template <class Fn>
void CDictResults::ForEachOnPage(int nPage, Fn&& fn) const {
    if (nPage < 0) return;
    const long long nFirst = static_cast<long long>(nPage) * RESULTS_PAGE_SIZE;
    const long long nLast = nFirst + RESULTS_PAGE_SIZE - 1;
    long long nCount = 0;
    for (const CResultList& list : m_aLists) {
        if (nCount + static_cast<long long>(list.size()) <= nFirst) {
            nCount += static_cast<long long>(list.size());
            continue;
        }
        for (const CSearchResult& result : list) {
            if (nCount >= nFirst) fn(result, static_cast<int>(nCount));
            if (nCount == nLast) return;
            ++nCount;
        }
    }
}
