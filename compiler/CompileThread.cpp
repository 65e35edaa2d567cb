// The worker of a compile run: header, morphology, check pass, build pass,
// writing, and the end of the run.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <exception>
#include <new>
#include <thread>

#include "ArticlePass.h"
#include "CompileTexts.h"
#include "DictCompiler.h"
#include "ParsedBatches.h"
#include "core/Stopwatch.h"
#include "dictformat/MappedPages.h"

namespace {

// The worker yields to the program's own thread, as a background job should.
void LowerThreadPriority() {
    const id_t nThread = static_cast<id_t>(::gettid());
    errno = 0;
    const int nNice = ::getpriority(PRIO_PROCESS, nThread);
    if (errno == 0) ::setpriority(PRIO_PROCESS, nThread, nNice + 1);
}

std::u16string JoinLines(const std::vector<std::u16string>& lines) {
    std::u16string text;
    for (const std::u16string& line : lines) {
        if (!text.empty()) text += u"\r\n";
        text += line;
    }
    return text;
}

}  // namespace

// The parsing side of the pass, on a thread of its own: reads and parses the
// articles and passes them on in batches, each word's text already hashed.
class CDictCompiler::CParseSide : public CArticlePassObserver, public CIndexWordSink {
public:
    CParseSide(CDictCompiler& compiler, CBatchQueue& queue) : m_c(compiler), m_queue(queue) {}

    void Run() {
        try {
            if (m_c.m_bLowerPriority) LowerThreadPriority();
            m_pBatch = m_queue.TakeEmpty();
            if (m_pBatch) {
                CArticleIndex article;
                ParseContext ctx;
                m_result = RunArticlePass(*m_c.m_pSource, article, ctx, this, this);
                if (m_pBatch && m_pBatch->GetArticleCount() > 0) m_queue.Push(std::move(m_pBatch));
            }
        } catch (...) {
            m_exception = std::current_exception();
        }
        m_queue.Finish();
    }
    const ArticlePassResult& GetResult() const { return m_result; }
    // What the thread threw, to be thrown again on the compile thread.
    std::exception_ptr GetException() const { return m_exception; }

    bool IsAborted() override { return m_c.IsAborted() || m_queue.IsClosed() || !m_pBatch; }
    void OnProgress(int32_t nBytePos) override {
        m_c.SetProgressPos(nBytePos);
        if (nBytePos >= m_nReleaseAt) {
            // Pages already parsed are not needed again until the text is
            // written; keeping them would only swell the resident size.
            ReleaseMappedPages(m_c.m_pSource->GetMapView(), static_cast<size_t>(nBytePos));
            m_nReleaseAt = nBytePos + kReleaseStep;
        }
    }
    bool OnArticle(CArticleIndex& article) override {
        m_pBatch->EndArticle(article.GetRecord());
        if (m_pBatch->GetWordCount() >= kBatchWords ||
            m_pBatch->GetArticleCount() >= kBatchArticles) {
            m_queue.Push(std::move(m_pBatch));
            m_pBatch = m_queue.TakeEmpty();  // none once the indexer has stopped
        }
        return true;
    }

    bool AddIndexWord(CArticleIndex& article, const IndexWord& word) override {
        return m_pBatch->AddIndexWord(article, word);
    }
    void EndOfPart(CArticleIndex& article) override { m_pBatch->EndOfPart(article); }

private:
    static constexpr int32_t kReleaseStep = 2 << 20;
    static constexpr size_t kBatchWords = 16384;
    static constexpr size_t kBatchArticles = 4096;

    CDictCompiler& m_c;
    CBatchQueue& m_queue;
    std::unique_ptr<CParsedBatch> m_pBatch;
    int32_t m_nReleaseAt = kReleaseStep;
    ArticlePassResult m_result;
    std::exception_ptr m_exception;
};

void CDictCompiler::AddHeaderWarnings() {
    for (int i = 0; i < m_pSource->GetMorphDescrCount(); ++i) {
        const MorphDescr descr = m_pSource->GetMorphDescr(i);
        CompileWarning warning;
        warning.nLine = m_pSource->GetMorphLine(i);
        warning.strName = descr.strName;
        if (descr.nLangId == 0) {
            warning.nKind = CompileWarning::MORPH_WITHOUT_LEMMAS;
        } else if (m_pLemmas != nullptr && !m_pLemmas->IsLanguageAvailable(descr.nLangId)) {
            warning.nKind = CompileWarning::MORPH_SWITCHED_OFF;
        } else {
            continue;
        }
        m_warnings.push_back(std::move(warning));
    }
}

