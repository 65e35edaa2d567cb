#include "PositionedIo.h"

#include <unistd.h>

#include <cerrno>

namespace {

// Calls transfer (pread or pwrite) until every byte has gone; a call that
// moves no byte of a non-empty request fails with nNoProgressError.
template <typename Byte, typename Transfer>
int TransferAllAt(int nFd, uint64_t nOffset, std::span<Byte> bytes, Transfer transfer,
                  int nNoProgressError) {
    while (!bytes.empty()) {
        const ssize_t n = transfer(nFd, bytes.data(), bytes.size(), static_cast<off_t>(nOffset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : nNoProgressError;
        nOffset += static_cast<uint64_t>(n);
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return 0;
}

}  // namespace

int WriteAllAt(int nFd, uint64_t nOffset, std::span<const uint8_t> bytes) {
    // No byte written: the disk is full.
    return TransferAllAt(nFd, nOffset, bytes, ::pwrite, ENOSPC);
}

int ReadAllAt(int nFd, uint64_t nOffset, std::span<uint8_t> bytes) {
    // No byte read: the file ends early.
    return TransferAllAt(nFd, nOffset, bytes, ::pread, EIO);
}
