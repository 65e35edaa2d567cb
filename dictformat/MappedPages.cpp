#include "MappedPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

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

void CPagePrefetcher::Start(std::span<const uint8_t> view, std::vector<CMappedStretch> stretches) {
    Stop();
    m_bStop = false;
    m_thread = std::thread([this, view, stretches = std::move(stretches)] {
        const size_t nPage = PageSize();
        // Small steps: Stop() waits for at most one.
        constexpr size_t kStep = size_t{256} << 10;
        for (const CMappedStretch& stretch : stretches) {
            // The mapping starts on a page, so whole pages of the view are
            // whole pages of memory.
            const size_t nEnd = std::min(stretch.nEnd, view.size());
            for (size_t n = stretch.nBeg / nPage * nPage; n < nEnd; n += kStep) {
                if (m_bStop.load(std::memory_order_relaxed)) return;
                uint8_t bySum = 0;
                for (size_t k = n; k < std::min(nEnd, n + kStep); k += nPage)
                    bySum ^= *static_cast<const volatile uint8_t*>(view.data() + k);
                static_cast<void>(bySum);
            }
        }
    });
}

void CPagePrefetcher::Wait() {
    if (m_thread.joinable()) m_thread.join();
}

void CPagePrefetcher::Stop() {
    m_bStop = true;
    Wait();
}
