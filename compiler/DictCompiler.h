// One compile run: source file in, .gmd file out, on a worker thread.
//
// StartCompile opens the files and starts CompileThread, which reads the
// header, loads the morphology modules, checks the articles and builds the
// index in one pass over them, and writes the file. The caller polls the running
// flag, the status text and the progress, may ask for an abort, and reads
// the outcome (statistics in the status text, or the error text) once the
// run is no longer running.
//
// The output is written under a temporary name beside the target and only
// renamed over it when the whole file has been written and checked: an
// error or an abort deletes the temporary file and leaves any dictionary of
// the target's name as it was.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "ArticlePass.h"
#include "CompileWarning.h"
#include "DictSource.h"
#include "IndexBuilder.h"
#include "LemmaSource.h"
#include "ParsedBatches.h"
#include "core/MyObject.h"
#include "core/UnicodeMappingFile.h"
#include "dictformat/DictIndexFile.h"

class CDictCompiler : public CMyObject {
public:
    // Asked on the worker thread when morphology modules failed to load; the
    // text lists the failures and ends with "Continue indexing?". True goes on.
    using AskContinue = std::function<bool(const std::u16string& strQuestion)>;

    CDictCompiler();
    // Asks a running compile to stop and waits for it.
    ~CDictCompiler() override;
    CDictCompiler(const CDictCompiler&) = delete;
    CDictCompiler& operator=(const CDictCompiler&) = delete;

    // Settings of the next run.
    void SetSeparators(const CSeparatorSettings& settings) { m_separators = settings; }
    // The morphology; none means no lemmas. Kept by the caller.
    void SetLemmaSource(CLemmaSource* pLemmas) { m_pLemmas = pLemmas; }
    void SetAskContinue(AskContinue ask) { m_askContinue = std::move(ask); }
    // The worker runs below normal priority so that a window stays
    // responsive; a program without one may keep it at normal priority.
    void SetLowerPriority(bool bLower) { m_bLowerPriority = bLower; }

    // Opens the source, loads the character map, creates the output and
    // starts the worker. False, with the error text, when any of it fails.
    bool StartCompile(std::u16string_view strSourcePath, std::u16string_view strOutputPath,
                      std::u16string_view strMappingPath);
    // After StartCompile failed: whether the source could not be opened as
    // text (rather than the character map or the output).
    bool HasSourceOpenFault() const { return m_bSourceOpenFault; }
    // Waits for the worker to end.
    void Wait();

    void RequestAbort() { m_bAborted.store(true); }
    bool IsRunning() const { return m_bRunning.load(std::memory_order_acquire); }
    bool IsAborted() const { return m_bAborted.load(); }
    bool HasError() const { return m_bError.load(); }
    // The source line of the fault; the worker sets it, so it may be read
    // at any time.
    int32_t GetLine() const { return m_nLine.load(); }

    // The progress range and position, in bytes of the source (in larger
    // units for a source of 1 GB or more, so that twice its size fits).
    int32_t GetProgressMin() const { return m_nProgressMin.load(); }
    int32_t GetProgressPos() const { return m_nProgressPos.load(); }
    int32_t GetProgressMax() const { return m_nProgressMax.load(); }
    std::u16string GetStatusText() const;
    void SetStatusText(std::u16string_view strText);

    // error text := "Error in file, line %d", CR LF, text; error flag set.
    void ReportLineError(int32_t nLine, std::u16string_view strText);
    // The text of the last ReportLineError alone, without the line; empty
    // when the run's fault concerns no line of the source.
    const std::u16string& GetLineFault() const { return m_strLineFault; }
    // In the order found; read once the run has ended.
    const std::vector<CompileWarning>& GetWarnings() const { return m_warnings; }
    // error text := "Error creating index file:", CR LF, text; error flag set.
    void ReportWriteError(std::u16string_view strText);

    // What the run built; read once it has ended.
    int GetArticleCount() const { return static_cast<int>(m_builder.GetArticleRecordCount()); }
    const gmd::ArticleRecord& GetArticleInfo(int nIndex) const {
        return m_builder.GetArticleInfo(nIndex);
    }
    uint32_t GetNodeCount() const { return m_builder.GetNodeCount(); }
    CAutomNodeRel GetAutom(int nIndex);
    int GetWordInfoCount() const { return static_cast<int>(m_builder.GetListCount()); }
    std::vector<WordOccurrence> GetWordInfo(int nIndex) const {
        return m_builder.GetWordInfo(nIndex);
    }
    const CharMap& GetCharMap() const { return m_charMap; }
    const CIndexBuilder& GetIndex() const { return m_builder; }
    uint64_t GetOutputSize() const { return m_nOutputSize; }

    // For tests: a fixed date and key for the file, and a smaller node limit.
    void SetFixedDateAndKey(uint32_t dwDate, const std::array<uint16_t, 4>& key);
    void SetNodeLimit(uint32_t nLimit) { m_nNodeLimit = nLimit; }

private:
    class CParseSide;

    void CompileThread();
    void ResetRun();
    void AddHeaderWarnings();
    void AddPassWarnings(const ArticlePassResult& result);
    bool LoadLemmatizers(std::u16string& strReports);
    bool RunPass();
    void IndexBatch(const CParsedBatch& batch, std::u16string& strError);
    bool WriteOutput();
    void Finish(const std::u16string& strReports);
    void SetProgress(int32_t nMin, int64_t nPos, int64_t nMax);
    void SetProgressPos(int64_t nPos);

    std::unique_ptr<CDictSource> m_pSource;
    std::unique_ptr<CDictIndexFile> m_pOutput;
    std::filesystem::path m_outputFolder;
    std::atomic<int32_t> m_nProgressMin{0};
    std::atomic<int32_t> m_nProgressPos{0};
    std::atomic<int32_t> m_nProgressMax{0};
    int m_nProgressShift = 0;
    mutable std::mutex m_statusMutex;
    std::u16string m_strStatus;
    std::atomic<bool> m_bRunning{false};
    std::atomic<bool> m_bAborted{false};
    std::atomic<bool> m_bError{false};
    std::atomic<int32_t> m_nLine{-1};
    std::u16string m_strLineFault;
    bool m_bSourceOpenFault = false;
    std::vector<CompileWarning> m_warnings;
    CIndexBuilder m_builder;
    CharMap m_charMap;

    CSeparatorSettings m_separators;
    CLemmaSource* m_pLemmas = nullptr;
    AskContinue m_askContinue;
    std::vector<MorphUse> m_morph;
    int32_t m_nTextUnits = 0;
    uint64_t m_nSourceSize = 0;
    uint64_t m_nOutputSize = 0;
    uint32_t m_nNodeLimit = gmd::kMaxNodeCount;
    static constexpr size_t kBatchCount = 4;  // parsed batches under way at once
    bool m_bLowerPriority = true;
    bool m_bFixedDateAndKey = false;
    uint32_t m_dwFixedDate = 0;
    std::array<uint16_t, 4> m_fixedKey{};
    std::thread m_thread;
};
