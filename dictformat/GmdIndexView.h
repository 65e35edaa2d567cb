// Random access to an opened compiled dictionary: the automaton walk, the
// article records and the scrambled text, straight from the mapped bytes.
// Every position taken from the file is checked against the file's size
// before it is used, so a damaged or hostile file reads as "corrupt", never
// as memory outside the file. The view is cheap to copy and never changes
// the bytes; it lives as long as the mapping it looks at.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ByteView.h"
#include "GmdLayout.h"

// Outcome of one step of the automaton walk.
enum class GmdStep {
    FOUND,    // the node, relation or list exists
    ABSENT,   // a valid file without it: the form is not in the dictionary
    CORRUPT,  // a position, count or index points outside the file
};

// A run of fixed-size records in the file. Its whole extent was checked
// when it was found, so reading a record needs no further test.
template <size_t nRecordSize>
class CRecordRun {
public:
    CRecordRun() = default;
    CRecordRun(const uint8_t* pRecords, uint32_t nCount) : m_pRecords(pRecords), m_nCount(nCount) {}

    uint32_t size() const { return m_nCount; }
    bool empty() const { return m_nCount == 0; }

protected:
    // i < size().
    const uint8_t* At(uint32_t i) const {
        return m_pRecords + static_cast<size_t>(i) * nRecordSize;
    }

private:
    const uint8_t* m_pRecords = nullptr;
    uint32_t m_nCount = 0;
};

// The occurrence list of a final node.
class COccurrenceList : public CRecordRun<gmd::kOccurrenceSize> {
public:
    using CRecordRun::CRecordRun;

    gmd::OccurrenceRecord operator[](uint32_t i) const {
        return gmd::OccurrenceRecord::Decode(At(i));
    }
};

// The relations of a node, in the order they were written.
class CRelationList : public CRecordRun<gmd::kRelationSize> {
public:
    using CRecordRun::CRecordRun;

    char16_t Symbol(uint32_t i) const { return static_cast<char16_t>(gmd::GetU16(At(i))); }
    uint32_t Target(uint32_t i) const { return gmd::GetRelationTarget(At(i)); }
};

// Result of looking up one whole form.
struct CFormLookup {
    enum Status {
        FOUND,      // occurrences holds the form's list
        ABSENT,     // the form is not indexed
        NOT_FINAL,  // the node after the ending symbol is not final (41328)
        CORRUPT,    // the walk left the file
    };
    Status status = ABSENT;
    COccurrenceList occurrences;
};

// An article record with its group caption's part positions, when it has one.
struct CArticleRead {
    gmd::ArticleRecord record;
    bool bHasCaption = false;
    int32_t nCaptionLeftBeg = 0;
    int32_t nCaptionLeftEnd = 0;
    int32_t nCaptionRightBeg = 0;
    int32_t nCaptionRightEnd = 0;
};

class CGmdIndexView {
public:
    using Key = std::array<uint16_t, gmd::kKeyCount>;

    CGmdIndexView() = default;
    // nNodeTablePos and nRelationsPos are B1 and B2: node entries must lie
    // between them. nTextPos is B4.
    CGmdIndexView(CByteView bytes, uint32_t nNodeTablePos, uint32_t nRelationsPos,
                  uint32_t nTextPos, Key key)
        : m_bytes(bytes),
          m_nNodeTablePos(nNodeTablePos),
          m_nNodeTableEnd(nRelationsPos),
          m_nTextPos(nTextPos),
          m_key(key) {}

    // ---- Automaton ----
    // The root node of forms beginning with unit c; nothing for U+FFFF.
    static std::optional<uint32_t> RootNode(char16_t c);
    // The number of entries in the node table.
    uint32_t NodeCount() const {
        return m_nNodeTableEnd > m_nNodeTablePos
                   ? static_cast<uint32_t>((m_nNodeTableEnd - m_nNodeTablePos) /
                                           gmd::kNodeEntrySize)
                   : 0;
    }
    // The node's table entry (final flag and position).
    std::optional<uint32_t> NodeEntry(uint32_t nNode) const;
    // The node's relations (ABSENT: a final node or one without any).
    GmdStep GetRelations(uint32_t nNode, CRelationList& list) const;
    // The target of the node's first relation labelled symb.
    GmdStep FindChild(uint32_t nNode, char16_t symb, uint32_t& nChild) const;
    // The occurrence list of a final node (ABSENT for a node that is not).
    GmdStep GetOccurrences(uint32_t nNode, COccurrenceList& list) const;
    // Walks form + the ending symbol "+" from the root of its first unit.
    CFormLookup LookupForm(std::u16string_view form) const;

    // ---- Records ----
    // The article record at absolute file offset nPos and, when its caption
    // position is 0 or more, the caption's four part positions.
    std::optional<CArticleRead> ReadArticle(uint64_t nPos) const;

    // ---- Text ----
    // Units [nStart, nEnd) of the text block, unscrambled. False when the
    // range is inverted or reaches outside the file.
    bool GetText(int64_t nStart, int64_t nEnd, std::u16string& text) const;
    // The number of units in the text block.
    uint64_t GetTextLength() const;

    const CByteView& Bytes() const { return m_bytes; }

private:
    CByteView m_bytes;
    uint32_t m_nNodeTablePos = 0;
    uint32_t m_nNodeTableEnd = 0;
    uint32_t m_nTextPos = 0;
    Key m_key{};
};
