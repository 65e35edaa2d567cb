// Writes a compiled dictionary in one sequential pass: prefix, header,
// counts, block positions, key, article records, node table, relation blocks,
// occurrence lists and the scrambled text. CDictIndexFile drives it; the
// content comes from the compiler through CCompiledIndex.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "GmdLayout.h"
#include "GmdOutputFile.h"
#include "core/MyObject.h"

// The header block and the counts, as they are written.
struct GmdHeader {
    struct Morph {
        std::u16string strName;  // as written in the source, 1..255 units
        int32_t nSide = MORPH_SIDE_BOTH;
    };
    int32_t nFileType = FILE_TYPE_DICT;
    int32_t nDictType = DICT_TYPE_MAIN;
    int32_t nIndexArea = INDEX_AREA_BOTH;
    std::vector<Morph> morph;
    std::u16string strName;
    int32_t nArticleCount = 0;
    int32_t nWordCount = 0;
};

// One relation of a node: the symbol and the node it leads to.
struct IndexRelation {
    uint32_t nTarget = 0;
    char16_t symbol = 0;
};

// What the writer needs of the compiled index. The k-th final node in node
// order owns list k. The records handed over hold the article *index*,
// which the writer turns into the record's file offset.
class CCompiledIndex {
public:
    // Receives the records of list nList (a list may come in several pieces,
    // in order); false stops the streaming.
    using ListSink = std::function<bool(uint32_t nList, std::span<const uint8_t> records)>;

    virtual ~CCompiledIndex() = default;
    virtual uint32_t GetArticleRecordCount() const = 0;
    // Group caption as an article index or -1.
    virtual gmd::ArticleRecord GetArticleRecord(uint32_t nIndex) const = 0;
    virtual uint32_t GetNodeCount() const = 0;
    virtual bool IsNodeFinal(uint32_t nNode) const = 0;
    virtual uint32_t GetNodeListIndex(uint32_t nNode) const = 0;
    virtual uint32_t GetNodeRelationCount(uint32_t nNode) const = 0;
    // Relation i (< GetNodeRelationCount) of a node, in insertion order.
    virtual IndexRelation GetNodeRelation(uint32_t nNode, uint32_t i) const = 0;
    virtual uint32_t GetListCount() const = 0;
    // Occurrences in list nList.
    virtual uint32_t GetListSize(uint32_t nList) const = 0;
    // Hands the records of every list to sink, lists in order 0, 1, 2, ...,
    // 14 bytes per record. False when sink refused or the data do not add up.
    virtual bool StreamLists(const ListSink& sink) const = 0;
};

// Where the writer stands, for a progress bar, and whether to stop.
struct GmdWriteControl {
    std::function<bool()> isAborted;
    std::function<void(uint64_t nDone, uint64_t nTotal)> progress;
};

// Fills the buffer with the next units of the source text; 0 at its end.
using GmdTextReader = std::function<size_t(std::span<char16_t>)>;

// Messages of the writer.
inline constexpr char16_t kSizeMismatchText[] = u"Calculated and real index file size do not match";
inline constexpr char16_t kFileTooLargeText[] =
    u"The compiled dictionary would reach 2 GB, more than its format can address; "
    u"split the source into smaller files";
inline constexpr char16_t kBadIndexText[] =
    u"Error in CDictIndexFile::WriteCompiledFile\n"
    u"Inconsistent index data";

class CGmdWriter : public CMyObject {
public:
    CGmdWriter(CGmdOutputFile& out, const GmdWriteControl& control)
        : m_out(out), m_control(control) {}

    // Writes the whole file. False on an error (its text set) or an abort
    // (WasAborted, no text). nTextUnits is the length of the source text when
    // known (for the progress total and an early size check), else 0.
    bool Write(const GmdHeader& header, uint32_t dwDate, const std::array<uint16_t, 4>& key,
               const CCompiledIndex& index, const GmdTextReader& readText, uint64_t nTextUnits);

    // Bytes of the header block alone (type bytes to the name).
    static uint64_t HeaderSize(const GmdHeader& header);
    // The header block as bytes; false when a name does not fit its length field.
    static bool EncodeHeader(const GmdHeader& header, std::vector<uint8_t>& bytes);

    // Positions B0..B4 as computed for the last Write.
    const std::array<uint64_t, gmd::kBlockCount>& GetBlockPos() const { return m_blockPos; }
    bool WasAborted() const { return m_bAborted; }

private:
    bool CheckSize();
    bool ComputeBlockPositions(const CCompiledIndex& index, uint64_t nTextUnits);
    bool WriteArticles(const CCompiledIndex& index);
    bool WriteNodeTable(const CCompiledIndex& index);
    bool WriteRelations(const CCompiledIndex& index);
    bool WriteLists(const CCompiledIndex& index);
    struct TextJob;
    // On its own thread, while the index is written: the text block at B4.
    void WriteText(const std::array<uint16_t, 4>& key, const GmdTextReader& readText,
                   TextJob& job) const;
    bool WriteIndexAndText(const std::array<uint16_t, 4>& key, const CCompiledIndex& index,
                           const GmdTextReader& readText);

    bool Put(std::span<const uint8_t> bytes);
    bool PutU32(uint32_t v);
    bool Aborted();
    bool Stop(uint32_t nItem);
    void Progress();
    void ReportEnd();
    bool Fail(std::u16string_view text);
    bool FailFromOutput();

    CGmdOutputFile& m_out;
    const GmdWriteControl& m_control;
    std::array<uint64_t, gmd::kBlockCount> m_blockPos{};
    uint64_t m_nTotal = 0;
    const std::atomic<uint64_t>* m_pTextDone = nullptr;  // text bytes, while they are written
    uint64_t m_nNextProgress = 0;
    bool m_bAborted = false;
};
