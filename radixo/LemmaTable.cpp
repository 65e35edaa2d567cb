// The table file, little-endian:
//   "GLT2", u32 language, u32 stamp count, per stamp u64 size and i64 time,
//   32 bytes with a bit per byte value that occurs in some key, 32 bytes with a
//   bit per closed letter, u32 block count, u32 list count,
//   u32 key area size, u32 list area size, u32 key-area offset of each block, u32 list-area offset
//   of each list, the key area, the list area.
// Keys are sorted bytewise and cut into blocks of kBlockKeys. In a block
// every key is u8 bytes shared with the key before (0 for the first), u8
// further bytes, those bytes, and a varint list number. A list is u8 count
// and per lemma u8 length and its bytes. Equal lists are stored once.
#include "LemmaTable.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "core/AtomicFile.h"

namespace {

constexpr char kMagic[4] = {'G', 'L', 'T', '2'};
constexpr size_t kBlockKeys = 16;
constexpr size_t kMaxStamps = 64;
constexpr size_t kLetterBytes = 32;

void PutU32(std::string& out, uint32_t n) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>(n >> (8 * i) & 0xFF);
}

void PutU64(std::string& out, uint64_t n) {
    PutU32(out, static_cast<uint32_t>(n));
    PutU32(out, static_cast<uint32_t>(n >> 32));
}

std::string LetterBits(std::string_view letters) {
    std::string bits(kLetterBytes, '\0');
    for (unsigned char c : letters)
        bits[c / 8] = static_cast<char>(bits[c / 8] | 1 << (c % 8));
    return bits;
}

void PutVarint(std::string& out, uint32_t n) {
    for (; n >= 0x80; n >>= 7)
        out += static_cast<char>((n & 0x7F) | 0x80);
    out += static_cast<char>(n);
}

// A reader over a byte range that stops at its end.
class CCursor {
public:
    explicit CCursor(std::string_view bytes) : m_bytes(bytes) {}
    bool Fits(size_t n) const { return m_nPos + n <= m_bytes.size(); }
    uint8_t U8() { return Fits(1) ? static_cast<uint8_t>(m_bytes[m_nPos++]) : Fail(); }
    uint32_t U32() {
        uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n |= static_cast<uint32_t>(U8()) << (8 * i);
        return n;
    }
    uint64_t U64() {
        const uint64_t nLow = U32();
        return nLow | static_cast<uint64_t>(U32()) << 32;
    }
    uint32_t Varint() {
        uint32_t n = 0;
        for (int nShift = 0; nShift < 35; nShift += 7) {
            const uint8_t b = U8();
            n |= static_cast<uint32_t>(b & 0x7F) << nShift;
            if ((b & 0x80) == 0) return n;
        }
        return Fail();
    }
    std::string_view Bytes(size_t n) {
        if (!Fits(n)) return Fail(), std::string_view();
        const std::string_view bytes = m_bytes.substr(m_nPos, n);
        m_nPos += n;
        return bytes;
    }
    size_t Pos() const { return m_nPos; }
    bool Ok() const { return m_bOk; }
    bool AtEnd() const { return m_nPos >= m_bytes.size(); }

private:
    uint8_t Fail() {
        m_bOk = false;
        m_nPos = m_bytes.size();
        return 0;
    }
    std::string_view m_bytes;
    size_t m_nPos = 0;
    bool m_bOk = true;
};

}  // namespace

std::vector<SourceStamp> StampFiles(const std::vector<std::string>& paths) {
    std::vector<SourceStamp> stamps;
    for (const std::string& path : paths) {
        struct stat info {};
        SourceStamp stamp;
        if (stat(path.c_str(), &info) == 0) {
            stamp.nSize = static_cast<uint64_t>(info.st_size);
            stamp.nModified =
                static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        }
        stamps.push_back(stamp);
    }
    return stamps;
}

bool WriteLemmaTable(const std::string& path, int nLang, const std::vector<SourceStamp>& stamps,
                     const LemmaAnswers& answers, std::string_view closedLetters) {
    std::map<std::vector<std::string>, uint32_t> listNumbers;
    std::string lists, listIndex;
    const auto listNumber = [&](const std::vector<std::string>& lemmas) {
        const auto [it, bNew] =
            listNumbers.emplace(lemmas, static_cast<uint32_t>(listNumbers.size()));
        if (bNew) {
            PutU32(listIndex, static_cast<uint32_t>(lists.size()));
            lists += static_cast<char>(std::min<size_t>(lemmas.size(), 255));
            for (size_t i = 0; i < lemmas.size() && i < 255; ++i) {
                lists += static_cast<char>(std::min<size_t>(lemmas[i].size(), 255));
                lists += lemmas[i].substr(0, 255);
            }
        }
        return it->second;
    };
    std::string keys, blockIndex;
    std::string previous;
    size_t nKey = 0;
    for (const auto& [key, lemmas] : answers) {
        if (key.empty() || key.size() > 255) continue;
        size_t nShared = 0;
        if (nKey % kBlockKeys == 0) {
            PutU32(blockIndex, static_cast<uint32_t>(keys.size()));
        } else {
            while (nShared < previous.size() && nShared < key.size() &&
                   previous[nShared] == key[nShared])
                ++nShared;
        }
        keys += static_cast<char>(nShared);
        keys += static_cast<char>(key.size() - nShared);
        keys += key.substr(nShared);
        PutVarint(keys, listNumber(lemmas));
        previous = key;
        ++nKey;
    }
    std::string keyLetters;
    for (const auto& entry : answers)
        keyLetters += entry.first;
    std::string file(kMagic, sizeof kMagic);
    PutU32(file, static_cast<uint32_t>(nLang));
    PutU32(file, static_cast<uint32_t>(stamps.size()));
    for (const SourceStamp& stamp : stamps) {
        PutU64(file, stamp.nSize);
        PutU64(file, static_cast<uint64_t>(stamp.nModified));
    }
    file += LetterBits(keyLetters);
    file += LetterBits(closedLetters);
    PutU32(file, static_cast<uint32_t>(blockIndex.size() / 4));
    PutU32(file, static_cast<uint32_t>(listNumbers.size()));
    PutU32(file, static_cast<uint32_t>(keys.size()));
    PutU32(file, static_cast<uint32_t>(lists.size()));
    file += blockIndex + listIndex + keys + lists;
    std::u16string errorText;
    return ReplaceFileContents(path, {reinterpret_cast<const uint8_t*>(file.data()), file.size()},
                               errorText);
}

