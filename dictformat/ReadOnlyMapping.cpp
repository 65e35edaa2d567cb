#include "ReadOnlyMapping.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>
#include <utility>

CReadOnlyMapping::CReadOnlyMapping(CReadOnlyMapping&& other) noexcept
    : m_pData(std::exchange(other.m_pData, nullptr)),
      m_nSize(std::exchange(other.m_nSize, 0)),
      m_bEmptyFile(std::exchange(other.m_bEmptyFile, false)) {}

CReadOnlyMapping& CReadOnlyMapping::operator=(CReadOnlyMapping&& other) noexcept {
    if (this != &other) {
        Release();
        m_pData = std::exchange(other.m_pData, nullptr);
        m_nSize = std::exchange(other.m_nSize, 0);
        m_bEmptyFile = std::exchange(other.m_bEmptyFile, false);
    }
    return *this;
}

int CReadOnlyMapping::Map(int fd) {
    Release();
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return EINVAL;
    if (st.st_size == 0) {
        m_bEmptyFile = true;
        return 0;
    }
    const auto nSize = static_cast<size_t>(st.st_size);
    void* p = ::mmap(nullptr, nSize, PROT_READ, MAP_PRIVATE, fd, 0);
    if (p == MAP_FAILED) return errno;
    m_pData = static_cast<const uint8_t*>(p);
    m_nSize = nSize;
    return 0;
}

void CReadOnlyMapping::Release() {
    if (m_pData != nullptr) ::munmap(const_cast<uint8_t*>(m_pData), m_nSize);
    m_pData = nullptr;
    m_nSize = 0;
    m_bEmptyFile = false;
}
