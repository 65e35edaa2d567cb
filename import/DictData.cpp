#include "DictData.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr uint8_t kGzipId1 = 0x1F;
constexpr uint8_t kGzipId2 = 0x8B;
constexpr uint8_t kFlagHeaderCrc = 0x02;
constexpr uint8_t kFlagExtra = 0x04;
constexpr uint8_t kFlagName = 0x08;
constexpr uint8_t kFlagComment = 0x10;
constexpr size_t kGzipHeaderSize = 10;
constexpr size_t kGzipTrailerSize = 8;

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

CDictData::CDictData() = default;

CDictData::~CDictData() {
    if (m_bInflateReady) inflateEnd(&m_zs);
}

bool CDictData::Open(const std::filesystem::path& path, std::string& strError) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        strError = "cannot open the file";
        return false;
    }
    m_file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        strError = "cannot read the file";
        return false;
    }
    if (m_file.size() < 2 || m_file[0] != kGzipId1 || m_file[1] != kGzipId2) {
        m_plain.assign(m_file.begin(), m_file.end());
        m_file.clear();
        m_nSize = m_plain.size();
        return true;
    }
    if (!ParseDictzipHeader(strError)) return false;
    return m_bChunked ? LoadChunk(m_chunkOffsets.size() - 2, strError) : InflateWhole(strError);
}

// The gzip header; with a dictzip "RA" field, the chunk table.
bool CDictData::ParseDictzipHeader(std::string& strError) {
    strError = "broken gzip header";
    if (m_file.size() < kGzipHeaderSize + kGzipTrailerSize || m_file[2] != Z_DEFLATED) {
        return false;
    }
    const uint8_t flags = m_file[3];
    size_t pos = kGzipHeaderSize;
    size_t nExtraBeg = 0, nExtraEnd = 0;
    if (flags & kFlagExtra) {
        if (pos + 2 > m_file.size()) return false;
        nExtraBeg = pos + 2;
        nExtraEnd = nExtraBeg + Le16(&m_file[pos]);
        if (nExtraEnd > m_file.size()) return false;
        pos = nExtraEnd;
    }
    for (uint8_t flag : {kFlagName, kFlagComment}) {
        if (!(flags & flag)) continue;
        while (pos < m_file.size() && m_file[pos] != 0)
            ++pos;
        if (++pos > m_file.size()) return false;
    }
    if (flags & kFlagHeaderCrc) pos += 2;
    if (pos > m_file.size()) return false;
    m_chunkOffsets.assign(1, pos);
    // Subfields: id (2), length (2), data. The chunk table: version 1,
    // chunk length, chunk count, then each chunk's compressed size.
    for (size_t k = nExtraBeg; k + 4 <= nExtraEnd;) {
        const size_t nLen = Le16(&m_file[k + 2]);
        const size_t nData = k + 4;
        if (nData + nLen > nExtraEnd) return false;
        if (m_file[k] == 'R' && m_file[k + 1] == 'A') {
            if (nLen < 6 || Le16(&m_file[nData]) != 1) return false;
            m_nChunkLength = Le16(&m_file[nData + 2]);
            const size_t nCount = Le16(&m_file[nData + 4]);
            if (m_nChunkLength == 0 || nCount == 0 || nLen < 6 + 2 * nCount) return false;
            for (size_t c = 0; c < nCount; ++c)
                m_chunkOffsets.push_back(m_chunkOffsets.back() + Le16(&m_file[nData + 6 + 2 * c]));
            if (m_chunkOffsets.back() > m_file.size()) {
                strError = "the compressed data is shorter than its chunk table says (truncated)";
                return false;
            }
            m_bChunked = true;
        }
        k = nData + nLen;
    }
    strError.clear();
    return true;
}

bool CDictData::InflateWhole(std::string& strError) {
    z_stream zs{};
    if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK) {
        strError = "cannot start zlib";
        return false;
    }
    zs.next_in = m_file.data();
    zs.avail_in = static_cast<uInt>(m_file.size());
    char buffer[1 << 16];
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef*>(buffer);
        zs.avail_out = sizeof buffer;
        rc = inflate(&zs, Z_NO_FLUSH);
        m_plain.append(buffer, sizeof buffer - zs.avail_out);
        if (rc == Z_BUF_ERROR && zs.avail_in == 0) break;
    }
    inflateEnd(&zs);
    if (rc != Z_STREAM_END) {
        strError = "broken or truncated gzip data";
        return false;
    }
    m_file.clear();
    m_nSize = m_plain.size();
    return true;
}

bool CDictData::LoadChunk(size_t nChunk, std::string& strError) {
    if (nChunk == m_nLoadedChunk) return true;
    if (!m_bInflateReady) {
        if (inflateInit2(&m_zs, -MAX_WBITS) != Z_OK) {
            strError = "cannot start zlib";
            return false;
        }
        m_bInflateReady = true;
    } else {
        inflateReset(&m_zs);
    }
    m_nLoadedChunk = SIZE_MAX;
    m_chunk.resize(m_nChunkLength);
    m_zs.next_in = m_file.data() + m_chunkOffsets[nChunk];
    m_zs.avail_in = static_cast<uInt>(m_chunkOffsets[nChunk + 1] - m_chunkOffsets[nChunk]);
    m_zs.next_out = reinterpret_cast<Bytef*>(m_chunk.data());
    m_zs.avail_out = m_nChunkLength;
    const int rc = inflate(&m_zs, Z_SYNC_FLUSH);
    const size_t nOut = m_nChunkLength - m_zs.avail_out;
    const bool bLast = nChunk + 2 == m_chunkOffsets.size();
    if ((rc != Z_OK && rc != Z_STREAM_END) || (!bLast && nOut != m_nChunkLength)) {
        strError = "broken compressed chunk " + std::to_string(nChunk);
        return false;
    }
    m_chunk.resize(nOut);
    m_nLoadedChunk = nChunk;
    if (bLast) m_nSize = uint64_t{m_nChunkLength} * nChunk + nOut;
    return true;
}

bool CDictData::Read(uint64_t nOffset, uint64_t nLength, std::string& out, std::string& strError) {
    out.clear();
    if (nOffset > m_nSize || nLength > m_nSize - nOffset) {
        strError = "beyond the end of the data";
        return false;
    }
    if (!m_bChunked) {
        out.assign(m_plain, nOffset, nLength);
        return true;
    }
    while (nLength > 0) {
        const size_t nChunk = nOffset / m_nChunkLength;
        if (!LoadChunk(nChunk, strError)) return false;
        const size_t nFrom = nOffset % m_nChunkLength;
        const size_t nTake = std::min<uint64_t>(nLength, m_chunk.size() - nFrom);
        if (nTake == 0) {
            strError = "broken compressed chunk " + std::to_string(nChunk);
            return false;
        }
        out.append(m_chunk, nFrom, nTake);
        nOffset += nTake;
        nLength -= nTake;
    }
    return true;
}