void CDictCompiler::AddPassWarnings(const ArticlePassResult& result) {
    auto tally = [this](CompileWarning::Kind nKind, const ArticleTally& t) {
        if (t.nCount > 0) m_warnings.push_back({nKind, t.nFirstLine, t.nCount, {}});
    };
    tally(CompileWarning::ARTICLES_WITHOUT_PARTS_SEPARATOR, result.withoutPartsSeparator);
    tally(CompileWarning::ARTICLES_STARTING_WITH_DOLLAR, result.startingWithDollar);
    if (result.nArticles == 0) m_warnings.push_back({CompileWarning::NO_ARTICLES, 0, 0, {}});
}

bool CDictCompiler::LoadLemmatizers(std::u16string& strReports) {
    if (IsAborted()) return false;
    SetStatusText(kStatusLoadingLemmatizers);
    std::vector<std::u16string> reports;
    std::vector<std::u16string> failures;
    for (int i = 0; i < m_pSource->GetMorphDescrCount() && !IsAborted(); ++i) {
        const MorphDescr descr = m_pSource->GetMorphDescr(i);
        if (m_pLemmas == nullptr || !m_pLemmas->IsLanguageAvailable(descr.nLangId)) continue;
        std::u16string strReport;
        std::u16string strError;
        if (m_pLemmas->LoadLanguage(descr.nLangId, strReport, strError)) {
            if (!strReport.empty()) reports.push_back(std::move(strReport));
        } else {
            failures.push_back(std::move(strError));
        }
    }
    strReports = JoinLines(reports);
    if (!failures.empty() && !IsAborted()) {
        const std::u16string strQuestion = JoinLines(failures) + u"\r\n" + kContinueIndexingText;
        if (m_askContinue && !m_askContinue(strQuestion)) m_bAborted = true;
    }
    return !IsAborted();
}

// One pass over the articles checks the syntax and builds the index: every
// accepted word goes into the index as it comes, so the source is parsed
// once. Nothing is written before the whole source has been checked. The
// parsing runs on a thread of its own, a few batches ahead of the indexing;
// the outcome is what one thread doing both in turn would have met first.
bool CDictCompiler::RunPass() {
    SetStatusText(kStatusChecking);
    SetProgress(0, 0, static_cast<int64_t>(m_nSourceSize));
    CBatchQueue queue(kBatchCount);
    CParseSide parser(*this, queue);
    std::thread thread([&parser] { parser.Run(); });
    std::u16string strIndexError;
    try {
        while (std::unique_ptr<CParsedBatch> pBatch = queue.Pop()) {
            if (strIndexError.empty() && !IsAborted()) IndexBatch(*pBatch, strIndexError);
            if (!strIndexError.empty() || IsAborted()) queue.Close();
            queue.Recycle(std::move(pBatch));
        }
    } catch (...) {
        queue.Close();
        thread.join();
        throw;
    }
    thread.join();
    ReleaseMappedPages(m_pSource->GetMapView(), m_pSource->GetMapView().size());
    if (parser.GetException()) std::rethrow_exception(parser.GetException());
    if (!strIndexError.empty()) {
        ReportWriteError(strIndexError);
        return false;
    }
    const ArticlePassResult& result = parser.GetResult();
    if (result.nOutcome == ArticlePassResult::ABORTED || IsAborted()) return false;
    if (result.nOutcome == ArticlePassResult::FAILED) {
        ReportLineError(result.nLine, result.strMessage);
        return false;
    }
    AddPassWarnings(result);
    SetStatusText(kStatusProcessing);
    SetProgress(0, static_cast<int64_t>(m_nSourceSize), static_cast<int64_t>(m_nSourceSize) * 2);
    m_nTextUnits = m_pSource->GetReadPos().nCharPos;
    if (!m_builder.FinishLists()) {
        ReportWriteError(m_builder.GetError());
        return false;
    }
    m_pSource->SetArticleCount(result.nArticles);
    m_pSource->SetWordCount(result.nWords);
    return true;
}