CLemmaTable::~CLemmaTable() {
    Close();
}

void CLemmaTable::Close() {
    if (m_pData != nullptr) munmap(const_cast<uint8_t*>(m_pData), m_nSize);
    m_pData = nullptr;
    m_nSize = 0;
}

bool CLemmaTable::Open(const std::string& path, int nLang, const std::vector<SourceStamp>& stamps) {
    Close();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    void* pMap = MAP_FAILED;
    if (fstat(fd, &info) == 0 && info.st_size > 0)
        pMap = mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_SHARED, fd, 0);
    close(fd);
    if (pMap == MAP_FAILED) return false;
    m_pData = static_cast<const uint8_t*>(pMap);
    m_nSize = static_cast<size_t>(info.st_size);

    CCursor header({reinterpret_cast<const char*>(m_pData), m_nSize});
    bool bValid = header.Bytes(4) == std::string_view(kMagic, 4) &&
                  header.U32() == static_cast<uint32_t>(nLang);
    const uint32_t nStamps = header.U32();
    bValid = bValid && nStamps == stamps.size() && nStamps <= kMaxStamps;
    for (uint32_t i = 0; bValid && i < nStamps; ++i) {
        SourceStamp stamp;
        stamp.nSize = header.U64();
        stamp.nModified = static_cast<int64_t>(header.U64());
        bValid = stamp == stamps[i] && stamp.nSize != 0;
    }
    m_letters = header.Bytes(kLetterBytes);
    m_closedLetters = header.Bytes(kLetterBytes);
    m_nBlocks = header.U32();
    m_nLists = header.U32();
    const uint32_t nKeyBytes = header.U32();
    const uint32_t nListBytes = header.U32();
    m_blockIndex = header.Bytes(size_t{m_nBlocks} * 4);
    m_listIndex = header.Bytes(size_t{m_nLists} * 4);
    m_keys = header.Bytes(nKeyBytes);
    m_lists = header.Bytes(nListBytes);
    if (!bValid || !header.Ok() || !header.AtEnd()) {
        Close();
        return false;
    }
    return true;
}

std::optional<std::string_view> CLemmaTable::FirstKey(uint32_t nBlock) const {
    CCursor index(m_blockIndex.substr(size_t{nBlock} * 4, 4));
    CCursor keys(m_keys.substr(std::min<size_t>(index.U32(), m_keys.size())));
    keys.U8();  // nothing shared
    const std::string_view key = keys.Bytes(keys.U8());
    if (!index.Ok() || !keys.Ok()) return std::nullopt;
    return key;
}

bool CLemmaTable::HasAll(std::string_view letterBits, std::string_view key) {
    return std::all_of(key.begin(), key.end(), [&](unsigned char c) {
        return (static_cast<unsigned char>(letterBits[c / 8]) >> (c % 8) & 1) != 0;
    });
}

std::optional<std::vector<std::string>> CLemmaTable::Find(std::string_view key) const {
    if (!IsOpen() || m_nBlocks == 0) return std::nullopt;
    if (!HasAll(m_letters, key)) return std::vector<std::string>();
    const auto absent = [&]() -> std::optional<std::vector<std::string>> {
        if (!key.empty() && HasAll(m_closedLetters, key)) return std::vector<std::string>();
        return std::nullopt;
    };
    // The last block whose first key is not after the key.
    uint32_t nLow = 0, nHigh = m_nBlocks;
    while (nHigh - nLow > 1) {
        const uint32_t nMiddle = nLow + (nHigh - nLow) / 2;
        const auto first = FirstKey(nMiddle);
        if (!first) return std::nullopt;
        (*first <= key ? nLow : nHigh) = nMiddle;
    }
    CCursor index(m_blockIndex.substr(size_t{nLow} * 4, 4));
    CCursor keys(m_keys.substr(std::min<size_t>(index.U32(), m_keys.size())));
    std::string current;
    for (size_t i = 0; i < kBlockKeys && !keys.AtEnd(); ++i) {
        const uint8_t nShared = keys.U8();
        const std::string_view rest = keys.Bytes(keys.U8());
        const uint32_t nList = keys.Varint();
        if (!keys.Ok() || nShared > current.size()) return std::nullopt;
        current.resize(nShared);
        current += rest;
        if (current == key) return List(nList);
        if (current > key) break;
    }
    return absent();
}

std::optional<std::vector<std::string>> CLemmaTable::List(uint32_t nList) const {
    if (nList >= m_nLists) return std::nullopt;
    CCursor index(m_listIndex.substr(size_t{nList} * 4, 4));
    CCursor list(m_lists.substr(std::min<size_t>(index.U32(), m_lists.size())));
    std::vector<std::string> lemmas(list.U8());
    for (std::string& lemma : lemmas)
        lemma = list.Bytes(list.U8());
    if (!list.Ok()) return std::nullopt;
    return lemmas;
}
