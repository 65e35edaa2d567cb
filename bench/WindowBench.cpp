// window_bench: how fast the glossmere window shows a result.
//  - start: from starting the glossmere process with a query to the painted
//    result page (the process reports the paint and ends), against the same
//    lookup run headless (--search, HTML output) as the floor;
//  - search: in one window, from the search command to the painted result
//    page, over words of the dictionary's articles.
// The dictionary is generated and compiled once per run (GLOSS_WINDOW_BENCH_MB
// megabytes of source with English morphology, 100 by default) in a temporary
// folder removed at exit. The window runs on the offscreen platform unless
// GLOSS_BENCH_DISPLAY is set (then on $DISPLAY).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "RunQuietly.h"
#include "SourceGenerator.h"
#include "core/InstallLayout.h"
#include "core/Lemmatizer.h"
#include "core/ProgramFolder.h"
#include "core/Utf8.h"
#include "library/DictSession.h"
#include "shell/MainFrame.h"
#include "shell/MyDictView.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct CStats {
    double fMedian, fP90, fMax;
};

CStats Summarise(std::vector<double> values) {
    std::ranges::sort(values);
    const auto at = [&](double f) { return values[static_cast<size_t>(f * (values.size() - 1))]; };
    return {at(0.5), at(0.9), values.back()};
}

// Runs a program to its end; its wall time in milliseconds, or -1.
double RunTimed(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    const auto start = Clock::now();
    const int nStatus = RunQuietly(args, env, ErrorOutput::Discard);
    const double fMs = Millis(Clock::now() - start);
    return nStatus == 0 || nStatus == 1 ? fMs : -1;
}

// Words of the first articles' headwords (the text before the parts
// separator), each once.
std::vector<std::string> Headwords(const fs::path& source, size_t nCount) {
    std::ifstream in(source);
    std::vector<std::string> words;
    std::string line;
    while (words.size() < nCount && std::getline(in, line)) {
        const size_t nSep = line.find(" ##:##");
        if (line.starts_with("$") || nSep == std::string::npos || nSep == 0) continue;
        std::string word = line.substr(0, nSep);
        if (word.find_first_of("<&") != std::string::npos) continue;
        if (std::ranges::find(words, word) == words.end()) words.push_back(word);
    }
    return words;
}