// Indexes a batch's articles in order: each record, then its words. The
// words' lookups are started a few words ahead so that they overlap.
void CDictCompiler::IndexBatch(const CParsedBatch& batch, std::u16string& strError) {
    constexpr size_t kAhead = 8;
    const size_t nWords = batch.GetWordCount();
    for (size_t i = 0; i < std::min(kAhead, nWords); ++i)
        m_builder.PrefetchForm(batch.GetWord(i).nHash);
    size_t w = 0;
    for (size_t a = 0; a < batch.GetArticleCount(); ++a) {
        if (IsAborted()) return;
        m_builder.AddArticleRecord(batch.GetRecord(a));
        for (; w < batch.GetWordEnd(a); ++w) {
            if (w + kAhead < nWords) m_builder.PrefetchForm(batch.GetWord(w + kAhead).nHash);
            const CParsedBatch::Word& word = batch.GetWord(w);
            if (!m_builder.AddWord(batch.GetText(word), word.nHash, word.occ)) {
                strError = m_builder.GetError();
                return;
            }
        }
    }
}

bool CDictCompiler::WriteOutput() {
    if (!m_pSource->GetError().empty()) {
        ReportLineError(m_pSource->GetReadPos().nLine, m_pSource->GetError());
        return false;
    }
    SetStatusText(kStatusIndexing);
    m_pOutput->CopyHeader(*m_pSource);
    const int64_t nSize = static_cast<int64_t>(m_nSourceSize);
    GmdWriteControl control;
    control.isAborted = [this] { return IsAborted(); };
    control.progress = [this, nSize](uint64_t nDone, uint64_t nTotal) {
        if (nTotal > 0)
            SetProgressPos(nSize +
                           static_cast<int64_t>(nSize * (static_cast<double>(nDone) / nTotal)));
    };
    m_pOutput->SetWriteControl(std::move(control));
    if (m_pOutput->WriteCompiledFile(*m_pSource, m_builder, gmd::kFormatVersion,
                                     static_cast<uint64_t>(m_nTextUnits))) {
        return true;
    }
    if (!IsAborted()) ReportWriteError(m_pOutput->GetError());
    return false;
}

void CDictCompiler::Finish(const std::u16string& strReports) {
    if (IsAborted()) {
        SetError(kIndexingAbortedText);
        m_pOutput->DiscardWriting();
    } else if (HasError()) {
        m_pOutput->DiscardWriting();
    } else if (!m_pOutput->CommitWriting()) {
        ReportWriteError(m_pOutput->GetError());
    } else {
        m_nOutputSize = m_pOutput->GetWrittenSize();
        SetStatusText(CompileStatisticsText(strReports, GetElapsedSeconds(),
                                            m_pOutput->GetArticleCount(), m_pOutput->GetWordCount(),
                                            m_nSourceSize, m_nOutputSize));
    }
}

void CDictCompiler::CompileThread() {
    if (m_bLowerPriority) LowerThreadPriority();
    StartTimer();
    std::u16string strReports;
    try {
        m_nSourceSize = static_cast<uint64_t>(std::max(m_pSource->GetFileLength(), 0));
        // Twice the source size must fit the 32-bit progress fields.
        while ((static_cast<int64_t>(m_nSourceSize) * 2 >> m_nProgressShift) > INT32_MAX)
            ++m_nProgressShift;
        if (!m_pSource->ReadHeader()) {
            ReportLineError(m_pSource->GetReadPos().nLine, m_pSource->GetError());
        } else {
            SetStatusText(kStatusInitializing);
            for (int i = 0; i < m_pSource->GetMorphDescrCount(); ++i) {
                const MorphDescr descr = m_pSource->GetMorphDescr(i);
                m_morph.push_back({descr.nLangId, descr.nSide});
            }
            m_builder.Start(m_morph, m_pLemmas, &m_charMap);
            // Beside the output, where the file system has room for the
            // output anyway; in memory where that fails.
            m_builder.KeepOccurrencesIn(m_outputFolder);
            m_builder.GetAutomaton().SetNodeLimit(m_nNodeLimit);
            m_builder.Reserve(m_nSourceSize);
            AddHeaderWarnings();
            if (LoadLemmatizers(strReports) && RunPass()) WriteOutput();
        }
    } catch (const CMyObjectThrow& e) {
        ReportWriteError(e.GetError());
    } catch (const std::bad_alloc&) {
        ReportWriteError(u"Not enough memory");
    }
    Finish(strReports);
    m_pSource->Close();
    m_bRunning.store(false, std::memory_order_release);
}
