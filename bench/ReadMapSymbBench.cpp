// Decoding speed of the mapped reader over large generated sources, in MB of
// file per second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/UnicodeMappingFile.h"
#include "core/Utf8.h"

namespace {

constexpr size_t kTextUnits = 24u << 20;

// Dictionary-like text: Latin headwords, Cyrillic translations, a few
// symbols from the three-byte range, CR LF line ends.
std::u16string MakeText(int nCyrillicPercent) {
    std::mt19937 rng(7);
    std::u16string text;
    text.reserve(kTextUnits + 64);
    while (text.size() < kTextUnits) {
        const int nWords = 2 + static_cast<int>(rng() % 6);
        for (int w = 0; w < nWords; ++w) {
            const bool bCyrillic = static_cast<int>(rng() % 100) < nCyrillicPercent;
            const int nLetters = 2 + static_cast<int>(rng() % 9);
            for (int k = 0; k < nLetters; ++k) {
                text += bCyrillic ? static_cast<char16_t>(u'а' + rng() % 32)
                                  : static_cast<char16_t>(u'a' + rng() % 26);
            }
            text += (rng() % 50 == 0) ? u" — " : u" ";
        }
        text += u"\r\n";
    }
    return text;
}

class TempFiles {
public:
    TempFiles() {
        m_dir =
            std::filesystem::temp_directory_path() / ("gloss-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    ~TempFiles() {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    // Written once per name; later calls (each benchmark run calls again)
    // reuse the file.
    template <class MakeBytes>
    std::u16string Get(const std::string& name, MakeBytes&& makeBytes) {
        const auto path = m_dir / name;
        if (std::filesystem::exists(path)) return FromUtf8(path.string());
        const std::string bytes = makeBytes();
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return FromUtf8(path.string());
    }

private:
    std::filesystem::path m_dir;
};

TempFiles& Files() {
    static TempFiles s_files;
    return s_files;
}

std::string Ucs2LeBytes(const std::u16string& text) {
    std::string bytes("\xFF\xFE");
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

void DecodeWholeFile(benchmark::State& state, const std::u16string& path) {
    CUnicodeMappingFile file;
    if (!file.OpenUnicode(path)) {
        state.SkipWithError(ToUtf8(file.GetError()).c_str());
        return;
    }
    const int32_t nBegin = file.SkipByteOrderMark();
    for (auto _ : state) {
        file.SetMapPos(nBegin, CMyFile::ORIGIN_BEGIN);
        char16_t c;
        uint32_t nSum = 0;
        while (file.ReadMapSymb(c) > 0)
            nSum += c;
        benchmark::DoNotOptimize(nSum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * file.GetFileLength());
}

void BM_ReadMapSymb_Utf8(benchmark::State& state) {
    const int nCyrillicPercent = static_cast<int>(state.range(0));
    DecodeWholeFile(state, Files().Get("utf8-" + std::to_string(nCyrillicPercent) + ".txt",
                                       [&] { return ToUtf8(MakeText(nCyrillicPercent)); }));
}
// Share of Cyrillic words: 0 (ASCII only), 50 (bilingual), 100.
BENCHMARK(BM_ReadMapSymb_Utf8)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_ReadMapSymb_Ucs2(benchmark::State& state) {
    DecodeWholeFile(state, Files().Get("ucs2.txt", [] { return Ucs2LeBytes(MakeText(50)); }));
}
BENCHMARK(BM_ReadMapSymb_Ucs2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
