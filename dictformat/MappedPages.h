// Residency hints for read-only file mappings: pages a reader has passed are
// given back, pages it is about to read at random are mapped in advance.
// Neither changes what the mapping reads.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <thread>

// Gives back the resident pages of [0, nUpTo): a later read of those bytes
// fetches them again from the file system's cache.
void ReleaseMappedPages(std::string_view view, size_t nUpTo);

// Maps the pages of [nBeg, nEnd) into the process, so that the reads which
// follow take no page fault each; where the kernel cannot, asks it to read
// them ahead instead.
void PrefaultMappedPages(std::span<const uint8_t> view, size_t nBeg, size_t nEnd);

// Prefaults a stretch of a mapping on a thread of its own: a lookup never
// waits for it, and once it is through, later lookups no longer pay a first
// touch (a page fault, costly on a virtual machine) for each page they
// reach. Stop() must come before the mapping goes.
class CPagePrefetcher {
public:
    CPagePrefetcher() = default;
    CPagePrefetcher(const CPagePrefetcher&) = delete;
    CPagePrefetcher& operator=(const CPagePrefetcher&) = delete;
    ~CPagePrefetcher() { Stop(); }

    void Start(std::span<const uint8_t> view, size_t nBeg, size_t nEnd);
    // Returns once the thread has ended (at most one small step later).
    void Stop();

private:
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};
