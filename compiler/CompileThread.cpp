// The worker of a compile run: header, morphology, check pass, build pass,
// writing, and the end of the run.
#include <sys/resource.h>
#include <unistd.h>

#include <new>

#include "ArticlePass.h"
#include "ArticleWords.h"
#include "CompileTexts.h"
#include "DictCompiler.h"
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

// Takes each parsed article: its record, then its words into the index.
class CDictCompiler::CPassObserver : public CArticlePassObserver {
public:
    explicit CPassObserver(CDictCompiler& compiler) : m_c(compiler) {}

    bool IsAborted() override { return m_c.IsAborted(); }
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
        CIndexBuilder& builder = m_c.m_builder;
        builder.AddArticleRecord(article.GetRecord());
        const std::span<CWordIndex> words = m_words.GetWords();
        builder.PrefetchWords(words, m_hashes);
        for (size_t i = 0; i < words.size(); ++i) {
            if (!builder.AddWord(words[i], m_hashes[i])) {
                m_strIndexError = builder.GetError();
                article.SetError(m_strIndexError);
                return false;
            }
        }
        m_words.Clear();
        return true;
    }

    CArticleWords& Words() { return m_words; }
    const std::u16string& GetIndexError() const { return m_strIndexError; }

private:
    static constexpr int32_t kReleaseStep = 16 << 20;

    CDictCompiler& m_c;
    int32_t m_nReleaseAt = kReleaseStep;
    CArticleWords m_words;
    std::vector<uint32_t> m_hashes;
    std::u16string m_strIndexError;
};

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
// once. Nothing is written before the whole source has been checked.
bool CDictCompiler::RunPass() {
    SetStatusText(kStatusChecking);
    SetProgress(0, 0, static_cast<int64_t>(m_nSourceSize));
    CPassObserver observer(*this);
    CArticleIndex article;
    ParseContext ctx;
    const ArticlePassResult result =
        RunArticlePass(*m_pSource, article, ctx, &observer.Words(), &observer);
    ReleaseMappedPages(m_pSource->GetMapView(), m_pSource->GetMapView().size());
    if (result.nOutcome == ArticlePassResult::ABORTED || IsAborted()) return false;
    if (result.nOutcome == ArticlePassResult::FAILED) {
        if (!observer.GetIndexError().empty()) {
            ReportWriteError(observer.GetIndexError());
        } else {
            SetError(result.strError);
            m_nLine = result.nLine;
            m_bError = true;
        }
        return false;
    }
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
            m_builder.GetAutomaton().SetNodeLimit(m_nNodeLimit);
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
