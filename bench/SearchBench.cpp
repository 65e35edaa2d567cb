// Search speed over a large generated dictionary: single words (rare and
// frequent) and phrases of two and three words, with and without morphology,
// in-process and as a whole glossmere process. Each benchmark reports the
// 50th and 99th percentile of one search in microseconds.
//
// The dictionary is generated and compiled with glossmill once per run
// (GLOSS_SEARCH_BENCH_MB megabytes of source, 100 by default) in a
// temporary folder that is removed at exit.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <unordered_map>

#include "RunQuietly.h"
#include "SourceGenerator.h"
#include "core/CharTables.h"
#include "core/Lemmatizer.h"
#include "core/ProgramFolder.h"
#include "core/Utf8.h"
#include "library/DictGroupList.h"
#include "library/DictLibrary.h"
#include "library/DictSearch.h"

namespace {

namespace fs = std::filesystem;

struct CQuerySets {
    std::vector<std::u16string> rare, frequent, pairs, triples, frequentPairs;
};

// One program folder with one compiled dictionary, open for searching.
struct CBenchHome {
    fs::path home;
    std::unique_ptr<CLemmatizer> pLemmatizer;
    std::unique_ptr<CDictLibrary> pLibrary;
    std::unique_ptr<CDictGroupList> pGroups;
    std::unique_ptr<CDictSearch> pSearch;
};

class CBenchData {
public:
    static CBenchData& Get() {
        static CBenchData data;
        return data;
    }
    ~CBenchData() {
        std::error_code ec;
        if (!std::getenv("GLOSS_BENCH_KEEP")) fs::remove_all(m_folder, ec);
    }
    const std::string& Error() const { return m_strError; }
    const CQuerySets& Queries() const { return m_queries; }
    CBenchHome& Plain() { return m_plain; }
    CBenchHome& Morph() { return m_morph; }
    const fs::path& Folder() const { return m_folder; }

private:
    CBenchData() {
        const char* pszMb = std::getenv("GLOSS_SEARCH_BENCH_MB");
        const double fMb = pszMb ? std::atof(pszMb) : 100.0;
        m_folder = fs::temp_directory_path() / ("gloss-search-bench-" + std::to_string(getpid()));
        if (!Prepare(m_plain, "plain", "", fMb) || !Prepare(m_morph, "morph", "English", fMb))
            return;
        CollectQueries(m_folder / "plain" / "source.txt");
    }

    bool Prepare(CBenchHome& home, const std::string& name, const std::string& morph, double fMb) {
        home.home = m_folder / name;
        fs::create_directories(home.home / "Dictionaries");
        const fs::path source = home.home / "source.txt";
        SourceGenOptions options;
        options.nTargetBytes = static_cast<uint64_t>(fMb * 1048576.0);
        options.strMorph = morph;
        CSourceGenerator generator(options);
        std::FILE* pOut = std::fopen(source.c_str(), "wb");
        if (pOut == nullptr || !generator.LoadWords(m_strError)) {
            if (pOut) std::fclose(pOut);
            if (m_strError.empty()) m_strError = "cannot write " + source.string();
            return false;
        }
        generator.Write(pOut);
        std::fclose(pOut);
        const std::string compile = ToUtf8(GetProgramFolder()) + "/glossmill --compile '" +
                                    source.string() + "' --out '" +
                                    (home.home / "Dictionaries").string() + "' --quiet >/dev/null";
        if (std::system(compile.c_str()) != 0) {
            m_strError = "compiling failed: " + compile;
            return false;
        }
        home.pLemmatizer = std::make_unique<CLemmatizer>();
        home.pLemmatizer->SetMorphologyRoot(GetProgramFolder());
        home.pLibrary = std::make_unique<CDictLibrary>();
        if (!home.pLibrary->ScanFolder(FromUtf8((home.home / "Dictionaries").string()))) {
            m_strError = ToUtf8(home.pLibrary->GetError());
            return false;
        }
        home.pGroups =
            std::make_unique<CDictGroupList>(*home.pLibrary, home.home / "DictGroup.bin");
        if (!morph.empty()) static_cast<void>(home.pLemmatizer->LoadLanguage(2));
        home.pSearch = std::make_unique<CDictSearch>(
            morph.empty() ? nullptr : home.pLemmatizer.get(), *home.pGroups);
        return true;
    }

