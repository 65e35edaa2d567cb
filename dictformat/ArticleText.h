// The plain text of a piece of article text, as a query word is compared
// with it: markup left out and character references decoded.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/Entities.h"

// The tag and reference boundaries of one article text, for every walker
// over its markup. Each "<" asks for the ">" that closes it; the scanner
// remembers where the last search ended, so a text full of "<" without a
// ">" is still walked in linear time.
class CMarkupScanner {
public:
    explicit CMarkupScanner(std::u16string_view text) : m_text(text), m_entities(text) {}

    // The ">" that closes the tag opened by the "<" at nPos; npos when no
    // ">" follows (the "<" is then an ordinary character).
    size_t TagEnd(size_t nPos);
    // The reference at the "&" at nPos.
    EntityRef EntityAt(size_t nPos) { return m_entities.At(nPos); }

    // The same boundaries as a page reads them, for text shown to a reader:
    // a "<" opens a tag only before a letter, "/", "!" or "?" (so "a < b"
    // is text), and a reference is any one the page decodes (PageEntities.h).
    size_t PageTagEnd(size_t nPos);
    // The characters the reference at the "&" at nPos shows and the ";" that
    // ends it; nothing when the "&" is shown as written.
    std::optional<std::pair<std::u16string, size_t>> PageReferenceAt(size_t nPos);

private:
    std::u16string_view m_text;
    CEntityScanner m_entities;
    size_t m_nNextClose = 0;  // the ">" found last, npos: none left
};

// "<...>" is dropped (a "<" without a later ">" stays); "&name;" becomes its
// character; a reference DecodeEntity rejects with a message makes the
// result false (the piece then equals no query); one it ignores leaves the
// "&" as an ordinary character.
bool MakePlainText(std::u16string_view piece, std::u16string& plain);
