#include "GmdWriter.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <thread>

#include "core/MyObject.h"

using namespace gmd;

namespace {

// Abort and progress are looked at once per this many items.
constexpr uint32_t kCheckEvery = 1024;
constexpr uint64_t kProgressStep = 1 << 20;
constexpr size_t kTextChunk = 1 << 15;

void AppendUnits(std::vector<uint8_t>& bytes, std::u16string_view text) {
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
}

}  // namespace

bool CGmdWriter::EncodeHeader(const GmdHeader& header, std::vector<uint8_t>& bytes) {
    bytes.clear();
    bytes.push_back(static_cast<uint8_t>(header.nFileType));
    bytes.push_back(static_cast<uint8_t>(header.nDictType));
    bytes.push_back(static_cast<uint8_t>(header.nIndexArea));
    for (const GmdHeader::Morph& m : header.morph) {
        // A zero length would end the list early, and the length is one byte.
        if (m.strName.empty() || m.strName.size() > kMaxMorphNameLength) return false;
        bytes.push_back(static_cast<uint8_t>(m.strName.size()));
        AppendUnits(bytes, m.strName);
        bytes.push_back(static_cast<uint8_t>(m.nSide));
    }
    bytes.push_back(kMorphListEnd);
    if (header.strName.size() > kMaxNameLength) return false;
    bytes.push_back(static_cast<uint8_t>(header.strName.size()));
    bytes.push_back(static_cast<uint8_t>(header.strName.size() >> 8));
    AppendUnits(bytes, header.strName);
    return true;
}

uint64_t CGmdWriter::HeaderSize(const GmdHeader& header) {
    uint64_t n = 3 + 1 + 2 + 2 * header.strName.size();
    for (const GmdHeader::Morph& m : header.morph)
        n += 1 + 2 * m.strName.size() + 1;
    return n;
}

bool CGmdWriter::Fail(std::u16string_view text) {
    SetError(text);
    return false;
}

bool CGmdWriter::FailFromOutput() {
    return Fail(m_out.GetError());
}

bool CGmdWriter::Put(std::span<const uint8_t> bytes) {
    return m_out.Write(bytes) || FailFromOutput();
}

bool CGmdWriter::PutU32(uint32_t v) {
    uint8_t b[4];
    gmd::PutU32(b, v);
    return Put(b);
}

bool CGmdWriter::Stop(uint32_t nItem) {
    if (nItem % kCheckEvery != 0) return false;
    Progress();
    return Aborted();
}

bool CGmdWriter::Aborted() {
    if (!m_bAborted && m_control.isAborted && m_control.isAborted()) m_bAborted = true;
    return m_bAborted;
}

void CGmdWriter::Progress() {
    uint64_t nDone = m_out.GetCalculatedSize() + (m_pTextDone ? m_pTextDone->load() : 0);
    if (m_nTotal == 0 || nDone < m_nNextProgress) return;
    m_nNextProgress = nDone + kProgressStep;
    if (m_control.progress) m_control.progress(std::min(nDone, m_nTotal), m_nTotal);
}

void CGmdWriter::ReportEnd() {
    if (m_control.progress)
        m_control.progress(m_out.GetCalculatedSize(), m_out.GetCalculatedSize());
}

bool CGmdWriter::CheckSize() {
    uint64_t nReal = 0;
    if (!m_out.GetRealSize(nReal)) return FailFromOutput();
    if (nReal != m_out.GetCalculatedSize()) return Fail(kSizeMismatchText);
    Progress();
    return true;
}

bool CGmdWriter::ComputeBlockPositions(const CCompiledIndex& index, uint64_t nTextUnits) {
    const uint32_t nNodes = index.GetNodeCount();
    if (nNodes > kMaxNodeCount) return Fail(kFileTooLargeText);
    uint64_t nRelBytes = 0;
    uint64_t nListBytes = 0;
    uint32_t nNextList = 0;
    for (uint32_t i = 0; i < nNodes; ++i) {
        if (index.IsNodeFinal(i)) {
            // The lists are streamed in list order, so the k-th final node
            // must own list k.
            if (index.GetNodeListIndex(i) != nNextList++) return Fail(kBadIndexText);
            const uint32_t nSize = index.GetListSize(nNextList - 1);
            if (nSize == 0) return Fail(kBadIndexText);
            nListBytes += kOccCountSize + kOccurrenceSize * uint64_t{nSize};
        } else {
            const size_t r = index.GetNodeRelationCount(i);
            if (r != 0) nRelBytes += kRelCountSize + kRelationSize * r;
        }
    }
    if (nNextList != index.GetListCount()) return Fail(kBadIndexText);
    auto& b = m_blockPos;
    b[BLOCK_ARTICLES] = m_out.GetCalculatedSize() + kPositionsAndKeySize;
    b[BLOCK_NODES] =
        b[BLOCK_ARTICLES] + kArticleRecordSize * uint64_t{index.GetArticleRecordCount()};
    b[BLOCK_RELATIONS] = b[BLOCK_NODES] + kNodeEntrySize * uint64_t{nNodes};
    b[BLOCK_OCCURRENCES] = b[BLOCK_RELATIONS] + nRelBytes;
    b[BLOCK_TEXT] = b[BLOCK_OCCURRENCES] + nListBytes;
    m_nTotal = b[BLOCK_TEXT] + 2 * nTextUnits;
    if (m_nTotal > kMaxFileSize) return Fail(kFileTooLargeText);
    return true;
}

