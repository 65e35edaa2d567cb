// The byte layout of a compiled dictionary (.gmd, format version 2), shared by
// the writer and the reader. doc/gmd-format.md gives the same layout as a
// grammar. Every integer is little endian whatever the host's byte order, so
// the codecs below go through bytes, never through casts of whole structs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Header values: what a dictionary is and which of its parts are indexed.
enum FileType : int32_t { FILE_TYPE_DICT = 1, FILE_TYPE_PARTEXT = 2 };
enum DictType : int32_t { DICT_TYPE_MAIN = 1, DICT_TYPE_OTHER = 2 };
// Which article parts are indexed.
enum IndexArea : int32_t { INDEX_AREA_LEFT = 1, INDEX_AREA_RIGHT = 2, INDEX_AREA_BOTH = 3 };
// The part a morphology language applies to.
enum MorphSide : int32_t { MORPH_SIDE_LEFT = 1, MORPH_SIDE_RIGHT = 2, MORPH_SIDE_BOTH = 3 };

namespace gmd {

inline constexpr uint8_t kFormatVersion = 2;

// Fixed prefix: u8 version, u32 compile date; the header follows at byte 5.
inline constexpr size_t kVersionSize = 1;
inline constexpr size_t kDateSize = 4;
inline constexpr size_t kHeaderOffset = kVersionSize + kDateSize;

// Header.
inline constexpr uint8_t kMorphListEnd = 0;  // a zero name length ends the descriptors
// Far more languages than any source names; a reader refuses a header that
// claims more, so a hostile file cannot fill memory.
inline constexpr int kMaxMorphDescr = 64;
inline constexpr size_t kMaxMorphNameLength = 255;  // the name length is one byte
inline constexpr size_t kMaxNameLength = 65535;     // the name length is a u16

// Counts (i32 article count, i32 word count), then five i32 block positions
// and the four u16 units of the text key.
inline constexpr size_t kCountsSize = 8;
inline constexpr int kBlockCount = 5;
enum Block {
    BLOCK_ARTICLES = 0,
    BLOCK_NODES = 1,
    BLOCK_RELATIONS = 2,
    BLOCK_OCCURRENCES = 3,
    BLOCK_TEXT = 4
};
inline constexpr size_t kBlockPosSize = 4 * kBlockCount;
inline constexpr int kKeyCount = 4;
inline constexpr size_t kKeySize = 2 * kKeyCount;
// B0 lies this many bytes after the counts.
inline constexpr size_t kPositionsAndKeySize = kBlockPosSize + kKeySize;

// Article record: six i32.
inline constexpr size_t kArticleRecordSize = 24;

// Automaton. Nodes 0..65534 are the roots: node i begins the forms whose first
// unit is i. Targets of relations are 24-bit node indices.
inline constexpr uint32_t kRootCount = 65535;
inline constexpr uint32_t kMaxNodeCount = 1u << 24;  // indices 0..0xFFFFFF
inline constexpr uint32_t kMaxNodeIndex = kMaxNodeCount - 1;
inline constexpr char16_t kEndSymbol = u'+';
inline constexpr size_t kNodeEntrySize = 4;
inline constexpr uint32_t kFinalFlag = 0x80000000u;
inline constexpr uint32_t kPosMask = 0x7FFFFFFFu;
inline constexpr size_t kRelCountSize = 4;
inline constexpr size_t kRelationSize = 5;  // u16 symbol, u16 target low, u8 target high

// Occurrence list: u32 count, then packed 14-byte records.
inline constexpr size_t kOccCountSize = 4;
inline constexpr size_t kOccurrenceSize = 14;
inline constexpr size_t kOccWordNumOffset = 0;
inline constexpr size_t kOccPositionOffset = 4;
inline constexpr size_t kOccSpanOffset = 8;
inline constexpr size_t kOccArticlePosOffset = 9;
inline constexpr size_t kOccFlagsOffset = 13;

// Word flags of an occurrence.
inline constexpr uint8_t WORD_RIGHT_PART = 0x01;
inline constexpr uint8_t WORD_LAST_IN_PART = 0x02;
inline constexpr uint8_t WORD_FIRST_IN_PART = 0x04;
inline constexpr uint8_t WORD_LAST_IN_PART2 = 0x08;  // always written with 0x02
inline constexpr uint8_t WORD_END_OF_PART = WORD_LAST_IN_PART | WORD_LAST_IN_PART2;

// Every offset a reader computes must fit in 31 bits, so no file may reach 2 GiB.
inline constexpr uint64_t kMaxFileSize = 0x7FFFFFFFu;

// ---- Little-endian codecs ----

inline void PutU8(uint8_t* p, uint8_t v) {
    p[0] = v;
}
inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutU32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}
inline void PutI32(uint8_t* p, int32_t v) {
    PutU32(p, static_cast<uint32_t>(v));
}

