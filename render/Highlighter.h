// Marks matched stretches of a finished page with the highlight tag.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Page positions, start inclusive, end exclusive.
struct CPageRange {
    size_t nStart = 0;
    size_t nEnd = 0;
    bool operator==(const CPageRange&) const = default;
};

// Orders the ranges by start, joins those that overlap and drops empty ones,
// so that the highlight tags inserted for them always nest properly.
std::vector<CPageRange> MergeRanges(std::vector<CPageRange> aRanges);

// Inserts strHighlightTag before and "</FONT>" after each range (given
// ordered and disjoint, as MergeRanges leaves them). A range that begins right
// after a font tag written in the article itself (a tag as the page reads it)
// is widened to cover that tag, so the article's own colour or size does not
// hide the highlight; the page's own tags (aOwnTags) are never covered.
std::u16string ApplyHighlights(std::u16string_view page, std::span<const CPageRange> aRanges,
                               std::u16string_view strHighlightTag,
                               std::span<const std::u16string> aOwnTags);
