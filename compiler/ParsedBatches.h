// The hand-over between the two threads of a compile pass: one reads and
// parses the articles, the other indexes them. The parser fills batches of
// parsed articles (their records and index words) and passes them on in
// source order; the indexer empties them and hands them back for reuse, so
// a run needs only a few batches however large the source is.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "ArticleIndex.h"
#include "dictformat/GmdLayout.h"

// Parsed articles on their way to the index, compact so that little memory
// passes between the threads: each word is a small record, all the texts
// share one buffer. The batch takes the parser's words itself.
class CParsedBatch : public CIndexWordSink {
public:
    struct Word {
        uint32_t nTextBeg;  // in the text buffer; upper-cased
        uint32_t nTextLen;
        uint32_t nHash;  // of the text (CFormTable::Hash)
        gmd::OccurrenceRecord occ;
    };

    void Clear();
    // After an article has been parsed without fault: its record; its words
    // are those handed over since the previous one.
    void EndArticle(const gmd::ArticleRecord& record);

    size_t GetArticleCount() const { return m_records.size(); }
    const gmd::ArticleRecord& GetRecord(size_t nArticle) const { return m_records[nArticle]; }
    // Per article: one past its last word.
    size_t GetWordEnd(size_t nArticle) const { return m_wordEnds[nArticle]; }
    size_t GetWordCount() const { return m_words.size(); }
    const Word& GetWord(size_t i) const { return m_words[i]; }
    std::u16string_view GetText(const Word& w) const {
        return std::u16string_view(m_texts).substr(w.nTextBeg, w.nTextLen);
    }

    bool AddIndexWord(CArticleIndex& article, const IndexWord& word) override;
    void EndOfPart(CArticleIndex& article) override;

private:
    std::vector<gmd::ArticleRecord> m_records;
    std::vector<uint32_t> m_wordEnds;
    std::vector<Word> m_words;
    std::u16string m_texts;
    size_t m_nArticleBeg = 0;  // the first word of the article being parsed
};

// Batches handed from one thread to the other, in the order given. Take
// waits for a batch; once the line is ended it gives nullptr, after the
// batches still in the line when they are drained.
class CBatchLine {
public:
    void Put(std::unique_ptr<CParsedBatch> pBatch);
    std::unique_ptr<CParsedBatch> Take();
    void End(bool bDrain);

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<std::unique_ptr<CParsedBatch>> m_batches;
    bool m_bEnded = false;
    bool m_bDrain = false;
};

class CBatchQueue {
public:
    // nBatches: how many batches exist; the parser runs at most that many
    // ahead of the indexer.
    explicit CBatchQueue(size_t nBatches);

    // Parser side. An empty batch to fill: nullptr once the queue is closed.
    std::unique_ptr<CParsedBatch> TakeEmpty();
    // Passes a filled batch on (dropped once the queue is closed).
    void Push(std::unique_ptr<CParsedBatch> pBatch);
    // No more batches will come.
    void Finish() { m_filled.End(true); }

    // Indexer side. The next filled batch in order; nullptr once the parser
    // has finished and every batch has been taken.
    std::unique_ptr<CParsedBatch> Pop() { return m_filled.Take(); }
    void Recycle(std::unique_ptr<CParsedBatch> pBatch) { m_empty.Put(std::move(pBatch)); }
    // The indexer stops early: the parser's calls return at once from now.
    void Close();
    bool IsClosed() const { return m_bClosed.load(std::memory_order_relaxed); }

private:
    CBatchLine m_filled;
    CBatchLine m_empty;
    std::atomic<bool> m_bClosed{false};  // written by the indexer, read by both
};
