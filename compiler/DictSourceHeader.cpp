// CDictSource: the keyword lines at the top of a source.
#include <initializer_list>
#include <optional>
#include <vector>

#include "DictSource.h"
#include "SourceText.h"
#include "core/CharTables.h"
#include "core/StringTable.h"
#include "core/TextIds.h"

namespace {

constexpr std::u16string_view kKeywords[] = {u"$FILE_TYPE:", u"$DICT_TYPE:", u"$INDEX:", u"$MORPH:",
                                             u"$NAME:"};

bool EndsWith(std::u16string_view text, std::u16string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Index of strValue among the choices (without regard to case) + 1, or 0.
int32_t ChoiceOf(std::u16string_view strValue, std::initializer_list<std::u16string_view> choices) {
    int32_t n = 1;
    for (std::u16string_view choice : choices) {
        if (IsEqualNoCase(strValue, choice)) return n;
        ++n;
    }
    return 0;
}

bool IsAsciiLetters(std::u16string_view text) {
    for (char16_t c : text) {
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return false;
    }
    return true;
}

// One item of the "$MORPH:" list, or nothing when it is not a language name.
std::optional<MorphDescr> ParseMorphItem(std::u16string_view strItem) {
    MorphDescr descr;
    std::u16string_view name = TrimBlanks(strItem);
    if (name.size() >= 3) {
        const std::u16string_view suffix = name.substr(name.size() - 3);
        if (IsEqualNoCase(suffix, u"(L)")) descr.nSide = MORPH_SIDE_LEFT;
        if (IsEqualNoCase(suffix, u"(R)")) descr.nSide = MORPH_SIDE_RIGHT;
        if (descr.nSide != MORPH_SIDE_BOTH) name = TrimBlanks(name.substr(0, name.size() - 3));
    }
    // An empty name cannot be stored: in the compiled header a zero length
    // ends the list.
    if (name.empty() || name.size() > kMaxHeaderValue || !IsAsciiLetters(name)) return std::nullopt;
    descr.strName.assign(name);
    descr.nLangId = MorphLangIdFromName(name);
    return descr;
}

}  // namespace

std::u16string CDictSource::GetArticlesSeparator() const {
    const std::u16string_view lineEnd = GetLineEndString();
    switch (m_separators.nArticlesSepType) {
        case ARTICLES_SEP_LINE:
            return std::u16string(lineEnd);
        case ARTICLES_SEP_OTHER:
            return m_separators.strArticlesSep;
        default:
            return std::u16string(lineEnd) + std::u16string(lineEnd);
    }
}

bool CDictSource::ParseKeywordLine(std::u16string_view strLine, int& nKeyword,
                                   std::u16string& strValue) {
    nKeyword = KEYWORD_NONE;
    strValue.clear();
    const std::u16string_view line = TrimBlanks(strLine);
    if (line.empty() || line.front() != u'$') return true;
    const size_t nColon = line.find(u':');
    if (nColon == std::u16string_view::npos) return true;
    const std::u16string_view strKeyword = line.substr(0, nColon + 1);
    int nFound = KEYWORD_NONE;
    for (int i = 0; i < 5; ++i) {
        if (IsEqualNoCase(strKeyword, kKeywords[i])) nFound = i + 1;
    }
    if (nFound == KEYWORD_NONE) {
        SetError(FormatTextId(IDS_KEYWORD_ERROR, {strKeyword}));
        return false;
    }
    const std::u16string_view value = TrimBlanks(line.substr(nColon + 1));
    if (value.size() > kMaxHeaderValue) {
        SetError(FormatTextId(IDS_KEYWORD_VALUE_TOO_LONG,
                              {strKeyword, int64_t{static_cast<int64_t>(kMaxHeaderValue)}}));
        return false;
    }
    nKeyword = nFound;
    strValue.assign(value);
    return true;
}

bool CDictSource::ApplyKeyword(int nKeyword, std::u16string_view strValue) {
    if (nKeyword == KEYWORD_NAME) {
        SetName(strValue);
        return true;
    }
    // An empty value keeps what the setting had.
    if (strValue.empty()) return true;
    // A value that is one of a few words is kept as the word's number (from 1).
    auto choose = [&](std::initializer_list<std::u16string_view> choices, int nTextId,
                      void (CDictSource::*set)(int32_t)) {
        const int32_t n = ChoiceOf(strValue, choices);
        if (n == 0) {
            SetError(FormatTextId(nTextId, {strValue}));
            return false;
        }
        (this->*set)(n);
        return true;
    };
    switch (nKeyword) {
        case KEYWORD_FILE_TYPE:
            return choose({u"DICT", u"PARTEXT"}, IDS_WRONG_FILE_TYPE, &CDictSource::SetFileType);
        case KEYWORD_DICT_TYPE:
            return choose({u"MAIN", u"OTHER"}, IDS_WRONG_DICT_TYPE, &CDictSource::SetDictType);
        case KEYWORD_INDEX:
            return choose({u"LEFT", u"RIGHT", u"BOTH"}, IDS_WRONG_INDEX_AREA,
                          &CDictSource::SetIndexArea);
        case KEYWORD_MORPH:
            return ApplyMorphList(strValue);
        default:
            return true;
    }
}

bool CDictSource::ApplyMorphList(std::u16string_view strValue) {
    // The whole list is checked before any of it is taken.
    std::vector<MorphDescr> items;
    size_t nBeg = 0;
    while (true) {
        const size_t nComma = strValue.find(u',', nBeg);
        const std::u16string_view strItem = strValue.substr(
            nBeg, nComma == std::u16string_view::npos ? std::u16string_view::npos : nComma - nBeg);
        std::optional<MorphDescr> descr = ParseMorphItem(strItem);
        if (!descr) {
            SetError(FormatTextId(IDS_MORPH_KEYWORD_ERROR, {TrimBlanks(strItem)}));
            return false;
        }
        items.push_back(std::move(*descr));
        if (nComma == std::u16string_view::npos) break;
        nBeg = nComma + 1;
    }
    // A compiled dictionary holding more would never open.
    if (GetMorphDescrCount() + items.size() > static_cast<size_t>(gmd::kMaxMorphDescr)) {
        SetError(FormatTextId(IDS_MORPH_TOO_MANY, {int64_t{gmd::kMaxMorphDescr}}));
        return false;
    }
    for (const MorphDescr& descr : items) {
        AddMorphDescr(descr);
        m_morphLines.push_back(m_pos.nLine);
    }
    return true;
}

// Reads one line: up to and including the line end, or to the end of the
// text. Counts bytes and characters, not lines.
bool CDictSource::ReadHeaderLine(std::u16string& strLine) {
    const std::u16string_view lineEnd = GetLineEndString();
    const int32_t nTextEnd = GetTextEnd();
    strLine.clear();
    while (m_pos.nBytePos < nTextEnd) {
        char16_t c = 0;
        const int nBytes = ReadMapSymb(c);
        if (nBytes == 0) break;
        m_pos.nBytePos += nBytes;
        ++m_pos.nCharPos;
        strLine.push_back(c);
        if (c == lineEnd.back() && EndsWith(strLine, lineEnd)) break;
    }
    return !strLine.empty();
}

bool CDictSource::ReadHeader() {
    int32_t nPos = 0;
    return ReadHeader(nPos);
}

bool CDictSource::ReadHeader(int32_t& nPos) {
    ClearError();
    ResetHeader();
    m_morphLines.clear();
    m_pos = SourcePos();
    m_pos.nBytePos = GetByteOrderMarkSize();
    nPos = m_pos.nBytePos;
    const int32_t nTextEnd = GetTextEnd();
    if (m_pos.nBytePos >= nTextEnd) return true;  // no text at all
    if (!SetMapPos(m_pos.nBytePos, 0)) return true;
    const std::u16string_view lineEnd = GetLineEndString();
    m_pos.nLine = 1;
    std::u16string strLine;
    std::u16string strValue;
    try {
        while (true) {
            const SourcePos lineStart = m_pos;
            if (!ReadHeaderLine(strLine)) break;  // the text ends inside the header
            if (m_pos.nBytePos < nTextEnd && EndsWith(strLine, lineEnd)) {
                strLine.resize(strLine.size() - lineEnd.size());
            }
            if (strLine.empty()) {
                ++m_pos.nLine;
                continue;
            }
            int nKeyword = KEYWORD_NONE;
            if (!ParseKeywordLine(strLine, nKeyword, strValue)) return false;
            if (nKeyword == KEYWORD_NONE) {
                // This line is the first of the articles: read it again.
                m_pos = lineStart;
                SetMapPos(m_pos.nBytePos, 0);
                break;
            }
            if (!ApplyKeyword(nKeyword, strValue)) return false;
            ++m_pos.nLine;
        }
    } catch (const CMyObjectThrow& e) {
        SetError(e.GetError());
        return false;
    }
    nPos = m_pos.nBytePos;
    return true;
}
