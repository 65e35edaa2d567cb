// The two configurable separators of a source: the one between articles and
// the one between the left and the right part of an article.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum : int32_t {
    ARTICLES_SEP_LINE = 1,         // every non-empty line is an article
    ARTICLES_SEP_DOUBLE_LINE = 2,  // articles are blocks of lines ended by an empty line
    ARTICLES_SEP_OTHER = 3,        // articles end where a given string occurs
};

// Longest separators after escape decoding.
inline constexpr size_t kMaxPartsSepLength = 19;
inline constexpr size_t kMaxArticlesSepLength = 25;
inline constexpr std::u16string_view kDefaultPartsSep = u"##:##";

// The separators as the user types them, with backslash escapes (see
// ParseEscapes): in the settings dialog, on the command line.
struct CSeparatorInput {
    int32_t nType = ARTICLES_SEP_DOUBLE_LINE;
    std::u16string strArticlesSep;  // used with ARTICLES_SEP_OTHER only
    std::u16string strPartsSep{kDefaultPartsSep};

    bool operator==(const CSeparatorInput&) const = default;
};

struct CSeparatorSettings {
    int32_t nArticlesSepType = ARTICLES_SEP_DOUBLE_LINE;
    std::u16string strArticlesSep;                 // decoded; used with ARTICLES_SEP_OTHER only
    std::u16string strPartsSep{kDefaultPartsSep};  // decoded
};

// Why a decoded separator cannot be used, or nothing when it can. A
// separator must not be empty (it would match everywhere), must fit its
// fixed size, and must not begin with a word character, "&" or "<": the
// parser would read it as part of a word, a reference or a tag and never
// see it.
std::optional<std::u16string> PartsSeparatorFault(std::u16string_view strSep);
std::optional<std::u16string> ArticlesSeparatorFault(std::u16string_view strSep);

// Checks decoded settings before a source is read: the type, the parts
// separator, and the articles separator when the type uses it.
bool CheckSeparatorSettings(const CSeparatorSettings& settings, std::u16string& strError);

// Settings from the typed texts, decoded and checked. Failures give the
// compiler's own texts 40106, 40107 and 40108, with the reason after the
// last two.
bool DecodeSeparatorSettings(const CSeparatorInput& typed, CSeparatorSettings& settings,
                             std::u16string& strError);
