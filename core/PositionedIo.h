// Whole reads and writes at a file offset, retried where the system call
// stops early or is interrupted. Both return 0 or the errno of the failure.
#pragma once

#include <cstdint>
#include <span>

int WriteAllAt(int nFd, uint64_t nOffset, std::span<const uint8_t> bytes);
// A file that ends before the last byte is an EIO.
int ReadAllAt(int nFd, uint64_t nOffset, std::span<uint8_t> bytes);
