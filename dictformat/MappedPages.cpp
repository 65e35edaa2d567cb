#include "MappedPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

void ReleaseMappedPages(std::string_view view, size_t nUpTo) {
    if (view.empty()) return;
    const uintptr_t nPage = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t nBeg = reinterpret_cast<uintptr_t>(view.data());
    const uintptr_t nEnd = nBeg + std::min(nUpTo, view.size());
    // Whole pages inside the view only: the mapping starts on a page.
    const uintptr_t nFirst = (nBeg + nPage - 1) / nPage * nPage;
    const uintptr_t nLast = nEnd / nPage * nPage;
    if (nLast > nFirst) {
        ::madvise(reinterpret_cast<void*>(nFirst), nLast - nFirst, MADV_DONTNEED);
    }
}
