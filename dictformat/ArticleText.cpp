#include "ArticleText.h"

#include "core/Entities.h"
#include "core/PageEntities.h"

size_t CMarkupScanner::TagEnd(size_t nPos) {
    if (m_nNextClose != std::u16string_view::npos && m_nNextClose <= nPos)
        m_nNextClose = m_text.find(u'>', nPos + 1);
    return m_nNextClose;
}

size_t CMarkupScanner::PageTagEnd(size_t nPos) {
    if (nPos + 1 >= m_text.size()) return std::u16string_view::npos;
    const char16_t c = m_text[nPos + 1];
    const bool bOpensTag =
        (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'/' || c == u'!' || c == u'?';
    return bOpensTag ? TagEnd(nPos) : std::u16string_view::npos;
}

std::optional<std::pair<std::u16string, size_t>> CMarkupScanner::PageReferenceAt(size_t nPos) {
    const size_t nSemicolon = m_entities.NextSemicolon(nPos + 1);
    if (nSemicolon == std::u16string_view::npos) return std::nullopt;
    auto text = DecodePageReference(m_text.substr(nPos + 1, nSemicolon - nPos - 1));
    if (!text) return std::nullopt;
    return std::pair{std::move(*text), nSemicolon};
}

bool MakePlainText(std::u16string_view piece, std::u16string& plain) {
    plain.clear();
    plain.reserve(piece.size());
    CMarkupScanner markup(piece);
    for (size_t i = 0; i < piece.size(); ++i) {
        const char16_t c = piece[i];
        if (c == u'<') {
            if (const size_t nClose = markup.TagEnd(i); nClose != std::u16string_view::npos) {
                i = nClose;
                continue;
            }
        } else if (c == u'&') {
            const EntityRef ref = markup.EntityAt(i);
            if (ref.kind == EntityRef::Kind::Error) return false;
            if (ref.kind == EntityRef::Kind::Symbol) {
                plain.push_back(ref.nSymbol);
                i = ref.nSemicolon;
                continue;
            }
        }
        plain.push_back(c);
    }
    return true;
}
