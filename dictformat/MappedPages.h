// Residency for read-only file mappings: pages a reader has passed are given
// back, pages it is about to read at random are read in advance. Neither
// changes what the mapping reads.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <thread>
#include <vector>

// Gives back the resident pages of [0, nUpTo): a later read of those bytes
// fetches them again from the file system's cache.
void ReleaseMappedPages(std::string_view view, size_t nUpTo);

// A stretch of a mapping, in bytes from its start.
struct CMappedStretch {
    size_t nBeg = 0;
    size_t nEnd = 0;
};

// Reads one byte of every page of some stretches of a mapping, in their
// order, on a thread of its own: a lookup never waits for it, and once it is
// through, later lookups no longer pay the first touch of each page they
// reach (a page fault, and on a virtual machine a far costlier first access
// even of a mapped page). Only a guarded mapping (ReadOnlyMapping.h) may be
// read so: a file cut short under it reads as zeros instead of raising
// SIGBUS. Stop() must come before the mapping goes; Wait() and Stop() are
// never called at the same time from two threads.
class CPagePrefetcher {
public:
    CPagePrefetcher() = default;
    CPagePrefetcher(const CPagePrefetcher&) = delete;
    CPagePrefetcher& operator=(const CPagePrefetcher&) = delete;
    ~CPagePrefetcher() { Stop(); }

    void Start(std::span<const uint8_t> view, std::vector<CMappedStretch> stretches);
    // Returns once every page has been read (or Stop() came first).
    void Wait();
    // Returns once the thread has ended (at most one small step later).
    void Stop();

private:
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};
