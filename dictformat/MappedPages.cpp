#include "MappedPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#ifndef MADV_POPULATE_READ
#define MADV_POPULATE_READ 22  // Linux 5.14
#endif

namespace {

uintptr_t PageSize() {
    return static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
}

}  // namespace

void ReleaseMappedPages(std::string_view view, size_t nUpTo) {
    if (view.empty()) return;
    const uintptr_t nPage = PageSize();
    const uintptr_t nBeg = reinterpret_cast<uintptr_t>(view.data());
    const uintptr_t nEnd = nBeg + std::min(nUpTo, view.size());
    // Whole pages inside the view only: the mapping starts on a page.
    const uintptr_t nFirst = (nBeg + nPage - 1) / nPage * nPage;
    const uintptr_t nLast = nEnd / nPage * nPage;
    if (nLast > nFirst) {
        ::madvise(reinterpret_cast<void*>(nFirst), nLast - nFirst, MADV_DONTNEED);
    }
}

void PrefaultMappedPages(std::span<const uint8_t> view, size_t nBeg, size_t nEnd) {
    nEnd = std::min(nEnd, view.size());
    if (nBeg >= nEnd) return;
    const uintptr_t nPage = PageSize();
    const uintptr_t nData = reinterpret_cast<uintptr_t>(view.data());
    const uintptr_t nFirst = (nData + nBeg) / nPage * nPage;
    void* pFirst = reinterpret_cast<void*>(nFirst);
    // Never a read of the pages themselves: a file cut short under the
    // mapping makes populating fail, where a read would raise SIGBUS.
    if (::madvise(pFirst, nData + nEnd - nFirst, MADV_POPULATE_READ) != 0 && errno == EINVAL) {
        ::madvise(pFirst, nData + nEnd - nFirst, MADV_WILLNEED);  // before Linux 5.14
    }
}

void CPagePrefetcher::Start(std::span<const uint8_t> view, size_t nBeg, size_t nEnd) {
    Stop();
    if (nBeg >= std::min(nEnd, view.size())) return;
    m_bStop = false;
    m_thread = std::thread([this, view, nBeg, nEnd] {
        // Small steps: Stop() waits for at most one.
        constexpr size_t kStep = size_t{256} << 10;
        for (size_t n = nBeg; n < nEnd && !m_bStop.load(std::memory_order_relaxed); n += kStep) {
            PrefaultMappedPages(view, n, std::min(nEnd, n + kStep));
        }
    });
}

void CPagePrefetcher::Stop() {
    m_bStop = true;
    if (m_thread.joinable()) m_thread.join();
}
