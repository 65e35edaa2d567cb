#include "ReadOnlyMapping.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <mutex>
#include <utility>

namespace {

// The mappings the handler may repair. A slot is published by its begin
// address, written last; the handler reads without locks.
struct CGuardedRange {
    std::atomic<uintptr_t> nBegin{0};
    std::atomic<size_t> nSize{0};
    std::atomic<std::atomic<bool>*> pFaulted{nullptr};
};

constexpr size_t kMaxRanges = 4096;
std::array<CGuardedRange, kMaxRanges> g_ranges;
std::mutex g_rangesMutex;  // between Register and Unregister only
struct sigaction g_previous {};
uintptr_t g_nPageSize = 4096;

void OnBusError(int nSignal, siginfo_t* pInfo, void* pContext) {
    const auto nAddress = reinterpret_cast<uintptr_t>(pInfo->si_addr);
    for (CGuardedRange& range : g_ranges) {
        const uintptr_t nBegin = range.nBegin.load(std::memory_order_acquire);
        if (nBegin == 0 || nAddress < nBegin || nAddress - nBegin >= range.nSize.load()) continue;
        // Zero pages from the faulting one to the end of the mapping: the
        // read that faulted runs again and finds them.
        const uintptr_t nPage = nAddress & ~(g_nPageSize - 1);
        const uintptr_t nEnd = nBegin + range.nSize.load();
        if (::mmap(reinterpret_cast<void*>(nPage), nEnd - nPage, PROT_READ,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) == MAP_FAILED) {
            break;
        }
        if (std::atomic<bool>* pFaulted = range.pFaulted.load()) pFaulted->store(true);
        return;
    }
    // Not a mapping of ours: what would have happened without us.
    ::sigaction(SIGBUS, &g_previous, nullptr);
    if (!(g_previous.sa_flags & SA_SIGINFO) && g_previous.sa_handler != SIG_DFL &&
        g_previous.sa_handler != SIG_IGN) {
        g_previous.sa_handler(nSignal);
    } else if ((g_previous.sa_flags & SA_SIGINFO) && g_previous.sa_sigaction) {
        g_previous.sa_sigaction(nSignal, pInfo, pContext);
    }
}

void InstallHandler() {
    static std::once_flag s_once;
    std::call_once(s_once, [] {
        g_nPageSize = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &g_previous);
    });
}

void Register(const uint8_t* pData, size_t nSize, std::atomic<bool>* pFaulted) {
    InstallHandler();
    std::lock_guard lock(g_rangesMutex);
    for (CGuardedRange& range : g_ranges) {
        if (range.nBegin.load() != 0) continue;
        range.nSize.store(nSize);
        range.pFaulted.store(pFaulted);
        range.nBegin.store(reinterpret_cast<uintptr_t>(pData), std::memory_order_release);
        return;
    }
    // More mappings than slots: those beyond go unguarded.
}

void Unregister(const uint8_t* pData) {
    std::lock_guard lock(g_rangesMutex);
    for (CGuardedRange& range : g_ranges) {
        if (range.nBegin.load() != reinterpret_cast<uintptr_t>(pData)) continue;
        range.nBegin.store(0, std::memory_order_release);
        range.pFaulted.store(nullptr);
        return;
    }
}

}  // namespace

CReadOnlyMapping::CReadOnlyMapping(CReadOnlyMapping&& other) noexcept
    : m_pData(std::exchange(other.m_pData, nullptr)),
      m_nSize(std::exchange(other.m_nSize, 0)),
      m_bEmptyFile(std::exchange(other.m_bEmptyFile, false)),
      m_pFaulted(std::move(other.m_pFaulted)) {}

CReadOnlyMapping& CReadOnlyMapping::operator=(CReadOnlyMapping&& other) noexcept {
    if (this != &other) {
        Release();
        m_pData = std::exchange(other.m_pData, nullptr);
        m_nSize = std::exchange(other.m_nSize, 0);
        m_bEmptyFile = std::exchange(other.m_bEmptyFile, false);
        m_pFaulted = std::move(other.m_pFaulted);
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
    m_pFaulted = std::make_unique<std::atomic<bool>>(false);
    Register(m_pData, m_nSize, m_pFaulted.get());
    return 0;
}

void CReadOnlyMapping::Release() {
    if (m_pData != nullptr) {
        Unregister(m_pData);
        ::munmap(const_cast<uint8_t*>(m_pData), m_nSize);
    }
    m_pData = nullptr;
    m_nSize = 0;
    m_bEmptyFile = false;
    m_pFaulted.reset();
}
