#include "shell/SearchJob.h"

#include <sys/resource.h>
#include <unistd.h>

#include "core/Stopwatch.h"

namespace {

// Linux gives each thread its own nice value: one step nicer than the
// window thread keeps the window responsive while the search runs.
void LowerThreadPriority() {
    const pid_t nThread = gettid();
    errno = 0;
    const int nNice = getpriority(PRIO_PROCESS, static_cast<id_t>(nThread));
    if (errno == 0) setpriority(PRIO_PROCESS, static_cast<id_t>(nThread), nNice + 1);
}

}  // namespace

CSearchJob::~CSearchJob() {
    if (!m_thread.joinable()) return;
    RequestStop();
    m_thread.join();
}

void CSearchJob::Start(std::u16string strText, int nSort, int nArea, bool bTimed) {
    if (m_thread.joinable()) m_thread.join();
    m_bDone.store(false);
    m_bStopRequested.store(false);
    m_outcome = CSearchOutcome{};
    m_outcome.strSearchText = std::move(strText);
    m_thread = std::thread([this, nSort, nArea, bTimed] { Run(nSort, nArea, bTimed); });
}

void CSearchJob::Run(int nSort, int nArea, bool bTimed) {
    LowerThreadPriority();
    if (bTimed) StartTimer();
    if (!m_search.SearchText(m_outcome.strSearchText, nSort, nArea, m_bStopRequested)) {
        m_outcome.bFailed = true;
        m_outcome.strError = m_search.GetError();
        m_search.ClearResults();
    }
    if (bTimed) m_outcome.seconds = GetElapsedSeconds();
    m_outcome.files = m_search.GetFilesWithResults();
    m_bDone.store(true, std::memory_order_release);
}

CSearchOutcome CSearchJob::TakeOutcome() {
    if (m_thread.joinable()) m_thread.join();
    m_bDone.store(false);
    return std::move(m_outcome);
}
