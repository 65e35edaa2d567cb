// The short pages that stand in for a result page: start, "Searching…", and
// the outcomes of a search that shows no article.
#pragma once

#include <string>
#include <string_view>

std::u16string StartPageHtml();
std::u16string SearchingPageHtml();
std::u16string AbortedPageHtml(int nBaseSize);
std::u16string EmptyTextPageHtml(int nBaseSize);
// The search text and the group name stand in red inside a blue sentence.
std::u16string NotFoundPageHtml(int nBaseSize, std::u16string_view strSearchText,
                                std::u16string_view strGroupName);
std::u16string NoEnabledDictionariesPageHtml(int nBaseSize, std::u16string_view strGroupName);

// Text the user typed, made safe to stand in a page as it was typed: "&", "<"
// and ">" become character references.
std::u16string EscapeHtmlText(std::u16string_view text);
