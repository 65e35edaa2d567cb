// The occurrences of a compile, kept in the order they come (source order)
// and handed out list by list when the file is written.
//
// Occurrences go into buckets by list number (the first 1,024 lists, which
// belong to the commonest forms, four to a bucket; the others 4,096 to a
// bucket). Within a bucket every record is the differences to the bucket's
// previous record, as variable-length integers: a few bytes instead of 14.
// Appending touches only the end of a bucket, so the memory traffic is
// sequential. Only the chunk being filled of each bucket is held; full ones
// are put aside (CChunkStore). For the file, each bucket is decoded into its
// stretch of the occurrence lists, whose size is known from the counts, and
// the stretch is handed out in list order; a stretch larger than the window
// is done in several rounds, so that the buffer stays bounded.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "ChunkStore.h"
#include "dictformat/GmdLayout.h"
#include "dictformat/GmdWriter.h"

class COccurrenceStreams {
public:
    static constexpr uint64_t kDefaultWindow = 4u << 20;

    void Reset();
    // Full chunks go to an unnamed file in folder from now on; false, and
    // they stay in memory, when none can be made there.
    bool KeepChunksIn(const std::filesystem::path& folder) { return m_store.UseFileIn(folder); }
    // An occurrence of list nList (dwArticlePos holds the article index).
    // Within a list, occurrences must come in source order; false when one
    // goes back. Throws CMyObjectThrow when the chunk file cannot take more.
    bool Append(uint32_t nList, const gmd::OccurrenceRecord& occ);
    // Hands every list's records to sink in list order. sizes[k] is the
    // number of occurrences appended to list k; false when the streams do
    // not match them or sink refused. Throws CMyObjectThrow when the chunk
    // file cannot be read.
    bool Stream(std::span<const uint32_t> sizes, const CCompiledIndex::ListSink& sink,
                uint64_t nWindowBytes = kDefaultWindow) const;
    // The records of one list, decoded from its bucket (slow: for checks).
    std::vector<gmd::OccurrenceRecord> GetList(uint32_t nList) const;

    uint64_t GetEncodedBytes() const { return m_nEncodedBytes; }
    size_t GetMemoryBytes() const;

private:
    struct Chunk {
        uint64_t nWhere;  // in the store
        uint32_t nBytes;
    };
    // What an append needs sits in the bucket itself: one cache line. The
    // chunk being filled is the bucket's own; full ones go to the store.
    struct Bucket {
        uint8_t* pFree = nullptr;  // the next free byte of the chunk being filled
        uint32_t nFree = 0;        // bytes left there
        uint32_t nLastWord = 0;
        uint32_t nLastPos = 0;
        uint32_t nLastArticle = 0;
        uint32_t nSize = 0;  // of the chunk being filled
        std::unique_ptr<uint8_t[]> pChunk;
        std::vector<Chunk> full;
    };
    struct Decoded {
        uint32_t nList;
        gmd::OccurrenceRecord occ;
    };

    void NewChunk(Bucket& bucket);
    static uint32_t BucketOf(uint32_t nList);
    static uint32_t BucketBase(uint32_t nBucket);
    // Calls f(Decoded) for each record of a bucket, in order: from loaded
    // when it is not empty (the bucket's bytes, see Load).
    template <class F>
    void Decode(const Bucket& bucket, uint32_t nBase, std::span<const uint8_t> loaded, F&& f) const;
    // All the bytes of a bucket in a row.
    void Load(const Bucket& bucket, std::vector<uint8_t>& bytes) const;
    static uint64_t BytesOf(const Bucket& bucket);
    static constexpr uint64_t kLoadedBytes = 16u << 20;

    std::vector<Bucket> m_buckets;
    CChunkStore m_store;
    uint64_t m_nEncodedBytes = 0;
    size_t m_nChunkBytes = 0;  // of the chunks being filled
};
