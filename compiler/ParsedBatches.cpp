#include "ParsedBatches.h"

#include "FormTable.h"
#include "core/CharTables.h"

void CParsedBatch::Clear() {
    m_records.clear();
    m_wordEnds.clear();
    m_words.clear();
    m_texts.clear();
    m_nArticleBeg = 0;
}

void CParsedBatch::EndArticle(const gmd::ArticleRecord& record) {
    m_records.push_back(record);
    m_wordEnds.push_back(static_cast<uint32_t>(m_words.size()));
    m_nArticleBeg = m_words.size();
}

bool CParsedBatch::AddIndexWord(CArticleIndex& article, const IndexWord& word) {
    // The parser hands over only what a compiled file can hold.
    if (word.nSpan < 1 || word.nSpan > 255 || word.nWordNumber < 0 || word.nPosition < 0 ||
        word.nArticle < 0) {
        article.SetError(InternalError(u"CParsedBatch::AddIndexWord", u"Wrong word"));
        return false;
    }
    Word w{};
    w.nTextBeg = static_cast<uint32_t>(m_texts.size());
    w.nTextLen = static_cast<uint32_t>(word.strText.size());
    for (char16_t c : word.strText)
        m_texts.push_back(ToUpperSymb(c));
    w.nHash = CFormTable::Hash(GetText(w));
    w.occ = {static_cast<uint32_t>(word.nWordNumber), static_cast<uint32_t>(word.nPosition),
             static_cast<uint8_t>(word.nSpan), static_cast<uint32_t>(word.nArticle), word.nFlags};
    m_words.push_back(w);
    return true;
}

void CParsedBatch::EndOfPart(CArticleIndex&) {
    if (m_words.size() > m_nArticleBeg) m_words.back().occ.byFlags |= gmd::WORD_END_OF_PART;
}

void CBatchLine::Put(std::unique_ptr<CParsedBatch> pBatch) {
    {
        std::lock_guard lock(m_mutex);
        m_batches.push_back(std::move(pBatch));
    }
    m_cv.notify_one();
}

std::unique_ptr<CParsedBatch> CBatchLine::Take() {
    std::unique_lock lock(m_mutex);
    m_cv.wait(lock, [this] { return m_bEnded || !m_batches.empty(); });
    if (m_batches.empty() || (m_bEnded && !m_bDrain)) return nullptr;
    std::unique_ptr<CParsedBatch> pBatch = std::move(m_batches.front());
    m_batches.pop_front();
    return pBatch;
}

void CBatchLine::End(bool bDrain) {
    {
        std::lock_guard lock(m_mutex);
        m_bEnded = true;
        m_bDrain = bDrain;
    }
    m_cv.notify_all();
}

CBatchQueue::CBatchQueue(size_t nBatches) {
    for (size_t i = 0; i < nBatches; ++i)
        m_empty.Put(std::make_unique<CParsedBatch>());
}

std::unique_ptr<CParsedBatch> CBatchQueue::TakeEmpty() {
    std::unique_ptr<CParsedBatch> pBatch = m_empty.Take();
    if (pBatch) pBatch->Clear();
    return pBatch;
}

void CBatchQueue::Push(std::unique_ptr<CParsedBatch> pBatch) {
    if (!IsClosed()) m_filled.Put(std::move(pBatch));
}

void CBatchQueue::Close() {
    m_bClosed = true;
    m_empty.End(false);
}
