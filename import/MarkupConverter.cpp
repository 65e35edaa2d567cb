#include "MarkupConverter.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "MarkupTags.h"

namespace {

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsNameUnit(char16_t c) {
    return IsAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_' || c == u':';
}

std::u16string Lower(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    return out;
}

// The HTML names the compiler's table lacks but real dictionaries use.
struct NamedChar {
    std::u16string_view name;
    char32_t value;
};
constexpr std::array kHtmlNames{
    NamedChar{u"amp", u'&'},     NamedChar{u"lt", u'<'},      NamedChar{u"gt", u'>'},
    NamedChar{u"quot", u'"'},    NamedChar{u"apos", u'\''},   NamedChar{u"nbsp", 0xA0},
    NamedChar{u"frac12", 0xBD},  NamedChar{u"frac14", 0xBC},  NamedChar{u"frac34", 0xBE},
    NamedChar{u"sup1", 0xB9},    NamedChar{u"sup2", 0xB2},    NamedChar{u"sup3", 0xB3},
    NamedChar{u"mdash", 0x2014}, NamedChar{u"ndash", 0x2013}, NamedChar{u"hellip", 0x2026},
    NamedChar{u"laquo", 0xAB},   NamedChar{u"raquo", 0xBB},   NamedChar{u"middot", 0xB7},
    NamedChar{u"lsquo", 0x2018}, NamedChar{u"rsquo", 0x2019}, NamedChar{u"ldquo", 0x201C},
    NamedChar{u"rdquo", 0x201D}, NamedChar{u"bull", 0x2022},  NamedChar{u"deg", 0xB0},
    NamedChar{u"copy", 0xA9},    NamedChar{u"reg", 0xAE},     NamedChar{u"sect", 0xA7},
};

std::u16string CodePointUnits(char32_t c) {
    if (c <= 0xFFFF) return std::u16string(1, static_cast<char16_t>(c));
    c -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

// The value of a numeric reference body ("#233", "#xE9"), or 0.
char32_t NumericValue(std::u16string_view body) {
    const bool bHex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
    const std::u16string_view digits = body.substr(bHex ? 2 : 1);
    if (digits.empty() || digits.size() > 8) return 0;
    char32_t value = 0;
    for (char16_t c : digits) {
        int d = -1;
        if (c >= u'0' && c <= u'9') d = c - u'0';
        if (bHex && c >= u'a' && c <= u'f') d = c - u'a' + 10;
        if (bHex && c >= u'A' && c <= u'F') d = c - u'A' + 10;
        if (d < 0) return 0;
        value = value * (bHex ? 16 : 10) + static_cast<char32_t>(d);
    }
    const bool bValid = value < 0x110000 && !(value >= 0xD800 && value <= 0xDFFF);
    return bValid ? value : 0;
}

struct ParsedTag {
    bool bClosing = false;
    bool bSelfClosing = false;
    std::u16string strName;                                             // lower case
    std::vector<std::pair<std::u16string, std::u16string>> attributes;  // names lower case
    size_t nEnd = 0;                                                    // past the ">"
};

class CMarkupConverter {
public:
    CMarkupConverter(CSourceArticle& article, MarkupDialect dialect)
        : m_article(article), m_dialect(dialect) {}

    void Convert(std::u16string_view text);

private:
    size_t Reference(std::u16string_view text, size_t i);
    size_t CrossReference(std::u16string_view text, size_t i);
    size_t Tag(std::u16string_view text, size_t i);
    void Open(const ParsedTag& tag, const TagRule& rule);
    void Close(std::u16string_view strName);
    void CloseTop();
    size_t SkipContent(std::u16string_view text, size_t i, std::u16string_view strName) const;
    void FlushText();

    CSourceArticle& m_article;
    MarkupDialect m_dialect;
    std::u16string m_pending;  // plain text not yet handed on
    struct OpenElement {
        std::u16string strName;     // as in the input, lower case
        std::u16string strClosing;  // what closes it in the output
    };
    std::vector<OpenElement> m_open;
    int m_nPreDepth = 0;
};

void CMarkupConverter::FlushText() {
    if (m_pending.empty()) return;
    m_article.AppendText(m_pending);
    m_pending.clear();
}

void CMarkupConverter::Convert(std::u16string_view text) {
    const bool bMarkup = m_dialect != MarkupDialect::Plain && m_dialect != MarkupDialect::Dictd;
    const bool bLineEndIsBlank = m_dialect == MarkupDialect::Html;
    size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (bMarkup && c == u'<') {
            i = Tag(text, i);
        } else if (bMarkup && c == u'&') {
            i = Reference(text, i);
        } else if (m_dialect == MarkupDialect::Dictd && c == u'{') {
            i = CrossReference(text, i);
        } else {
            m_pending += (c == u'\n' && bLineEndIsBlank && m_nPreDepth == 0) ? u' ' : c;
            ++i;
        }
    }
    FlushText();
    while (!m_open.empty())
        CloseTop();
}

// "&" at text[i]: a reference the page can show, or a plain "&".
size_t CMarkupConverter::Reference(std::u16string_view text, size_t i) {
    const size_t nSemi = text.find(u';', i + 1);
    if (nSemi == std::u16string_view::npos || nSemi - i > 32) {
        m_pending += u'&';
        return i + 1;
    }
    const std::u16string_view body = text.substr(i + 1, nSemi - i - 1);
    if (!body.empty() && body[0] == u'#') {
        if (const char32_t value = NumericValue(body)) {
            m_pending += CodePointUnits(value);
            return nSemi + 1;
        }
    } else if (!body.empty()) {
        for (const NamedChar& named : kHtmlNames) {
            if (named.name == body) {
                m_pending += CodePointUnits(named.value);
                return nSemi + 1;
            }
        }
        if (std::all_of(body.begin(), body.end(), IsAsciiLetter)) {
            FlushText();
            m_article.AppendNamedReference(body);
            return nSemi + 1;
        }
    }
    m_pending += u'&';
    return i + 1;
}

// "{" at text[i]: "{word}" becomes a link that searches the word (a line
// end inside, where the database wraps a long reference, as a blank); any
// other "{" is text.
size_t CMarkupConverter::CrossReference(std::u16string_view text, size_t i) {
    constexpr size_t kLongest = 200;
    const size_t nEnd = text.find_first_of(u"{}", i + 1);
    if (nEnd == std::u16string_view::npos || text[nEnd] != u'}' || nEnd == i + 1 ||
        nEnd - i > kLongest) {
        m_pending += u'{';
        return i + 1;
    }
    std::u16string words;
    for (char16_t c : text.substr(i + 1, nEnd - i - 1)) {
        const bool bBlank = c == u'\n' || c == u' ' || c == u'\t';
        if (!bBlank || (!words.empty() && words.back() != u' ')) words += bBlank ? u' ' : c;
    }
    FlushText();
    m_article.AppendTag(u"<A href=\"find\">");
    m_article.AppendText(words);
    m_article.AppendTag(u"</A>");
    return nEnd + 1;
}

// Reads the tag at text[i] ("<" name attributes ">"); false when it is none.
bool ParseTag(std::u16string_view text, size_t i, ParsedTag& tag) {
    size_t k = i + 1;
    if (k < text.size() && text[k] == u'/') {
        tag.bClosing = true;
        ++k;
    }
    const size_t nNameBeg = k;
    while (k < text.size() && IsNameUnit(text[k]))
        ++k;
    if (k == nNameBeg || !IsAsciiLetter(text[nNameBeg])) return false;
    tag.strName = Lower(text.substr(nNameBeg, k - nNameBeg));
    while (k < text.size() && text[k] != u'>') {
        const char16_t c = text[k];
        if (c == u'<') return false;
        if (c == u'/') {
            tag.bSelfClosing = true;
            ++k;
            continue;
        }
        if (!IsNameUnit(c)) {
            ++k;
            continue;
        }
        tag.bSelfClosing = false;
        const size_t nAttrBeg = k;
        while (k < text.size() && IsNameUnit(text[k]))
            ++k;
        std::u16string name = Lower(text.substr(nAttrBeg, k - nAttrBeg));
        std::u16string value;
        while (k < text.size() && (text[k] == u' ' || text[k] == u'\n' || text[k] == u'\t'))
            ++k;
        if (k < text.size() && text[k] == u'=') {
            ++k;
            while (k < text.size() && (text[k] == u' ' || text[k] == u'\n' || text[k] == u'\t'))
                ++k;
            if (k < text.size() && (text[k] == u'"' || text[k] == u'\'')) {
                const size_t nClose = text.find(text[k], k + 1);
                if (nClose == std::u16string_view::npos) return false;
                value = text.substr(k + 1, nClose - k - 1);
                k = nClose + 1;
            } else {
                const size_t nValBeg = k;
                while (k < text.size() && text[k] != u'>' && text[k] != u' ' && text[k] != u'\n')
                    ++k;
                value = text.substr(nValBeg, k - nValBeg);
            }
        }
        tag.attributes.emplace_back(std::move(name), std::move(value));
    }
    if (k >= text.size()) return false;
    tag.nEnd = k + 1;
    return true;
}

size_t CMarkupConverter::Tag(std::u16string_view text, size_t i) {
    if (text.substr(i, 4) == u"<!--") {
        const size_t nEnd = text.find(u"-->", i + 4);
        return nEnd == std::u16string_view::npos ? text.size() : nEnd + 3;
    }
    if (text.substr(i, 2) == u"<!" || text.substr(i, 2) == u"<?") {
        const size_t nEnd = text.find(u'>', i);
        return nEnd == std::u16string_view::npos ? text.size() : nEnd + 1;
    }
    ParsedTag tag;
    if (!ParseTag(text, i, tag)) {
        m_pending += u'<';
        return i + 1;
    }
    const TagRule rule = FindTagRule(m_dialect, tag.strName);
    FlushText();
    if (rule.action == TagAction::DropWithContent) {
        return tag.bClosing || tag.bSelfClosing ? tag.nEnd
                                                : SkipContent(text, tag.nEnd, tag.strName);
    }
    if (rule.action == TagAction::LineBreak) {
        m_article.AppendLineBreak();
    } else if (tag.bClosing) {
        Close(tag.strName);
    } else {
        Open(tag, rule);
        if (tag.bSelfClosing || rule.bVoid) Close(tag.strName);
    }
    return tag.nEnd;
}

// Past the end tag that closes an element whose content is dropped.
size_t CMarkupConverter::SkipContent(std::u16string_view text, size_t i,
                                     std::u16string_view strName) const {
    const std::u16string lower = Lower(text.substr(i));
    const size_t nEnd = lower.find(u"</" + std::u16string(strName));
    if (nEnd == std::u16string::npos) return text.size();
    const size_t nClose = text.find(u'>', i + nEnd);
    return nClose == std::u16string_view::npos ? text.size() : nClose + 1;
}

void CMarkupConverter::Open(const ParsedTag& tag, const TagRule& rule) {
    OpenElement element{tag.strName, {}};
    const OutputTag output = MakeOutputTag(rule, tag.attributes);
    if (!output.strOpen.empty()) m_article.AppendTag(output.strOpen);
    if (!output.strText.empty()) m_article.AppendText(output.strText);
    element.strClosing = output.strClose;
    if (tag.strName == u"pre") ++m_nPreDepth;
    m_open.push_back(std::move(element));
}

void CMarkupConverter::Close(std::u16string_view strName) {
    auto it = std::find_if(m_open.rbegin(), m_open.rend(),
                           [&](const OpenElement& e) { return e.strName == strName; });
    if (it == m_open.rend()) return;  // a stray closing tag
    const size_t nKeep = static_cast<size_t>(m_open.rend() - it) - 1;
    while (m_open.size() > nKeep)
        CloseTop();
}

void CMarkupConverter::CloseTop() {
    const OpenElement& top = m_open.back();
    if (top.strName == u"pre") --m_nPreDepth;
    // The closing text is a run of tags and plain text written in pieces.
    std::u16string_view rest = top.strClosing;
    while (!rest.empty()) {
        if (rest[0] == u'<') {
            const size_t nEnd = rest.find(u'>');
            m_article.AppendTag(rest.substr(0, nEnd + 1));
            rest.remove_prefix(nEnd + 1);
        } else {
            const size_t nTag = std::min(rest.find(u'<'), rest.size());
            m_article.AppendText(rest.substr(0, nTag));
            rest.remove_prefix(nTag);
        }
    }
    m_open.pop_back();
}

}  // namespace

void AppendMarkup(CSourceArticle& article, std::u16string_view text, MarkupDialect dialect) {
    CMarkupConverter(article, dialect).Convert(text);
}
