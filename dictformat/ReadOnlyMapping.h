// A read-only memory mapping of a whole open file: the reader takes every
// field straight from the mapped bytes instead of one system call per field.
#pragma once

#include <cstdint>
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
    bool IsMapped() const { return m_pData != nullptr || m_bEmptyFile; }

private:
    const uint8_t* m_pData = nullptr;
    size_t m_nSize = 0;
    bool m_bEmptyFile = false;
};
