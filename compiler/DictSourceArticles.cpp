// CDictSource: cutting the text after the header into articles.
#include "DictSource.h"

namespace {

// Called for every unit read: the caller has compared the last unit.
inline bool EndsWith(const std::u16string& text, std::u16string_view tail) {
    const size_t n = tail.size();
    return text.size() >= n && std::u16string_view(text).substr(text.size() - n) == tail;
}

}  // namespace

bool CDictSource::ReadNextArticle(std::u16string& strText, int32_t& nBegin, int32_t& nEnd,
                                  int32_t& nFirstLine) {
    strText.clear();
    nBegin = nEnd = nFirstLine = 0;
    if (!GetError().empty()) return false;  // a decoding fault ended the text
    const int32_t nTextEnd = GetTextEnd();
    if (m_pos.nBytePos >= nTextEnd || !SetMapPos(m_pos.nBytePos, 0)) return false;
    const std::u16string_view lineEnd = GetLineEndString();
    const std::u16string strSep = GetArticlesSeparator();
    if (strSep.empty()) return false;  // the separator settings were not checked
    const char16_t cLineEndLast = lineEnd.back();
    const char16_t cSepLast = strSep.back();
    int32_t nTextBeg = 0;   // character position of the text's first unit
    int32_t nTextLine = 0;  // and its line
    SourcePos pos = m_pos;  // kept in registers while units are read

    auto finish = [&](size_t nDrop) {
        m_pos = pos;
        strText.resize(strText.size() - nDrop);
        nEnd = pos.nCharPos - static_cast<int32_t>(nDrop);
        nBegin = nTextBeg;
        nFirstLine = nTextLine;
        return true;
    };

    try {
        while (true) {
            if (!strText.empty()) {
                // Most units are plain ASCII that can end neither a line nor
                // an article: they are taken a run at a time.
                const size_t n = ReadMapAsciiRun(strText, cLineEndLast, cSepLast);
                pos.nBytePos += static_cast<int32_t>(n);
                pos.nCharPos += static_cast<int32_t>(n);
                if (n > 0 && pos.nBytePos >= nTextEnd) return finish(0);
            }
            char16_t c = 0;
            const int nBytes = ReadMapSymb(c);
            if (nBytes == 0) {
                // The text ended before the byte count said it would.
                m_pos = pos;
                if (strText.empty()) return false;
                return finish(EndsWith(strText, lineEnd) ? lineEnd.size() : 0);
            }
            pos.nBytePos += nBytes;
            ++pos.nCharPos;
            if (strText.empty()) {
                // Taken at the first unit, so that an article that starts
                // with a bare CR in a CR LF file starts at that CR.
                nTextBeg = pos.nCharPos - 1;
                nTextLine = pos.nLine;
            }
            strText.push_back(c);
            if (c == cLineEndLast && EndsWith(strText, lineEnd)) {
                ++pos.nLine;
                if (strText.size() == lineEnd.size()) {
                    strText.clear();  // empty lines before an article
                    continue;
                }
            }
            if (c == cSepLast && EndsWith(strText, strSep)) return finish(strSep.size());
            if (pos.nBytePos >= nTextEnd) {
                return finish(EndsWith(strText, lineEnd) ? lineEnd.size() : 0);
            }
        }
    } catch (const CMyObjectThrow& e) {
        m_pos = pos;
        SetError(e.GetError());
        return false;
    }
}
