#include "ArticleWords.h"

#include "dictformat/GmdLayout.h"

bool CArticleWords::AddIndexWord(CArticleIndex& article, const IndexWord& word) {
    if (m_nCount == m_words.size()) m_words.emplace_back();
    CWordIndex& w = m_words[m_nCount];
    w.Clear();
    w.SetText(word.strText);
    if (word.nSpan < 1 || word.nSpan > 255 || !w.SetWordNum(word.nWordNumber) ||
        !w.SetPosition(word.nPosition) || !w.SetArticle(word.nArticle)) {
        article.SetError(w.GetError().empty()
                             ? InternalError(u"CArticleWords::AddIndexWord", u"Wrong word span")
                             : w.GetError());
        return false;
    }
    w.SetSpan(static_cast<uint8_t>(word.nSpan));
    w.SetFlags(word.nFlags);
    ++m_nCount;
    return true;
}

void CArticleWords::EndOfPart(CArticleIndex&) {
    if (m_nCount > 0) m_words[m_nCount - 1].AddFlags(gmd::WORD_END_OF_PART);
}
