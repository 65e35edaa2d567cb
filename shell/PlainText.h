// Article text for a terminal, as a reader sees it on the page: tags
// removed (line-break and paragraph tags read as line ends), character
// references decoded, line ends made plain, and matched stretches marked.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "library/SearchResult.h"

inline constexpr std::u16string_view MATCH_OPEN = u"[[";
inline constexpr std::u16string_view MATCH_CLOSE = u"]]";

// raw is the text from position nRawStart on; spans are text positions (they
// may reach outside raw and may overlap).
std::u16string ToMarkedPlainText(std::u16string_view raw, int nRawStart,
                                 std::span<const CMatchSpan> aSpans);
