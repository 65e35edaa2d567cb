// Speed of CLemmatizer::GetWordLemmas over realistic word streams: the words
// of a real English text in order, with their natural repeats, and Russian
// and German streams made of the gold-list forms repeated in a fixed shuffle.
// "Uncached" runs look every distinct word up once right after loading.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <sstream>

#include "GoldList.h"
#include "core/CharTables.h"
#include "core/Lemmatizer.h"
#include "core/Utf8.h"

namespace {

constexpr char kEnglishText[] = "/usr/share/common-licenses/GPL-3";

std::vector<std::u16string> TextWords(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    std::vector<std::u16string> words;
    std::u16string word;
    for (char16_t c : FromUtf8(text.str()) + u' ') {
        if (IsWordSymb(c)) {
            word += c;
        } else if (!word.empty()) {
            ToUpperString(word);
            words.push_back(std::move(word));
            word.clear();
        }
    }
    return words;
}

std::vector<std::u16string> GoldStream(const char* pszFile, int nRepeats) {
    std::vector<std::u16string> forms;
    for (const GoldEntry& entry : LoadGoldList(std::string(GLOSS_GOLD_DIR "/") + pszFile, false))
        forms.push_back(entry.form);
    std::vector<std::u16string> stream;
    std::mt19937 random(12345);
    for (int i = 0; i < nRepeats; ++i) {
        std::shuffle(forms.begin(), forms.end(), random);
        stream.insert(stream.end(), forms.begin(), forms.end());
    }
    return stream;
}

std::vector<std::u16string> Distinct(const std::vector<std::u16string>& words) {
    std::set<std::u16string> seen(words.begin(), words.end());
    return {seen.begin(), seen.end()};
}

CLemmatizer& Lemmatizer() {
    static const std::unique_ptr<CLemmatizer> s_pLemmatizer = [] {
        auto pLemmatizer = std::make_unique<CLemmatizer>();
        pLemmatizer->SetMorphologyRoot(GetProgramFolder());
        pLemmatizer->EnableLanguage(CLemmatizer::LANG_GERMAN);
        for (int nCode = 1; nCode <= 3; ++nCode) {
            if (!pLemmatizer->LoadLanguage(nCode))
                std::fprintf(stderr, "%s\n", ToUtf8(pLemmatizer->GetError()).c_str());
        }
        return pLemmatizer;
    }();
    return *s_pLemmatizer;
}

const std::vector<std::u16string>& Stream(int nCode) {
    static const std::vector<std::u16string> s_streams[] = {
        {}, GoldStream("russian.txt", 20), TextWords(kEnglishText), GoldStream("german.txt", 20)};
    return s_streams[nCode];
}

void LookUp(benchmark::State& state, int nCode, const std::vector<std::u16string>& words) {
    CLemmatizer& lemmatizer = Lemmatizer();
    CMyArray<std::u16string> lemmas;
    int64_t nLemmas = 0;
    for (auto _ : state) {
        for (const std::u16string& word : words)
            nLemmas += lemmatizer.GetWordLemmas(word, nCode, lemmas, false);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
    state.counters["words"] = static_cast<double>(words.size());
    state.counters["lemmas/word"] =
        static_cast<double>(nLemmas) / static_cast<double>(state.iterations() * words.size());
}

void BM_Stream(benchmark::State& state) {
    const int nCode = static_cast<int>(state.range(0));
    LookUp(state, nCode, Stream(nCode));
}

void BM_Uncached(benchmark::State& state) {
    const int nCode = static_cast<int>(state.range(0));
    const std::vector<std::u16string> words = Distinct(Stream(nCode));
    CLemmatizer& lemmatizer = Lemmatizer();
    CMyArray<std::u16string> lemmas;
    for (auto _ : state) {
        state.PauseTiming();
        lemmatizer.UnloadLanguage(nCode);
        if (!lemmatizer.LoadLanguage(nCode)) state.SkipWithError("module does not load");
        state.ResumeTiming();
        for (const std::u16string& word : words)
            lemmatizer.GetWordLemmas(word, nCode, lemmas, false);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
    state.counters["words"] = static_cast<double>(words.size());
}

// Arguments: 1 Russian, 2 English (GPL-3 text), 3 German.
BENCHMARK(BM_Stream)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Uncached)->Arg(1)->Arg(2)->Arg(3)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
