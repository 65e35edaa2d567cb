// One article of a dictionary source being written: the headword as its left
// part, the definition as its right part. Whatever goes in comes out as text
// the compiler accepts unchanged: characters the source syntax gives a
// meaning ("&", "<", ">", a "$" opening a line, a unit of either separator,
// units outside the Basic Multilingual Plane) become numeric
// character references, line breaks become "<br>" so that no empty line
// (or, with one article per line, no line end at all) falls inside an
// article, and an index word that would grow past the compiler's limit of
// 255 units is split by an invisible zero-width space.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "compiler/Separators.h"

class CSourceArticle {
public:
    explicit CSourceArticle(const CSeparatorSettings& separators);

    // Starts a new article; line ends in the headword become blanks.
    void Begin(std::u16string_view strHeadword);

    // Starts the next article: another headword, the same definition.
    void Rehead(std::u16string_view strHeadword);

    // Definition text; LF is a line break.
    void AppendText(std::u16string_view text);
    // "&" name ";" written as it is, name made of ASCII letters only: the
    // compiler reads it as the named character or as a blank, the result
    // page's HTML view as the HTML character of that name.
    void AppendNamedReference(std::u16string_view strName);
    // A whole tag as the caller made it; it must hold no "<", ">" or line
    // end inside. "<br>" (any case) ends a word, other tags do not.
    void AppendTag(std::u16string_view strTag);
    void AppendLineBreak();

    // Completes the article. Fails only when a separator occurs inside
    // markup or is made of the units a reference is written with, where
    // no escape can reach it; strError then says which separator.
    [[nodiscard]] bool Finish(std::u16string& strError);
    // The article text, without the articles separator.
    const std::u16string& GetText() const { return m_text; }

private:
    void AppendSymbol(char16_t c);
    void AppendUnits(std::u16string_view units, char16_t value);
    void FlushLineBreaks();
    void EndWord() { m_nWordBeg = std::u16string::npos; }
    bool NeedsReference(char16_t c) const;

    CSeparatorSettings m_separators;
    char16_t m_cPartsSepUnit;     // written as a reference wherever text holds it
    char16_t m_cArticlesSepUnit;  // the same; 0 unless the articles separator is a string
    std::u16string m_text;
    size_t m_nPartsSepPos = 0;
    size_t m_nRightBeg = 0;
    size_t m_nWordBeg = std::u16string::npos;  // first unit of the pending index word
    bool m_bLineStart = true;                  // only blanks since the line began
    bool m_bRightHasText = false;
    int m_nPendingBreaks = 0;
};
