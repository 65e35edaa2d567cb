#include "ArticleText.h"

#include "MarkupScanner.h"

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
