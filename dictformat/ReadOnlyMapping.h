// A read-only memory mapping of a whole open file: the reader takes every
// field straight from the mapped bytes instead of one system call per field.
//
// Another program may cut the file short while it is mapped (copying a new
// dictionary over an old one truncates it first). Reading a page beyond the
// new end would kill the process with SIGBUS; instead, a process-wide handler
// puts zeros in place of the lost pages and marks the mapping, so the reader
// sees wrong bytes and the fault, never a crash.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>

class CReadOnlyMapping {
public:
    CReadOnlyMapping() = default;
    CReadOnlyMapping(const CReadOnlyMapping&) = delete;
    CReadOnlyMapping& operator=(const CReadOnlyMapping&) = delete;
    CReadOnlyMapping(CReadOnlyMapping&& other) noexcept;
    CReadOnlyMapping& operator=(CReadOnlyMapping&& other) noexcept;
    ~CReadOnlyMapping() { Release(); }

    // Maps the file open on fd (the descriptor stays the caller's). An empty
    // file maps to an empty span. On failure returns the errno value and
    // leaves the object empty; 0 on success.
    int Map(int fd);
    void Release();

    std::span<const uint8_t> Bytes() const { return {m_pData, m_nSize}; }
    // Whether a read met a page the file no longer has since Map.
    bool HasFaulted() const { return m_pFaulted && m_pFaulted->load(); }

private:
    const uint8_t* m_pData = nullptr;
    size_t m_nSize = 0;
    bool m_bEmptyFile = false;
    // Set by the signal handler; its own allocation, so it stays put when
    // the object moves.
    std::unique_ptr<std::atomic<bool>> m_pFaulted;
};
