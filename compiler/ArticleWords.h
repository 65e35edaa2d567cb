// The indexing step's view of one article: the parser hands over each
// accepted index word, which becomes a CWordIndex here; when a part ends its
// last word is marked. The objects are reused from article to article.
#pragma once

#include <span>
#include <vector>

#include "ArticleIndex.h"
#include "WordIndex.h"

class CArticleWords : public CIndexWordSink {
public:
    void Clear() { m_nCount = 0; }
    std::span<CWordIndex> GetWords() { return {m_words.data(), m_nCount}; }

    bool AddIndexWord(CArticleIndex& article, const IndexWord& word) override;
    void EndOfPart(CArticleIndex& article) override;

private:
    std::vector<CWordIndex> m_words;
    size_t m_nCount = 0;
};
