#include "ArticleText.h"

#include "core/Entities.h"

bool MakePlainText(std::u16string_view piece, std::u16string& plain) {
    plain.clear();
    plain.reserve(piece.size());
    CEntityScanner entities(piece);
    // Where the last search for ">" ended: a "<" without a later ">" is
    // found once, not once per "<", so the scan stays linear.
    size_t nNextClose = 0;
    for (size_t i = 0; i < piece.size(); ++i) {
        const char16_t c = piece[i];
        if (c == u'<') {
            if (nNextClose != std::u16string_view::npos && nNextClose <= i) {
                nNextClose = piece.find(u'>', i + 1);
            }
            if (nNextClose != std::u16string_view::npos) {
                i = nNextClose;
                continue;
            }
        } else if (c == u'&') {
            const EntityRef ref = entities.At(i);
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
