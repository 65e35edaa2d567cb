#include "OccurrenceStreams.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kSmallLists = 1024;  // lists with their own small buckets
constexpr uint32_t kSmallShift = 2;     // four of them to a bucket
constexpr uint32_t kLargeShift = 12;    // the rest 4,096 to a bucket
constexpr uint32_t kMaxRecordBytes = 4 * 5 + 2;
constexpr uint32_t kFirstChunk = 256;
constexpr uint32_t kLargestChunk = CChunkStore::kLargestChunk;

inline uint8_t* PutVar(uint8_t* p, uint32_t v) {
    while (v >= 0x80) {
        *p++ = static_cast<uint8_t>(v | 0x80);
        v >>= 7;
    }
    *p++ = static_cast<uint8_t>(v);
    return p;
}

inline const uint8_t* GetVar(const uint8_t* p, uint32_t& v) {
    uint32_t nShift = 0;
    v = 0;
    for (;;) {
        const uint8_t b = *p++;
        v |= static_cast<uint32_t>(b & 0x7F) << nShift;
        if (b < 0x80) return p;
        nShift += 7;
    }
}

}  // namespace

uint32_t COccurrenceStreams::BucketOf(uint32_t nList) {
    if (nList < kSmallLists) return nList >> kSmallShift;
    return (kSmallLists >> kSmallShift) + ((nList - kSmallLists) >> kLargeShift);
}

uint32_t COccurrenceStreams::BucketBase(uint32_t nBucket) {
    constexpr uint32_t nSmallBuckets = kSmallLists >> kSmallShift;
    if (nBucket < nSmallBuckets) return nBucket << kSmallShift;
    return kSmallLists + ((nBucket - nSmallBuckets) << kLargeShift);
}

void COccurrenceStreams::Reset() {
    m_buckets.clear();
    m_buckets.shrink_to_fit();
    m_store.Release();
    m_nEncodedBytes = 0;
    m_nChunkBytes = 0;
}

void COccurrenceStreams::NewChunk(Bucket& b) {
    const uint32_t nUsed = b.nSize - b.nFree;
    if (nUsed > 0) b.full.push_back({m_store.Put({b.pChunk.get(), nUsed}), nUsed});
    // Chunks double up to 16 KB: thousands of thin buckets stay small, and
    // the room left in each bucket's chunk stays small too.
    if (b.nSize < kLargestChunk) {
        const uint32_t nSize = b.nSize == 0 ? kFirstChunk : b.nSize * 2;
        b.pChunk = std::make_unique_for_overwrite<uint8_t[]>(nSize);
        m_nChunkBytes += nSize - b.nSize;
        b.nSize = nSize;
    }
    b.pFree = b.pChunk.get();
    b.nFree = b.nSize;
}

bool COccurrenceStreams::Append(uint32_t nList, const gmd::OccurrenceRecord& occ) {
    const uint32_t nBucket = BucketOf(nList);
    if (nBucket >= m_buckets.size()) m_buckets.resize(nBucket + 1);
    Bucket& b = m_buckets[nBucket];
    if (occ.dwWordNum < b.nLastWord || occ.dwPosition < b.nLastPos ||
        occ.dwArticlePos < b.nLastArticle) {
        return false;
    }
    if (b.nFree < kMaxRecordBytes) NewChunk(b);
    uint8_t* p = PutVar(b.pFree, nList - BucketBase(nBucket));
    p = PutVar(p, occ.dwWordNum - b.nLastWord);
    p = PutVar(p, occ.dwPosition - b.nLastPos);
    p = PutVar(p, occ.dwArticlePos - b.nLastArticle);
    *p++ = occ.bySpan;
    *p++ = occ.byFlags;
    const uint32_t nBytes = static_cast<uint32_t>(p - b.pFree);
    b.pFree = p;
    b.nFree -= nBytes;
    m_nEncodedBytes += nBytes;
    b.nLastWord = occ.dwWordNum;
    b.nLastPos = occ.dwPosition;
    b.nLastArticle = occ.dwArticlePos;
    return true;
}

template <class F>
void COccurrenceStreams::Decode(const Bucket& bucket, uint32_t nBase,
                                std::span<const uint8_t> loaded, F&& f) const {
    Decoded d{};
    uint32_t nWord = 0, nPos = 0, nArticle = 0;
    auto decode = [&](const uint8_t* p, const uint8_t* const pEnd) {
        while (p < pEnd) {
            uint32_t v = 0;
            p = GetVar(p, v);
            d.nList = nBase + v;
            p = GetVar(p, v);
            nWord += v;
            p = GetVar(p, v);
            nPos += v;
            p = GetVar(p, v);
            nArticle += v;
            d.occ = {nWord, nPos, p[0], nArticle, p[1]};
            p += 2;
            f(d);
        }
    };
    // A record never spans two chunks, so the chunks in a row are a stream
    // of records too.
    if (!loaded.empty()) {
        decode(loaded.data(), loaded.data() + loaded.size());
        return;
    }
    std::vector<uint8_t> scratch;
    for (const Chunk& c : bucket.full) {
        const uint8_t* p = m_store.Get(c.nWhere, c.nBytes, scratch);
        decode(p, p + c.nBytes);
    }
    decode(bucket.pChunk.get(), bucket.pFree);
}