inline uint16_t GetU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t GetU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline int32_t GetI32(const uint8_t* p) {
    return static_cast<int32_t>(GetU32(p));
}

// A relation's target is stored as a 16-bit low half followed by an 8-bit high half.
inline void PutRelation(uint8_t* p, char16_t symbol, uint32_t target) {
    PutU16(p, symbol);
    PutU16(p + 2, static_cast<uint16_t>(target & 0xFFFF));
    PutU8(p + 4, static_cast<uint8_t>(target >> 16));
}
inline uint32_t GetRelationTarget(const uint8_t* p) {
    return static_cast<uint32_t>(p[4]) * 65536u + GetU16(p + 2);
}

// ---- Records ----

// One article: part positions in units of the text block (-1 where the
// article has no parts separator), the group caption (an article index while
// compiling, the caption record's file offset in the file, -1 for none) and
// the sort key.
struct ArticleRecord {
    int32_t nLeftBeg = 0;
    int32_t nLeftEnd = -1;
    int32_t nRightBeg = -1;
    int32_t nRightEnd = 0;
    int32_t nGroupCaption = -1;
    int32_t nSortKey = 0;

    void Encode(uint8_t* p) const {
        PutI32(p, nLeftBeg);
        PutI32(p + 4, nLeftEnd);
        PutI32(p + 8, nRightBeg);
        PutI32(p + 12, nRightEnd);
        PutI32(p + 16, nGroupCaption);
        PutI32(p + 20, nSortKey);
    }
    static ArticleRecord Decode(const uint8_t* p) {
        return {GetI32(p),      GetI32(p + 4),  GetI32(p + 8),
                GetI32(p + 12), GetI32(p + 16), GetI32(p + 20)};
    }
    bool operator==(const ArticleRecord&) const = default;
};

// One occurrence of a form. dwArticlePos is the file offset of the article's
// record (B0 + 24 * article index).
struct OccurrenceRecord {
    uint32_t dwWordNum = 0;
    uint32_t dwPosition = 0;
    uint8_t bySpan = 0;
    uint32_t dwArticlePos = 0;
    uint8_t byFlags = 0;

    void Encode(uint8_t* p) const {
        PutU32(p + kOccWordNumOffset, dwWordNum);
        PutU32(p + kOccPositionOffset, dwPosition);
        PutU8(p + kOccSpanOffset, bySpan);
        PutU32(p + kOccArticlePosOffset, dwArticlePos);
        PutU8(p + kOccFlagsOffset, byFlags);
    }
    static OccurrenceRecord Decode(const uint8_t* p) {
        return {GetU32(p + kOccWordNumOffset), GetU32(p + kOccPositionOffset), p[kOccSpanOffset],
                GetU32(p + kOccArticlePosOffset), p[kOccFlagsOffset]};
    }
    bool operator==(const OccurrenceRecord&) const = default;
};

// Unit i of the text block is stored as the unit XOR key[i mod 4]; applying
// it twice gives the unit back.
inline char16_t ScrambleSymb(char16_t symbol, uint64_t nUnitIndex,
                             std::span<const uint16_t, kKeyCount> key) {
    return static_cast<char16_t>(symbol ^ key[nUnitIndex % kKeyCount]);
}

}  // namespace gmd
