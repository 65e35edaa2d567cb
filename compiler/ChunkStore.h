// Where the occurrence streams keep their full chunks until the file is
// written: an unnamed file beside the output, or, where none can be made
// there, memory. In the file they are the file system's cache to manage
// instead of the compile's own memory. The chunks are gathered in memory
// and written by a thread of its own, a megabyte at a time, so that the
// file costs the indexing thread nothing but a copy.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

class CChunkStore {
public:
    CChunkStore() = default;
    CChunkStore(const CChunkStore&) = delete;
    CChunkStore& operator=(const CChunkStore&) = delete;
    ~CChunkStore() { Release(); }

    // Chunks from now on go to an unnamed file in folder (which nobody else
    // sees and which goes with the store); false, and memory is used, when
    // none can be made there.
    bool UseFileIn(const std::filesystem::path& folder);
    bool UsesFile() const { return m_nFd >= 0; }
    // Lets everything go; memory is used from now on.
    void Release();

    // Keeps a chunk of at most kLargestChunk bytes; where it is.
    // A file that cannot take it throws CMyObjectThrow with the reason.
    uint64_t Put(std::span<const uint8_t> chunk);
    // The bytes of a chunk kept at nWhere: in place, or read into scratch.
    // Throws CMyObjectThrow with the reason when the file cannot be read.
    const uint8_t* Get(uint64_t nWhere, uint32_t nBytes, std::vector<uint8_t>& scratch) const;

    // Memory held (not the file).
    size_t GetMemoryBytes() const { return m_nMapped; }

    static constexpr uint32_t kLargestChunk = 16 * 1024;

private:
    // Memory comes in large blocks mapped with their pages already made
    // present: one system call per block instead of a page fault per 4 KB,
    // which matters where a fault is expensive (virtual machines).
    struct Block {
        uint8_t* pBase;
        size_t nUsed;
    };
    static constexpr size_t kBlockBytes = 4 << 20;
    static constexpr size_t kStageBytes = 1 << 20;

    void WriteInTurn();
    // Hands the gathered chunks to the writing thread once it is free.
    void HandOver();
    // Waits for the writing thread to be free; throws what it met.
    void WaitForWriter() const;

    std::vector<Block> m_blocks;
    size_t m_nMapped = 0;
    int m_nFd = -1;
    uint64_t m_nFileEnd = 0;
    // Gathered chunks, from m_nStagedAt in the file on.
    std::vector<uint8_t> m_staged;
    uint64_t m_nStagedAt = 0;
    // What the writing thread writes, and how it ended.
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cv;
    std::vector<uint8_t> m_writing;
    uint64_t m_nWritingAt = 0;
    bool m_bWriting = false;
    bool m_bStop = false;
    int m_nWriteErrno = 0;
    std::thread m_writer;
};
