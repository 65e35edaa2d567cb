// The order of the results inside one match class.
#pragma once

#include <vector>

#include "library/SearchResult.h"

enum SortMode { SORT_NONE = 0, SORT_ALPHABET = 1, SORT_RELEVANCE = 2 };

// Puts a list that holds the results of class nClass in arrival order into
// the order of the sort mode. Each result lands after every earlier one that
// does not sort after it, exactly as inserting them one by one would:
// - none: arrival order;
// - alphabet: ascending sort key (signed);
// - relevance: ascending distance of the first match from the start of the
//   part that holds it (left part for classes 0-3, right part for 4-7), then
//   ascending length of that part. An undivided article counts as one part.
void SortResultList(std::vector<CSearchResult>& aList, int nSortMode, int nClass);

struct CRelevanceKey {
    long long nFirst = 0;
    long long nSize = 0;
    auto operator<=>(const CRelevanceKey&) const = default;
};
CRelevanceKey GetRelevanceKey(const CSearchResult& result, int nClass);
