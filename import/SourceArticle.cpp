#include "SourceArticle.h"

#include <algorithm>
#include <string>

#include "core/CharTables.h"
#include "core/Entities.h"

namespace {

// The compiler refuses an index word whose span reaches this many units.
constexpr size_t kMaxWordSpan = 255;
// U+200B, ZERO WIDTH SPACE: no word character, and invisible on the page.
constexpr std::u16string_view kWordBreak = u"&#8203;";
// Consecutive line breaks kept: one empty line between paragraphs.
constexpr int kMaxLineBreaks = 2;

bool IsSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

bool IsBlankUnit(char16_t c) {
    return c == u' ' || c == u'\t';
}

std::u16string NumericReference(char16_t c) {
    std::u16string ref = u"&#";
    for (char ch : std::to_string(static_cast<unsigned>(c)))
        ref += static_cast<char16_t>(ch);
    ref += u';';
    return ref;
}

bool IsLineBreakTag(std::u16string_view tag) {
    if (tag.size() != 4) return false;
    return tag[0] == u'<' && (tag[1] | 0x20) == u'b' && (tag[2] | 0x20) == u'r' && tag[3] == u'>';
}

// The unit of a separator whose every occurrence in text is written as a
// reference, so that text never forms the separator: its first unit that
// is not white space (line breaks are written with line ends).
char16_t EscapedUnitOf(std::u16string_view strSep) {
    for (char16_t c : strSep)
        if (c != u'\n' && c != u'\r' && c != u'\t' && c != u' ') return c;
    return strSep.empty() ? 0 : strSep[0];
}

}  // namespace

CSourceArticle::CSourceArticle(const CSeparatorSettings& separators)
    : m_separators(separators),
      m_cPartsSepUnit(EscapedUnitOf(separators.strPartsSep)),
      m_cArticlesSepUnit(separators.nArticlesSepType == ARTICLES_SEP_OTHER
                             ? EscapedUnitOf(separators.strArticlesSep)
                             : 0) {}

void CSourceArticle::Begin(std::u16string_view strHeadword) {
    m_text.clear();
    m_nWordBeg = std::u16string::npos;
    m_bLineStart = true;
    m_bRightHasText = false;
    m_nPendingBreaks = 0;
    for (char16_t c : strHeadword)
        AppendSymbol(c == u'\n' ? u' ' : c);
    m_text += u' ';
    m_nPartsSepPos = m_text.size();
    m_text += m_separators.strPartsSep;
    m_text += u' ';
    m_nRightBeg = m_text.size();
    EndWord();
    m_bLineStart = false;
    m_bRightHasText = false;
}

void CSourceArticle::Rehead(std::u16string_view strHeadword) {
    const std::u16string right = m_text.substr(std::min(m_nRightBeg, m_text.size()));
    Begin(strHeadword);
    m_text += right;
}

bool CSourceArticle::NeedsReference(char16_t c) const {
    if (c == u'&' || c == u'<' || c == u'>' || IsSurrogate(c)) return true;
    if (c == m_cPartsSepUnit || (m_cArticlesSepUnit != 0 && c == m_cArticlesSepUnit)) {
        return true;
    }
    // A "$" opening a line would be read as a header keyword in front of
    // the first article.
    return c == u'$' && m_bLineStart;
}

void CSourceArticle::AppendText(std::u16string_view text) {
    for (char16_t c : text) {
        if (c == u'\n') {
            AppendLineBreak();
        } else if (IsBlankUnit(c) && (m_nPendingBreaks > 0 || !m_bRightHasText)) {
            // Blanks that open a line or the definition show as nothing.
        } else {
            AppendSymbol(c);
        }
    }
}

void CSourceArticle::AppendSymbol(char16_t c) {
    FlushLineBreaks();
    if (NeedsReference(c)) {
        AppendUnits(NumericReference(c), c);
    } else {
        AppendUnits(std::u16string_view(&c, 1), c);
    }
    if (!IsBlankUnit(c)) m_bLineStart = false;
}

void CSourceArticle::AppendNamedReference(std::u16string_view strName) {
    FlushLineBreaks();
    std::u16string ref = u"&";
    ref += strName;
    ref += u';';
    const char16_t value = FindNamedEntity(strName);
    AppendUnits(ref, value == 0 ? u' ' : value);
    m_bLineStart = false;
}

// units stand for one character, value, as the compiler reads them.
void CSourceArticle::AppendUnits(std::u16string_view units, char16_t value) {
    if (!IsWordSymb(value)) {
        EndWord();
        m_text += units;
        return;
    }
    if (m_nWordBeg == std::u16string::npos) {
        m_nWordBeg = m_text.size();
    } else if (m_text.size() + units.size() - m_nWordBeg > kMaxWordSpan) {
        m_text += kWordBreak;
        m_nWordBeg = m_text.size();
    }
    m_text += units;
    // Each ideograph is a word of its own.
    if (IsIdeogramSymb(value)) EndWord();
}

void CSourceArticle::AppendTag(std::u16string_view strTag) {
    if (!strTag.starts_with(u"</")) FlushLineBreaks();
    if (IsLineBreakTag(strTag)) {
        EndWord();
    } else if (m_nWordBeg != std::u16string::npos &&
               m_text.size() + strTag.size() + 1 - m_nWordBeg > kMaxWordSpan) {
        // Markup inside a word counts towards its span.
        m_text += kWordBreak;
        EndWord();
    }
    m_text += strTag;
    m_bLineStart = false;
}

void CSourceArticle::AppendLineBreak() {
    if (m_bRightHasText && m_nPendingBreaks < kMaxLineBreaks) ++m_nPendingBreaks;
}

void CSourceArticle::FlushLineBreaks() {
    m_bRightHasText = true;
    for (; m_nPendingBreaks > 0; --m_nPendingBreaks) {
        EndWord();
        m_text += u"<br>";
        if (m_separators.nArticlesSepType != ARTICLES_SEP_LINE) {
            m_text += u'\n';
            m_bLineStart = true;
        }
    }
}

bool CSourceArticle::Finish(std::u16string& strError) {
    m_nPendingBreaks = 0;
    while (m_text.size() > m_nPartsSepPos + m_separators.strPartsSep.size() &&
           IsBlankUnit(m_text.back()))
        m_text.pop_back();
    const std::u16string_view text = m_text;
    const std::u16string_view partsSep = m_separators.strPartsSep;
    if (text.find(partsSep) != m_nPartsSepPos ||
        text.find(partsSep, m_nPartsSepPos + partsSep.size()) != std::u16string_view::npos) {
        strError = u"the article parts separator '" + m_separators.strPartsSep +
                   u"' occurs in markup or references of the entry";
        return false;
    }
    if (m_separators.nArticlesSepType == ARTICLES_SEP_OTHER &&
        text.find(m_separators.strArticlesSep) != std::u16string_view::npos) {
        strError = u"the articles separator '" + m_separators.strArticlesSep +
                   u"' occurs in markup or references of the entry";
        return false;
    }
    return true;
}
