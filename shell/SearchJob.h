// One search on its own thread, one priority step below the window's. The
// window starts it, may ask it to stop, polls its done flag and then takes
// its outcome; nothing else is shared and no lock is taken.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <thread>

#include "library/DictSearch.h"
#include "library/ResultFiles.h"

struct CSearchOutcome {
    std::u16string strSearchText;
    // The engine reported failure; strError is its message (empty for a
    // stop or a group without enabled dictionaries).
    bool bFailed = false;
    std::u16string strError;
    std::optional<double> seconds;  // when timing was asked for
    CResultFileList files;
};

class CSearchJob {
public:
    explicit CSearchJob(CDictSearch& search) : m_search(search) {}
    // Stops a running search and waits for it.
    ~CSearchJob();
    CSearchJob(const CSearchJob&) = delete;
    CSearchJob& operator=(const CSearchJob&) = delete;

    // Clears the flags and starts the thread; no other search may be running.
    void Start(std::u16string strText, int nSort, int nArea, bool bTimed);
    void RequestStop() { m_bStopRequested.store(true); }
    void ClearStopRequest() { m_bStopRequested.store(false); }
    bool IsStopRequested() const { return m_bStopRequested.load(); }
    bool IsRunning() const { return m_thread.joinable(); }
    bool IsDone() const { return m_bDone.load(std::memory_order_acquire); }
    // Once done: waits for the thread's very end, clears the done flag and
    // hands over the outcome.
    CSearchOutcome TakeOutcome();

private:
    void Run(int nSort, int nArea, bool bTimed);

    CDictSearch& m_search;
    CSearchOutcome m_outcome;  // written by the thread until m_bDone
    std::thread m_thread;
    // Written by the window thread, read by the engine while it works.
    std::atomic<bool> m_bStopRequested{false};
    // Written by the search thread as its last act, cleared by the window.
    std::atomic<bool> m_bDone{false};
};
