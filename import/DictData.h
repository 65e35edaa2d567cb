// The definitions file of a dictd or StarDict dictionary: plain (.dict),
// dictzip (.dict.dz: gzip with a table of independently compressed chunks,
// read by random access one chunk at a time) or plain gzip (inflated whole).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <zlib.h>

class CDictData {
public:
    CDictData();
    CDictData(const CDictData&) = delete;
    CDictData& operator=(const CDictData&) = delete;
    ~CDictData();

    // Reads the file (and the chunk table of a dictzip file).
    [[nodiscard]] bool Open(const std::filesystem::path& path, std::string& strError);
    // Uncompressed size.
    uint64_t GetSize() const { return m_nSize; }
    // The bytes [nOffset, nOffset + nLength), which must lie inside the data;
    // false with the reason when a compressed chunk is broken.
    [[nodiscard]] bool Read(uint64_t nOffset, uint64_t nLength, std::string& out,
                            std::string& strError);

private:
    bool ParseDictzipHeader(std::string& strError);
    bool InflateWhole(std::string& strError);
    bool LoadChunk(size_t nChunk, std::string& strError);

    std::vector<uint8_t> m_file;
    std::string m_plain;  // the data when it is not read in chunks
    bool m_bChunked = false;
    uint64_t m_nSize = 0;
    uint32_t m_nChunkLength = 0;           // uncompressed bytes per chunk
    std::vector<uint64_t> m_chunkOffsets;  // in m_file; one more than chunks
    size_t m_nLoadedChunk = SIZE_MAX;
    std::string m_chunk;
    z_stream m_zs{};
    bool m_bInflateReady = false;
};
