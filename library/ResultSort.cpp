#include "library/ResultSort.h"

#include <algorithm>
#include <limits>

CRelevanceKey GetRelevanceKey(const CSearchResult& result, int nClass) {
    long long nPartStart = 0;
    long long nPartEnd = 0;
    if (!result.HasSplit()) {
        // Taken literally, a missing separator would give a negative part
        // size and put every undivided article before all divided ones.
        nPartStart = result.m_nLeftStart;
        nPartEnd = result.m_nRightEnd;
    } else if (nClass <= 3) {
        nPartStart = result.m_nLeftStart;
        nPartEnd = result.m_nLeftEnd;
    } else {
        nPartStart = result.m_nRightStart;
        nPartEnd = result.m_nRightEnd;
    }
    long long nFirst = std::numeric_limits<long long>::max();
    for (const CMatchSpan& span : result.m_aSpans)
        nFirst = std::min(nFirst, static_cast<long long>(span.nStart) - nPartStart);
    return {nFirst, nPartEnd - nPartStart};
}

void SortResultList(std::vector<CSearchResult>& aList, int nSortMode, int nClass) {
    if (nSortMode == SORT_ALPHABET) {
        std::stable_sort(aList.begin(), aList.end(),
                         [](const CSearchResult& a, const CSearchResult& b) {
                             return a.m_nSortKey < b.m_nSortKey;
                         });
    } else if (nSortMode == SORT_RELEVANCE) {
        std::vector<std::pair<CRelevanceKey, size_t>> aKeys;
        aKeys.reserve(aList.size());
        for (size_t i = 0; i < aList.size(); ++i)
            aKeys.emplace_back(GetRelevanceKey(aList[i], nClass), i);
        std::stable_sort(aKeys.begin(), aKeys.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<CSearchResult> aSorted;
        aSorted.reserve(aList.size());
        for (const auto& [key, i] : aKeys)
            aSorted.push_back(std::move(aList[i]));
        aList = std::move(aSorted);
    }
}