    // Words of the source's articles in text order, split as the index splits.
    void CollectQueries(const fs::path& source) {
        std::ifstream in(source, std::ios::binary);
        std::string line;
        std::vector<std::vector<std::u16string>> runs;  // words with only blanks between
        std::unordered_map<std::u16string, int> counts;
        while (std::getline(in, line)) {
            if (line.starts_with("$")) continue;
            const std::u16string text = FromUtf8(line);
            std::vector<std::u16string> run;
            std::u16string word;
            for (char16_t c : text + u'\n') {
                if (IsWordSymb(c)) {
                    word += c;
                    continue;
                }
                if (!word.empty()) {
                    ToUpperString(word);
                    ++counts[word];
                    run.push_back(word);
                    word.clear();
                }
                if (c != u' ' && run.size() > 0) {
                    if (run.size() >= 2) runs.push_back(std::move(run));
                    run.clear();
                }
            }
        }
        std::vector<std::pair<int, std::u16string>> byCount;
        for (auto& [word, n] : counts)
            byCount.emplace_back(n, word);
        std::sort(byCount.begin(), byCount.end(), std::greater<>());
        std::mt19937 rng(7);
        for (size_t i = 0; i < 20 && i < byCount.size(); ++i)
            m_queries.frequent.push_back(byCount[i].second);
        std::vector<std::u16string> once;
        for (auto& [n, word] : byCount)
            if (n == 1 && word.size() >= 4) once.push_back(word);
        std::shuffle(once.begin(), once.end(), rng);
        once.resize(std::min<size_t>(once.size(), 200));
        m_queries.rare = once;
        const size_t nTop = std::min<size_t>(byCount.size(), 50);
        auto isTop = [&](const std::u16string& w) {
            for (size_t i = 0; i < nTop; ++i)
                if (byCount[i].second == w) return true;
            return false;
        };
        std::uniform_int_distribution<size_t> pick(0, runs.empty() ? 0 : runs.size() - 1);
        for (int i = 0; i < 20000 && !runs.empty(); ++i) {
            const auto& run = runs[pick(rng)];
            const size_t at = rng() % (run.size() - 1);
            const std::u16string pair = run[at] + u" " + run[at + 1];
            if (isTop(run[at]) && isTop(run[at + 1])) {
                if (m_queries.frequentPairs.size() < 50) m_queries.frequentPairs.push_back(pair);
            } else if (m_queries.pairs.size() < 100) {
                m_queries.pairs.push_back(pair);
            }
            if (run.size() >= 3 && at + 2 < run.size() && m_queries.triples.size() < 100)
                m_queries.triples.push_back(pair + u" " + run[at + 2]);
        }
    }

    fs::path m_folder;
    std::string m_strError;
    CBenchHome m_plain;
    CBenchHome m_morph;
    CQuerySets m_queries;
};

double Percentile(std::vector<double> times, double p) {
    if (times.empty()) return 0;
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, static_cast<size_t>(p * times.size()))];
}

void RunQueries(benchmark::State& state, bool bMorph,
                const std::vector<std::u16string> CQuerySets::*pSet) {
    CBenchData& data = CBenchData::Get();
    if (!data.Error().empty()) {
        state.SkipWithError(data.Error().c_str());
        return;
    }
    const std::vector<std::u16string>& queries = data.Queries().*pSet;
    if (queries.empty()) {
        state.SkipWithError("no queries of this kind in the generated text");
        return;
    }
    CDictSearch& search = *(bMorph ? data.Morph() : data.Plain()).pSearch;
    const std::atomic<bool> bCancel{false};
    std::vector<double> times;
    double fHits = 0;
    size_t i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool bOk = search.SearchText(queries[i % queries.size()], 0, 0, bCancel);
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
        if (!bOk) {
            state.SkipWithError(ToUtf8(search.GetError()).c_str());
            return;
        }
        fHits += search.GetResults(0)->GetTotal();
        ++i;
    }
    state.counters["p50_us"] = Percentile(times, 0.50);
    state.counters["p99_us"] = Percentile(times, 0.99);
    state.counters["hits"] = fHits / static_cast<double>(std::max<size_t>(i, 1));
}

// The in-process searches: which queries, with or without morphology.
struct CQueryBench {
    const char* pszName;
    bool bMorph;
    std::vector<std::u16string> CQuerySets::*pSet;
    int64_t nIterations;
};
constexpr CQueryBench kQueryBenches[] = {
    {"BM_RareWord", false, &CQuerySets::rare, 400},
    {"BM_FrequentWord", false, &CQuerySets::frequent, 40},
    {"BM_TwoWords", false, &CQuerySets::pairs, 200},
    {"BM_TwoFrequentWords", false, &CQuerySets::frequentPairs, 50},
    {"BM_ThreeWords", false, &CQuerySets::triples, 200},
    {"BM_RareWordMorph", true, &CQuerySets::rare, 400},
    {"BM_FrequentWordMorph", true, &CQuerySets::frequent, 40},
    {"BM_TwoWordsMorph", true, &CQuerySets::pairs, 200},
    {"BM_ThreeWordsMorph", true, &CQuerySets::triples, 200},
};
[[maybe_unused]] const bool kQueryBenchesRegistered = [] {
    for (const CQueryBench& b : kQueryBenches) {
        benchmark::RegisterBenchmark(b.pszName,
                                     [b](benchmark::State& s) { RunQueries(s, b.bMorph, b.pSet); })
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(b.nIterations);
    }
    return true;
}();

// A whole `glossmere --search` process for a rare word, start to exit.
void BM_ProcessRareWord(benchmark::State& state) {
    CBenchData& data = CBenchData::Get();
    if (!data.Error().empty() || data.Queries().rare.empty()) {
        state.SkipWithError("no data");
        return;
    }
    const std::string program = ToUtf8(GetProgramFolder()) + "/glossmere";
    std::vector<double> times;
    size_t i = 0;
    for (auto _ : state) {
        const std::vector<std::string> args = {
            program, "--home", data.Plain().home.string(), "--search",
            ToUtf8(data.Queries().rare[i++ % data.Queries().rare.size()])};
        const auto start = std::chrono::steady_clock::now();
        const int nStatus = RunQuietly(args);
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
        if (nStatus < 0 || nStatus > 1) {
            state.SkipWithError("glossmere failed");
            return;
        }
    }
    state.counters["p50_us"] = Percentile(times, 0.50);
    state.counters["p99_us"] = Percentile(times, 0.99);
}
BENCHMARK(BM_ProcessRareWord)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

BENCHMARK_MAIN();