bool CGmdWriter::WriteArticles(const CCompiledIndex& index) {
    const uint32_t nCount = index.GetArticleRecordCount();
    const uint64_t b0 = m_blockPos[BLOCK_ARTICLES];
    uint8_t rec[kArticleRecordSize];
    for (uint32_t i = 0; i < nCount; ++i) {
        if (Stop(i)) return true;
        ArticleRecord r = index.GetArticleRecord(i);
        if (r.nGroupCaption >= 0) {
            if (static_cast<uint32_t>(r.nGroupCaption) >= nCount) return Fail(kBadIndexText);
            r.nGroupCaption = static_cast<int32_t>(b0 + kArticleRecordSize * r.nGroupCaption);
        }
        r.Encode(rec);
        if (!Put(rec)) return false;
    }
    return true;
}

bool CGmdWriter::WriteNodeTable(const CCompiledIndex& index) {
    const uint32_t nNodes = index.GetNodeCount();
    uint64_t p = m_blockPos[BLOCK_RELATIONS];
    uint64_t q = m_blockPos[BLOCK_OCCURRENCES];
    for (uint32_t i = 0; i < nNodes; ++i) {
        if (Stop(i)) return true;
        uint32_t dwEntry = 0;
        if (index.IsNodeFinal(i)) {
            dwEntry = kFinalFlag | static_cast<uint32_t>(q);
            q += kOccCountSize +
                 kOccurrenceSize * uint64_t{index.GetListSize(index.GetNodeListIndex(i))};
        } else {
            const size_t r = index.GetNodeRelationCount(i);
            if (r != 0) {
                dwEntry = static_cast<uint32_t>(p);
                p += kRelCountSize + kRelationSize * r;
            }
        }
        if (!PutU32(dwEntry)) return false;
    }
    return true;
}

bool CGmdWriter::WriteRelations(const CCompiledIndex& index) {
    const uint32_t nNodes = index.GetNodeCount();
    uint8_t rel[kRelationSize];
    for (uint32_t i = 0; i < nNodes; ++i) {
        if (Stop(i)) return true;
        if (index.IsNodeFinal(i)) continue;
        const uint32_t nCount = index.GetNodeRelationCount(i);
        if (nCount == 0) continue;
        if (!PutU32(nCount)) return false;
        for (uint32_t k = 0; k < nCount; ++k) {
            const IndexRelation r = index.GetNodeRelation(i, k);
            if (r.nTarget >= nNodes) return Fail(kBadIndexText);
            PutRelation(rel, r.symbol, r.nTarget);
            if (!Put(rel)) return false;
        }
    }
    return true;
}

bool CGmdWriter::WriteLists(const CCompiledIndex& index) {
    const uint64_t nArticles = index.GetArticleRecordCount();
    const uint64_t b0 = m_blockPos[BLOCK_ARTICLES];
    const uint32_t nLists = index.GetListCount();
    uint32_t nList = 0;  // the list being written
    uint64_t nLeft = 0;  // its bytes still to come
    bool bStarted = false;
    uint32_t nPieces = 0;
    auto sink = [&](uint32_t nPieceList, std::span<const uint8_t> records) -> bool {
        if (++nPieces % kCheckEvery == 0 && Aborted()) return false;
        if (!bStarted || nLeft == 0) {
            // The next list begins: its count first.
            if (bStarted) ++nList;
            bStarted = true;
            if (nPieceList != nList || nList >= nLists) return Fail(kBadIndexText);
            nLeft = kOccurrenceSize * uint64_t{index.GetListSize(nList)};
            if (!PutU32(index.GetListSize(nList))) return false;
        }
        if (nPieceList != nList || records.size() > nLeft ||
            records.size() % kOccurrenceSize != 0) {
            return Fail(kBadIndexText);
        }
        nLeft -= records.size();
        // Copied in chunks straight into the output buffer, where the article
        // index of each record becomes the offset of its article record.
        constexpr size_t kChunkBytes = 4096 * kOccurrenceSize;
        while (!records.empty()) {
            const size_t nBytes = std::min(records.size(), kChunkBytes);
            uint8_t* pOut = m_out.Reserve(nBytes);
            if (pOut == nullptr) return FailFromOutput();
            std::memcpy(pOut, records.data(), nBytes);
            for (size_t off = 0; off < nBytes; off += kOccurrenceSize) {
                uint8_t* pField = pOut + off + kOccArticlePosOffset;
                const uint32_t nArticle = GetU32(pField);
                if (nArticle >= nArticles) return Fail(kBadIndexText);
                gmd::PutU32(pField, static_cast<uint32_t>(b0 + kArticleRecordSize * nArticle));
            }
            if (!m_out.CommitReserved(nBytes)) return FailFromOutput();
            records = records.subspan(nBytes);
            Progress();
        }
        return true;
    };
    if (!index.StreamLists(sink)) {
        if (m_bAborted) return true;
        return GetError().empty() ? Fail(kBadIndexText) : false;
    }
    // Every list must have come, each complete.
    if (nLists != 0 && (!bStarted || nList + 1 != nLists || nLeft != 0)) return Fail(kBadIndexText);
    return true;
}

