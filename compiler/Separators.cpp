#include "Separators.h"

#include "core/CharTables.h"
#include "core/Escapes.h"
#include "core/MyObject.h"
#include "core/StringTable.h"
#include "core/TextIds.h"

namespace {

std::optional<std::u16string> SeparatorFault(std::u16string_view strSep, size_t nMaxLength,
                                             int nLengthText, int nStartText) {
    if (strSep.empty() || strSep.size() > nMaxLength) {
        return FormatTextId(nLengthText, {int64_t{static_cast<int64_t>(nMaxLength)}});
    }
    const char16_t c = strSep.front();
    if (IsWordSymb(c) || c == u'&' || c == u'<') return FormatTextId(nStartText, {strSep});
    return std::nullopt;
}

}  // namespace

std::optional<std::u16string> PartsSeparatorFault(std::u16string_view strSep) {
    return SeparatorFault(strSep, kMaxPartsSepLength, IDS_PARTS_SEPARATOR_LENGTH,
                          IDS_PARTS_SEPARATOR_START);
}

std::optional<std::u16string> ArticlesSeparatorFault(std::u16string_view strSep) {
    return SeparatorFault(strSep, kMaxArticlesSepLength, IDS_ARTICLES_SEPARATOR_LENGTH,
                          IDS_ARTICLES_SEPARATOR_START);
}

bool CheckSeparatorSettings(const CSeparatorSettings& settings, std::u16string& strError) {
    const int32_t nType = settings.nArticlesSepType;
    if (nType < ARTICLES_SEP_LINE || nType > ARTICLES_SEP_OTHER) {
        strError = FormatTextId(IDS_SEPARATOR_TYPE_RANGE,
                                {int64_t{ARTICLES_SEP_LINE}, int64_t{ARTICLES_SEP_OTHER}});
        return false;
    }
    if (nType == ARTICLES_SEP_OTHER) {
        if (auto fault = ArticlesSeparatorFault(settings.strArticlesSep)) {
            strError = WrapMessage(FormatTextId(IDS_ARTICLES_SEPARATOR_ERROR), *fault);
            return false;
        }
    }
    if (auto fault = PartsSeparatorFault(settings.strPartsSep)) {
        strError = WrapMessage(FormatTextId(IDS_PARTS_SEPARATOR_ERROR), *fault);
        return false;
    }
    return true;
}

bool DecodeSeparatorSettings(const CSeparatorInput& typed, CSeparatorSettings& settings,
                             std::u16string& strError) {
    CSeparatorSettings decoded;
    decoded.nArticlesSepType = typed.nType;
    // The other separator is decoded only when it is used: scripts pass every
    // option, and a stale text must not stop a compile that ignores it.
    if (typed.nType == ARTICLES_SEP_OTHER &&
        !ParseEscapes(typed.strArticlesSep, decoded.strArticlesSep)) {
        strError = FormatTextId(IDS_ARTICLES_SEPARATOR_ERROR);
        return false;
    }
    if (!ParseEscapes(typed.strPartsSep, decoded.strPartsSep)) {
        strError = FormatTextId(IDS_PARTS_SEPARATOR_ERROR);
        return false;
    }
    if (!CheckSeparatorSettings(decoded, strError)) return false;
    settings = std::move(decoded);
    return true;
}
