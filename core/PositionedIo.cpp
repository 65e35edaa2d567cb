#include "PositionedIo.h"

#include <unistd.h>

#include <cerrno>

int WriteAllAt(int nFd, uint64_t nOffset, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(nFd, bytes.data(), bytes.size(), static_cast<off_t>(nOffset));
        if (n < 0 && errno == EINTR) continue;
        // No byte written of a non-empty request: the disk is full.
        if (n <= 0) return n < 0 ? errno : ENOSPC;
        nOffset += static_cast<uint64_t>(n);
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return 0;
}

int ReadAllAt(int nFd, uint64_t nOffset, std::span<uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::pread(nFd, bytes.data(), bytes.size(), static_cast<off_t>(nOffset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        nOffset += static_cast<uint64_t>(n);
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return 0;
}