// What the text thread reports back; the writer reads it once the thread
// has ended, apart from the byte count, which the progress reads on the way.
struct CGmdWriter::TextJob {
    std::atomic<bool> bStop{false};  // set by the writer when the index failed
    std::atomic<uint64_t> nBytes{0};
    bool bAborted = false;
    std::u16string strError;
};

void CGmdWriter::WriteText(const std::array<uint16_t, 4>& key, const GmdTextReader& readText,
                           TextJob& job) const {
    try {
        std::vector<char16_t> units(kTextChunk);
        std::vector<uint8_t> bytes(2 * kTextChunk);
        uint64_t nUnit = 0;
        uint64_t nPos = m_blockPos[BLOCK_TEXT];
        for (;;) {
            if (job.bStop || (m_control.isAborted && m_control.isAborted())) {
                job.bAborted = !job.bStop;
                return;
            }
            const size_t n = readText(units);
            if (n == 0) return;
            if (nPos + 2 * n > kMaxFileSize) {
                job.strError = kFileTooLargeText;
                return;
            }
            for (size_t i = 0; i < n; ++i, ++nUnit) {
                gmd::PutU16(bytes.data() + 2 * i, ScrambleSymb(units[i], nUnit, key));
            }
            if (const int nErr = m_out.WriteAt(nPos, std::span(bytes.data(), 2 * n)); nErr != 0) {
                job.strError = SystemErrorText(nErr);
                return;
            }
            nPos += 2 * n;
            job.nBytes += 2 * n;
        }
    } catch (const CMyObjectThrow& e) {
        job.strError = e.GetError();
    } catch (const std::bad_alloc&) {
        job.strError = u"Not enough memory";
    }
}

// Records, automaton and lists in order, and meanwhile, on a thread of its
// own, the text block, whose place is known from the block positions: the
// two largest parts of the file are written at once. The stages are checked
// against the file's length once both are through.
bool CGmdWriter::WriteIndexAndText(const std::array<uint16_t, 4>& key, const CCompiledIndex& index,
                                   const GmdTextReader& readText) {
    TextJob job;
    bool bIndexOk = false;
    {
        std::jthread text([&] { WriteText(key, readText, job); });
        m_pTextDone = &job.nBytes;
        try {
            bIndexOk = WriteArticles(index) && !m_bAborted && WriteNodeTable(index) &&
                       !m_bAborted && WriteRelations(index) && !m_bAborted && WriteLists(index) &&
                       !m_bAborted;
        } catch (...) {
            job.bStop = true;
            m_pTextDone = nullptr;
            throw;
        }
        if (!bIndexOk) job.bStop = true;
    }
    m_pTextDone = nullptr;
    if (!bIndexOk) return m_bAborted;
    if (!job.strError.empty()) return Fail(job.strError);
    if (job.bAborted) {
        m_bAborted = true;
        return true;
    }
    m_out.AddWritten(job.nBytes);
    return CheckSize();
}

bool CGmdWriter::Write(const GmdHeader& header, uint32_t dwDate, const std::array<uint16_t, 4>& key,
                       const CCompiledIndex& index, const GmdTextReader& readText,
                       uint64_t nTextUnits) {
    ClearError();
    m_bAborted = false;
    m_blockPos = {};
    m_nNextProgress = 0;
    m_nTotal = 0;
    try {
        // 1-2. Version, date, header and counts.
        uint8_t prefix[kHeaderOffset];
        prefix[0] = kFormatVersion;
        gmd::PutU32(prefix + 1, dwDate);
        std::vector<uint8_t> headerBytes;
        if (!EncodeHeader(header, headerBytes)) return Fail(kBadIndexText);
        uint8_t counts[kCountsSize];
        PutI32(counts, header.nArticleCount);
        PutI32(counts + 4, header.nWordCount);
        if (!Put(prefix) || !Put(headerBytes) || !Put(counts) || !CheckSize()) return false;

        // 3-4. Block positions and key.
        if (!ComputeBlockPositions(index, nTextUnits)) return false;
        for (uint64_t pos : m_blockPos) {
            if (!PutU32(static_cast<uint32_t>(pos))) return false;
        }
        for (uint16_t k : key) {
            if (k == 0) return Fail(kBadIndexText);
            uint8_t b[2];
            PutU16(b, k);
            if (!Put(b)) return false;
        }
        if (!CheckSize()) return false;

        // 5-7. Records, automaton, lists, text, and a size check at the end.
        // An abort leaves the loops early and the result is false with no
        // error text.
        return WriteIndexAndText(key, index, readText) && !m_bAborted && (ReportEnd(), true);
    } catch (const CMyObjectThrow& e) {
        return Fail(e.GetError());
    }
}