// One search in the window, from the command to its painted page.
class CPaintWaiter : public QObject {
public:
    explicit CPaintWaiter(CMainFrame& frame) : m_frame(frame) {
        frame.GetView()->viewport()->installEventFilter(this);
        connect(&frame, &CMainFrame::searchFinished, this, [this] { m_bShown = true; });
    }
    double Search(const QString& strQuery) {
        m_bShown = m_bPainted = false;
        const auto start = Clock::now();
        m_frame.SearchFor(strQuery);
        while (!m_bPainted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return Millis(Clock::now() - start);
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint && m_bShown) {
            const bool bResult = QObject::eventFilter(pWatched, pEvent);
            m_bPainted = true;
            return bResult;
        }
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    CMainFrame& m_frame;
    bool m_bShown = false;
    bool m_bPainted = false;
};

class CMapStore : public CHistoryStore {
public:
    std::optional<QString> Read(const QString&) const override { return std::nullopt; }
    void Write(const QString&, const QString&) override {}
    void Remove(const QString&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    const char* pszMb = std::getenv("GLOSS_WINDOW_BENCH_MB");
    const double fMb = pszMb ? std::atof(pszMb) : 100.0;
    const bool bDisplay = std::getenv("GLOSS_BENCH_DISPLAY") != nullptr;
    if (!bDisplay) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const fs::path folder =
        fs::temp_directory_path() / ("gloss-window-bench-" + std::to_string(getpid()));
    const fs::path home = folder / "home";
    fs::create_directories(home / "Dictionaries");
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    std::ofstream(home / "Glossmere.ini") << "[ADD_ADJUST]\nFirstRun=0\n";
    struct CCleanup {
        fs::path folder;
        ~CCleanup() {
            std::error_code ec;
            fs::remove_all(folder, ec);
        }
    } cleanup{folder};

    // The dictionary.
    const fs::path source = folder / "source.txt";
    SourceGenOptions options;
    options.nTargetBytes = static_cast<uint64_t>(fMb * 1048576.0);
    options.strMorph = "English(L)";
    CSourceGenerator generator(options);
    std::string strError;
    if (!generator.LoadWords(strError)) {
        std::fprintf(stderr, "window_bench: %s\n", strError.c_str());
        return 1;
    }
    std::FILE* pOut = std::fopen(source.c_str(), "wb");
    generator.Write(pOut);
    std::fclose(pOut);
    const std::string strBin = ToUtf8(GetProgramFolder());
    const double fCompile = RunTimed({strBin + "/glossmill", "--compile", source.string(), "--out",
                                      (home / "Dictionaries").string(), "--quiet"},
                                     {});
    if (fCompile < 0) {
        std::fprintf(stderr, "window_bench: compiling the dictionary failed\n");
        return 1;
    }
    const std::vector<std::string> words = Headwords(source, 40);
    const uintmax_t nGmd = fs::file_size(fs::directory_iterator(home / "Dictionaries")->path());
    std::printf("dictionary: %.0f MB source, %.0f MB compiled (compile %.1f s), %zu queries\n", fMb,
                nGmd / 1048576.0, fCompile / 1000, words.size());

    // Start to painted page, against the headless lookup.
    const int nRuns = 7;
    std::vector<double> window, headless;
    for (int n = 0; n < nRuns; ++n) {
        const std::string& word = words[static_cast<size_t>(n) % words.size()];
        window.push_back(RunTimed({strBin + "/glossmere", "--home", home.string(), word},
                                  {"GLOSSMERE_EXIT_AFTER_PAINT=1"}));
        headless.push_back(RunTimed(
            {strBin + "/glossmere", "--home", home.string(), "--search", word, "--format", "html"},
            {}));
    }
    if (std::ranges::count(window, -1.0) || std::ranges::count(headless, -1.0)) {
        std::fprintf(stderr, "window_bench: a glossmere run failed\n");
        return 1;
    }
    const CStats start = Summarise(window), floor = Summarise(headless);

    // Search to painted page in one window.
    QApplication app(argc, argv);
    const CInstallLayout layout = GetInstallLayout();
    CLemmatizer lemmatizer(layout.strLibraryFolder);
    CDictSession session(FromUtf8(home.string()), layout.strLibraryFolder, &lemmatizer);
    static_cast<void>(session.InitDictionaries());
    CDictSearch search(&lemmatizer, *session.GetGroupList());
    CAppSettings appSettings;
    CMapStore store;
    CMainFrame frame(session, search, appSettings, CViewState{}, store);
    frame.resize(1024, 720);
    frame.show();
    frame.SetUpView();
    session.GetLibrary().SetReadAhead(true);  // as the program does after its first page
    CPaintWaiter waiter(frame);
    std::vector<double> searches;
    waiter.Search(QString::fromStdString(words.front()));  // warm the caches once
    for (const std::string& word : words)
        searches.push_back(waiter.Search(QString::fromStdString(word)));
    const CStats searched = Summarise(searches);

    std::printf("%-44s %9s %9s %9s\n", "ms", "median", "p90", "max");
    std::printf("%-44s %9.1f %9.1f %9.1f\n", "window: process start to painted result",
                start.fMedian, start.fP90, start.fMax);
    std::printf("%-44s %9.1f %9.1f %9.1f\n", "headless --search --format html (floor)",
                floor.fMedian, floor.fP90, floor.fMax);
    std::printf("%-44s %9.1f %9.1f %9.1f\n", "window: search to painted result page",
                searched.fMedian, searched.fP90, searched.fMax);
    std::printf("start ratio window/headless: %.2f\n", start.fMedian / floor.fMedian);
    return 0;
}
