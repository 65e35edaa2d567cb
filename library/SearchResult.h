// One article found by a search: where its parts and its group caption lie in
// the dictionary's text, how it sorts, and where the query matched.
#pragma once

#include <cstdint>
#include <vector>

#include "dictformat/MatchClass.h"

// A matched stretch of text: code-unit positions in the text block, start
// inclusive, end exclusive.
struct CMatchSpan {
    int nStart = 0;
    int nEnd = 0;
    bool operator==(const CMatchSpan&) const = default;
};

class CSearchResult {
public:
    // An article whose left end or right start is negative is not divided:
    // its whole text runs from the left start to the right end.
    bool HasSplit() const { return m_nLeftEnd >= 0 && m_nRightStart >= 0; }
    bool HasCaption() const { return m_nCaptionPos >= 0; }
    bool CaptionHasSplit() const { return m_nCaptionLeftEnd >= 0 && m_nCaptionRightStart >= 0; }

    int m_nCaptionLeftStart = 0;
    int m_nCaptionLeftEnd = 0;
    int m_nCaptionRightStart = 0;
    int m_nCaptionRightEnd = 0;
    int m_nLeftStart = 0;
    int m_nLeftEnd = 0;
    int m_nRightStart = 0;
    int m_nRightEnd = 0;
    // Absolute file offset of the caption's article record; negative: none.
    int m_nCaptionPos = -1;
    int32_t m_nSortKey = 0;
    // One per phrase occurrence, in the order found.
    std::vector<CMatchSpan> m_aSpans;
    int m_nClass = MATCH_CLASS_WORST;
};
