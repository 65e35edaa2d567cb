// CDictSource: cutting the text after the header into articles.
#include "DictSource.h"

namespace {

bool EndsWith(const std::u16string& text, std::u16string_view tail) {
    // The last unit first: almost every call ends there.
    const size_t n = tail.size();
    return n != 0 && text.size() >= n && text.back() == tail.back() &&
           std::u16string_view(text).substr(text.size() - n) == tail;
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
    int32_t nTextBeg = 0;   // character position of the text's first unit
    int32_t nTextLine = 0;  // and its line

    auto finish = [&](size_t nDrop) {
        strText.resize(strText.size() - nDrop);
        nEnd = m_pos.nCharPos - static_cast<int32_t>(nDrop);
        nBegin = nTextBeg;
        nFirstLine = nTextLine;
        return true;
    };

    try {
        while (true) {
            char16_t c = 0;
            const int nBytes = ReadMapSymb(c);
            if (nBytes == 0) {
                // The text ended before the byte count said it would.
                if (strText.empty()) return false;
                return finish(EndsWith(strText, lineEnd) ? lineEnd.size() : 0);
            }
            m_pos.nBytePos += nBytes;
            ++m_pos.nCharPos;
            if (strText.empty()) {
                // Taken at the first unit, so that an article that starts
                // with a bare CR in a CR LF file starts at that CR.
                nTextBeg = m_pos.nCharPos - 1;
                nTextLine = m_pos.nLine;
            }
            strText.push_back(c);
            if (EndsWith(strText, lineEnd)) {
                ++m_pos.nLine;
                if (strText.size() == lineEnd.size()) {
                    strText.clear();  // empty lines before an article
                    continue;
                }
            }
            if (EndsWith(strText, strSep)) return finish(strSep.size());
            if (m_pos.nBytePos >= nTextEnd) {
                return finish(EndsWith(strText, lineEnd) ? lineEnd.size() : 0);
            }
        }
    } catch (const CMyObjectThrow& e) {
        SetError(e.GetError());
        return false;
    }
}
