// Speed of the check pass: reading a source and parsing every article, as a
// compile does before it builds anything. Also one article full of tags and
// references against a plain one of the same size, which must cost about
// the same: the parser's look-ahead may not rescan the article.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "compiler/ArticleIndex.h"
#include "compiler/ArticlePass.h"
#include "core/Utf8.h"

namespace {

class CRandom {
public:
    uint32_t Next() {
        m_nState = m_nState * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(m_nState >> 33);
    }
    uint32_t Below(uint32_t n) { return Next() % n; }

private:
    uint64_t m_nState = 0x2545F4914F6CDD1Dull;
};

constexpr const char* kLatin[] = {"ba", "ke", "ri", "to", "lun", "mar", "sel", "ion", "tra",
                                  "pe", "qu", "st", "en", "al", "or", "ch", "gr", "wi"};
constexpr const char16_t* kCyrillic[] = {u"\u0434\u043E", u"\u043C\u0430", u"\u043A\u0438",
                                         u"\u0441\u0442\u0430", u"\u043D\u043E",
                                         u"\u043F\u0440\u0438", u"\u043B\u0435",
                                         u"\u0432\u043E\u0434"};

std::string LatinWord(CRandom& rnd) {
    std::string word;
    for (uint32_t i = 1 + rnd.Below(3); i > 0; --i) word += kLatin[rnd.Below(std::size(kLatin))];
    return word;
}

std::string CyrillicWord(CRandom& rnd) {
    std::u16string word;
    for (uint32_t i = 1 + rnd.Below(3); i > 0; --i) word += kCyrillic[rnd.Below(std::size(kCyrillic))];
    return ToUtf8(word);
}

// A dictionary of English-like headwords with Russian-like translations:
// markup, comments, references, no-index text and a caption now and then.
std::string MakeSource(size_t nBytes) {
    CRandom rnd;
    std::string text = "$NAME: Generated\r\n$MORPH: English(L), Russian(R)\r\n\r\n";
    int nArticle = 0;
    while (text.size() < nBytes) {
        if (nArticle++ % 500 == 0) {
            text += "<h>Group " + LatinWord(rnd) + "</h>\r\n\r\n";
            continue;
        }
        text += "<b>" + LatinWord(rnd) + "</b>";
        if (rnd.Below(3) == 0) text += " " + LatinWord(rnd);
        text += " <i>[" + LatinWord(rnd) + "]</i> ##:## ";
        for (uint32_t nSense = 1 + rnd.Below(3); nSense > 0; --nSense) {
            text += "<br>" + std::to_string(nSense) + ". ";
            for (uint32_t n = 2 + rnd.Below(8); n > 0; --n) {
                text += CyrillicWord(rnd);
                text += rnd.Below(4) == 0 ? ", " : " ";
            }
            if (rnd.Below(5) == 0) text += "<noindex>cf. " + LatinWord(rnd) + "</noindex> ";
            if (rnd.Below(6) == 0) text += "caf&eacute; &#8212; ";
            if (rnd.Below(8) == 0) text += "<a href=\"find://" + LatinWord(rnd) + "\">see</a> ";
        }
        text += "\r\n\r\n";
    }
    return text;
}

class CSourceFile {
public:
    explicit CSourceFile(size_t nBytes) {
        m_path = std::filesystem::temp_directory_path() / "gloss_parser_bench_source.txt";
        const std::string text = MakeSource(nBytes);
        std::ofstream(m_path, std::ios::binary | std::ios::trunc)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
        m_nBytes = text.size();
    }
    ~CSourceFile() {
        std::error_code ec;
        std::filesystem::remove(m_path, ec);
    }
    std::u16string Path() const { return FromUtf8(m_path.string()); }
    size_t Bytes() const { return m_nBytes; }

private:
    std::filesystem::path m_path;
    size_t m_nBytes = 0;
};

const CSourceFile& LargeSource() {
    static const CSourceFile s_file(64u << 20);
    return s_file;
}

void BM_CheckPass(benchmark::State& state) {
    const CSourceFile& file = LargeSource();
    int32_t nArticles = 0;
    int32_t nWords = 0;
    for (auto _ : state) {
        const ArticlePassResult result = CheckSourceFile(file.Path(), CSeparatorSettings());
        if (result.nOutcome != ArticlePassResult::DONE) {
            state.SkipWithError(ToUtf8(result.strError).c_str());
            return;
        }
        nArticles = result.nArticles;
        nWords = result.nWords;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(file.Bytes()));
    state.counters["articles"] = nArticles;
    state.counters["words"] = nWords;
    state.counters["MB"] = static_cast<double>(file.Bytes()) / (1 << 20);
}
BENCHMARK(BM_CheckPass)->Unit(benchmark::kMillisecond);

// One article of about nUnits units: plain words, or a tag or reference
// every ten units, with no ";" or ">" far ahead.
std::u16string MakeArticle(size_t nUnits, bool bTags) {
    std::u16string text;
    const std::u16string_view plain = u"word other ";
    const std::u16string_view tags[] = {u"wo<b>rd ot", u"a&eacute;b c", u"x&#65;y z &"};
    size_t i = 0;
    while (text.size() < nUnits) text += bTags ? tags[i++ % 3] : plain;
    return text;
}

void ParseArticleBench(benchmark::State& state, bool bTags) {
    const std::u16string text = MakeArticle(static_cast<size_t>(state.range(0)), bTags);
    CArticleIndex article;
    int32_t nWords = 0;
    for (auto _ : state) {
        article.Reset();
        article.SetArticle(std::u16string_view(text), 0, static_cast<int32_t>(text.size()));
        ParseContext ctx;
        if (!article.ParseArticle(ctx)) {
            state.SkipWithError("parse failed");
            return;
        }
        nWords = ctx.nWordNumber;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size() * sizeof(char16_t)));
    state.counters["words"] = nWords;
}

void BM_PlainArticle(benchmark::State& state) { ParseArticleBench(state, false); }
void BM_TagsAndReferencesArticle(benchmark::State& state) { ParseArticleBench(state, true); }
// Time per unit must stay flat as the article grows.
BENCHMARK(BM_PlainArticle)->Arg(1 << 18)->Arg(1 << 20)->Arg(1 << 22)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagsAndReferencesArticle)
    ->Arg(1 << 18)
    ->Arg(1 << 20)
    ->Arg(1 << 22)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
