#include "MarkupScanner.h"

#include "core/PageEntities.h"

size_t CMarkupScanner::PageTagEnd(size_t nLt) {
    if (nLt + 1 >= m_text.size()) return npos;
    const char16_t c = m_text[nLt + 1];
    const bool bOpensTag =
        (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'/' || c == u'!' || c == u'?';
    return bOpensTag ? TagEnd(nLt) : npos;
}

std::optional<std::pair<std::u16string, size_t>> CMarkupScanner::PageReferenceAt(size_t nPos) {
    const size_t nSemicolon = m_entities.NextSemicolon(nPos + 1);
    if (nSemicolon == npos) return std::nullopt;
    auto text = DecodePageReference(m_text.substr(nPos + 1, nSemicolon - nPos - 1));
    if (!text) return std::nullopt;
    return std::pair{std::move(*text), nSemicolon};
}