uint64_t COccurrenceStreams::BytesOf(const Bucket& bucket) {
    uint64_t n = bucket.nSize - bucket.nFree;
    for (const Chunk& c : bucket.full)
        n += c.nBytes;
    return n;
}

void COccurrenceStreams::Load(const Bucket& bucket, std::vector<uint8_t>& bytes) const {
    bytes.clear();
    std::vector<uint8_t> scratch;
    for (const Chunk& c : bucket.full) {
        const uint8_t* p = m_store.Get(c.nWhere, c.nBytes, scratch);
        bytes.insert(bytes.end(), p, p + c.nBytes);
    }
    bytes.insert(bytes.end(), bucket.pChunk.get(), bucket.pFree);
}

bool COccurrenceStreams::Stream(std::span<const uint32_t> sizes,
                                const CCompiledIndex::ListSink& sink, uint64_t nWindowBytes) const {
    constexpr uint64_t kRec = gmd::kOccurrenceSize;
    nWindowBytes = std::max<uint64_t>(nWindowBytes / kRec * kRec, kRec);
    const uint32_t nLists = static_cast<uint32_t>(sizes.size());
    std::vector<uint8_t> window;
    std::vector<uint64_t> listBeg;  // byte offset of each list of the bucket in its stretch
    std::vector<uint32_t> ordinal;  // records of each list met so far in this round
    std::vector<uint8_t> bucketBytes;
    uint32_t nBucket = 0;
    for (uint32_t nBase = 0; nBase < nLists; nBase = BucketBase(++nBucket)) {
        const uint32_t nEnd = std::min(nLists, BucketBase(nBucket + 1));
        listBeg.assign(nEnd - nBase + 1, 0);
        for (uint32_t k = nBase; k < nEnd; ++k) {
            listBeg[k - nBase + 1] = listBeg[k - nBase] + kRec * sizes[k];
        }
        const uint64_t nStretch = listBeg.back();
        static const Bucket kEmpty;
        const Bucket& bucket = nBucket < m_buckets.size() ? m_buckets[nBucket] : kEmpty;
        // A bucket whose chunks are in the file and which takes several
        // rounds is read once, where it is not too large.
        std::span<const uint8_t> loaded;
        if (m_store.UsesFile() && nStretch > nWindowBytes && BytesOf(bucket) <= kLoadedBytes) {
            Load(bucket, bucketBytes);
            loaded = bucketBytes;
        }
        for (uint64_t w0 = 0; w0 < nStretch; w0 += nWindowBytes) {
            const uint64_t w1 = std::min(nStretch, w0 + nWindowBytes);
            // Only ever grown: growing fills with zeros, which would cost a
            // pass over every stretch.
            if (window.size() < w1 - w0) window.resize(static_cast<size_t>(w1 - w0));
            ordinal.assign(nEnd - nBase, 0);
            bool bFits = true;
            Decode(bucket, nBase, loaded, [&](const Decoded& d) {
                const uint32_t nLocal = d.nList - nBase;
                if (d.nList >= nEnd || ordinal[nLocal] >= sizes[d.nList]) {
                    bFits = false;
                    return;
                }
                const uint64_t nDest = listBeg[nLocal] + kRec * ordinal[nLocal]++;
                if (nDest >= w0 && nDest < w1) d.occ.Encode(window.data() + (nDest - w0));
            });
            if (!bFits) return false;
            for (uint32_t k = nBase; k < nEnd; ++k) {
                if (ordinal[k - nBase] != sizes[k]) return false;
                // The part of list k inside this window.
                const uint64_t b = std::max(listBeg[k - nBase], w0);
                const uint64_t e = std::min(listBeg[k - nBase + 1], w1);
                if (b < e && !sink(k, std::span<const uint8_t>(window.data() + (b - w0), e - b))) {
                    return false;
                }
            }
        }
    }
    return true;
}

std::vector<gmd::OccurrenceRecord> COccurrenceStreams::GetList(uint32_t nList) const {
    std::vector<gmd::OccurrenceRecord> result;
    const uint32_t nBucket = BucketOf(nList);
    if (nBucket >= m_buckets.size()) return result;
    Decode(m_buckets[nBucket], BucketBase(nBucket), {}, [&](const Decoded& d) {
        if (d.nList == nList) result.push_back(d.occ);
    });
    return result;
}

size_t COccurrenceStreams::GetMemoryBytes() const {
    return m_store.GetMemoryBytes() + m_nChunkBytes + m_buckets.capacity() * sizeof(Bucket);
}
