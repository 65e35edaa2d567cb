// The tag and character-reference boundaries of one article text, for every
// walker over its markup: the compiler's tokenizer, the plain text the word
// search compares, the text output and the highlighter of the result page.
// Each walker keeps its own rule for what a tag means (which tags end a word
// or a line); where a tag or a reference ends is asked here.
//
// Every question looks ahead for a ">" or a ";", and the scanner remembers
// where its last search ended, so a text full of "<" or "&" without their
// ends is still walked in time linear in its length. Positions asked about
// must not decrease from one call to the next (walkers move forward).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/Entities.h"

class CMarkupScanner {
public:
    static constexpr size_t npos = std::u16string_view::npos;

    CMarkupScanner() = default;
    explicit CMarkupScanner(std::u16string_view text) : m_text(text), m_entities(text) {}

    // ---- As the index reads article text ----

    // The ">" that closes the tag opened by the "<" at nLt; npos when no
    // ">" follows (the "<" is then an ordinary character).
    size_t TagEnd(size_t nLt) {
        if (m_nNextClose != npos && m_nNextClose <= nLt) m_nNextClose = m_text.find(u'>', nLt + 1);
        return m_nNextClose;
    }
    // The same ">" when no other "<" comes before it; npos when the tag is
    // left open (no ">" follows, or another "<" opens first).
    size_t ClosedTagEnd(size_t nLt) {
        if (m_nNextBracket != npos && m_nNextBracket <= nLt) m_nNextBracket = NextBracket(nLt + 1);
        return m_nNextBracket != npos && m_text[m_nNextBracket] == u'>' ? m_nNextBracket : npos;
    }
    // The reference at the "&" at nPos (Entities.h).
    EntityRef EntityAt(size_t nPos) { return m_entities.At(nPos); }

    // ---- As a result page reads it, for text shown to a reader ----

    // A "<" opens a tag only before a letter, "/", "!" or "?" (so "a < b"
    // is text); the tag ends at the next ">". npos when the "<" at nLt is
    // text.
    size_t PageTagEnd(size_t nLt);
    // The characters the reference at the "&" at nPos shows and the ";" that
    // ends it (PageEntities.h); nothing when the "&" is shown as written.
    std::optional<std::pair<std::u16string, size_t>> PageReferenceAt(size_t nPos);

private:
    // The first "<" or ">" from nFrom on; npos when there is none.
    size_t NextBracket(size_t nFrom) const {
        for (size_t i = nFrom; i < m_text.size(); ++i)
            if (m_text[i] == u'<' || m_text[i] == u'>') return i;
        return npos;
    }

    std::u16string_view m_text;
    CEntityScanner m_entities{std::u16string_view{}};
    // The last answers; each stays right while the positions asked about
    // have not passed it. npos: none left in the text.
    size_t m_nNextClose = 0;
    size_t m_nNextBracket = 0;
};
