// The reader's per-query work: walking a form, reading its article and the
// text piece the search compares with the query.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "support/GmdBuilder.h"

namespace {

constexpr int kWords = 100000;

struct Sample {
    std::filesystem::path path;
    std::vector<std::u16string> words;
    CDictIndexFile dict;

    Sample() {
        std::mt19937 rng(7);
        std::uniform_int_distribution<int> letter(0, 25), length(3, 12);
        TestGmd gmd;
        for (int i = 0; i < kWords; ++i) {
            std::u16string word;
            for (int n = length(rng); n > 0; --n)
                word += static_cast<char16_t>(u'A' + letter(rng));
            const auto nPos = static_cast<uint32_t>(gmd.text.size());
            gmd.text += word + u" - <b>" + word + u"</b>\r\n";
            const auto nLen = static_cast<int32_t>(word.size());
            gmd.articles.push_back({static_cast<int32_t>(nPos), static_cast<int32_t>(nPos) + nLen,
                                    static_cast<int32_t>(nPos) + nLen + 3,
                                    static_cast<int32_t>(nPos) + 2 * nLen + 10, -1, 0});
            gmd.forms.push_back({word,
                                 {{static_cast<uint32_t>(i), nPos, static_cast<uint8_t>(nLen),
                                   static_cast<uint32_t>(i), 6}}});
            words.push_back(word);
        }
        path = std::filesystem::temp_directory_path() / "gloss-reader-bench.gmd";
        const auto bytes = BuildGmd(gmd);
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        if (!dict.Open(FromUtf8(path.string()), CMyFile::MODE_READ) || !dict.ReadDictionary(2)) {
            std::abort();
        }
    }
    ~Sample() { std::filesystem::remove(path); }
};

Sample& TheSample() {
    static Sample sample;
    return sample;
}

void BM_LookupForm(benchmark::State& state) {
    Sample& s = TheSample();
    size_t i = 0;
    for (auto _ : state) {
        const CFormLookup found = s.dict.LookupForm(s.words[i++ % s.words.size()]);
        benchmark::DoNotOptimize(found.occurrences.size());
    }
}
BENCHMARK(BM_LookupForm);

void BM_LookupAbsentForm(benchmark::State& state) {
    Sample& s = TheSample();
    size_t i = 0;
    std::u16string absent;
    for (auto _ : state) {
        absent = s.words[i++ % s.words.size()];
        absent.push_back(u'Q');
        const CFormLookup found = s.dict.LookupForm(absent);
        benchmark::DoNotOptimize(found.status);
    }
}
BENCHMARK(BM_LookupAbsentForm);

void BM_ReadArticleAndCompareText(benchmark::State& state) {
    Sample& s = TheSample();
    size_t i = 0;
    for (auto _ : state) {
        const std::u16string& word = s.words[i++ % s.words.size()];
        const CFormLookup found = s.dict.LookupForm(word);
        const gmd::OccurrenceRecord occ = found.occurrences[0];
        CArticleRead article;
        bool bEqual = false;
        if (!s.dict.ReadArticle(occ.dwArticlePos, article) ||
            !s.dict.IsTextEqual(word, article.record.nRightBeg, article.record.nRightEnd, bEqual)) {
            state.SkipWithError("read failed");
        }
        benchmark::DoNotOptimize(bEqual);
    }
}
BENCHMARK(BM_ReadArticleAndCompareText);

void BM_OpenDictionary(benchmark::State& state) {
    Sample& s = TheSample();
    for (auto _ : state) {
        CDictIndexFile dict;
        const bool bOk =
            dict.Open(FromUtf8(s.path.string()), CMyFile::MODE_READ) && dict.ReadDictionary(2);
        benchmark::DoNotOptimize(bOk);
    }
}
BENCHMARK(BM_OpenDictionary);

}  // namespace

BENCHMARK_MAIN();
