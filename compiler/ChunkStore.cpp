#include "ChunkStore.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "core/MyObject.h"
#include "core/PositionedIo.h"
#include "dictformat/GmdOutputFile.h"

bool CChunkStore::UseFileIn(const std::filesystem::path& folder) {
    Release();
    m_nFd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (m_nFd < 0) {
        // A file system without unnamed files: a named one, gone at once.
        std::string strTemplate = (folder / ".glossmill-chunks-XXXXXX").string();
        m_nFd = ::mkostemp(strTemplate.data(), O_CLOEXEC);
        if (m_nFd >= 0) ::unlink(strTemplate.c_str());
    }
    if (m_nFd < 0) return false;
    m_staged.reserve(kStageBytes + kLargestChunk);
    m_writer = std::thread([this] { WriteInTurn(); });
    return true;
}

void CChunkStore::WriteInTurn() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_cv.wait(lock, [this] { return m_bWriting || m_bStop; });
        if (!m_bWriting) return;
        lock.unlock();
        const int nErrno = WriteAllAt(m_nFd, m_nWritingAt, m_writing);
        lock.lock();
        if (nErrno != 0 && m_nWriteErrno == 0) m_nWriteErrno = nErrno;
        m_bWriting = false;
        m_cv.notify_all();
    }
}

void CChunkStore::WaitForWriter() const {
    std::unique_lock lock(m_mutex);
    m_cv.wait(lock, [this] { return !m_bWriting; });
    if (m_nWriteErrno != 0) throw CMyObjectThrow(SystemErrorText(m_nWriteErrno));
}

void CChunkStore::HandOver() {
    WaitForWriter();
    {
        std::lock_guard lock(m_mutex);
        m_writing.swap(m_staged);
        m_nWritingAt = m_nStagedAt;
        m_bWriting = true;
    }
    m_cv.notify_all();
    m_staged.clear();
    m_staged.reserve(kStageBytes + kLargestChunk);
    m_nStagedAt = m_nFileEnd;
}

void CChunkStore::Release() {
    if (m_writer.joinable()) {
        {
            std::lock_guard lock(m_mutex);
            m_bStop = true;
        }
        m_cv.notify_all();
        m_writer.join();
    }
    m_bStop = false;
    m_bWriting = false;
    m_nWriteErrno = 0;
    m_writing = {};
    m_staged = {};
    m_nStagedAt = 0;
    for (const Block& b : m_blocks)
        ::munmap(b.pBase, kBlockBytes);
    m_blocks.clear();
    m_nMapped = 0;
    if (m_nFd >= 0) ::close(m_nFd);
    m_nFd = -1;
    m_nFileEnd = 0;
}

uint64_t CChunkStore::Put(std::span<const uint8_t> chunk) {
    if (m_nFd >= 0) {
        const uint64_t nWhere = m_nFileEnd;
        m_staged.insert(m_staged.end(), chunk.begin(), chunk.end());
        m_nFileEnd += chunk.size();
        if (m_staged.size() >= kStageBytes) HandOver();
        return nWhere;
    }
    if (m_blocks.empty() || m_blocks.back().nUsed + chunk.size() > kBlockBytes) {
        void* p = ::mmap(nullptr, kBlockBytes, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        m_blocks.push_back({static_cast<uint8_t*>(p), 0});
        m_nMapped += kBlockBytes;
    }
    Block& b = m_blocks.back();
    std::memcpy(b.pBase + b.nUsed, chunk.data(), chunk.size());
    const uint64_t nWhere = (m_blocks.size() - 1) * uint64_t{kBlockBytes} + b.nUsed;
    b.nUsed += chunk.size();
    return nWhere;
}

const uint8_t* CChunkStore::Get(uint64_t nWhere, uint32_t nBytes,
                                std::vector<uint8_t>& scratch) const {
    if (m_nFd < 0) return m_blocks[nWhere / kBlockBytes].pBase + nWhere % kBlockBytes;
    if (nWhere >= m_nStagedAt) return m_staged.data() + (nWhere - m_nStagedAt);
    WaitForWriter();
    if (scratch.size() < nBytes) scratch.resize(nBytes);
    if (const int nErrno = ReadAllAt(m_nFd, nWhere, std::span(scratch.data(), nBytes)))
        throw CMyObjectThrow(SystemErrorText(nErrno));
    return scratch.data();
}
